#include "foundation/inspector_string_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

std::string S(inspector_string const& s) {
  return MakeString(AsConstData(s));
}

TEST(CopyToInspectorString, RopePiecesAreJoinedIntoFreshMemory) {
  std::string a = "ab";
  auto const rope = ConstDataRope<1>(ConstData(a)) + ConstData("") + ConstData("c");
  inspector_string const copy = CopyToInspectorString(rope);
  EXPECT_EQ(copy.length, 3u);
  a[0] = 'X';  // the copy does not refer to the pieces
  EXPECT_EQ(S(copy), "abc");
}

TEST(CopyToInspectorString, DataAndViews) {
  std::string text = "hello";
  inspector_string const fromData = CopyToInspectorString(ConstData(text));
  inspector_string const fromView = CopyToInspectorString(std::string_view("wide\0view", 9));
  text = "bye";
  EXPECT_EQ(S(fromData), "hello");
  EXPECT_EQ(S(fromView), std::string("wide\0view", 9));
  EXPECT_EQ(CopyToInspectorString(ConstData("")).length, 0u);
}

TEST(AsInspectorString, WrapsWithoutCopying) {
  static char const kText[] = "static";
  inspector_string const s = AsInspectorString(ConstData(kText));
  EXPECT_EQ(s.bytes, reinterpret_cast<byte const*>(kText));
  EXPECT_EQ(s.length, 6u);
  EXPECT_EQ(AsConstData(s), ConstData("static"));
}

}  // namespace
}  // namespace inspectors
