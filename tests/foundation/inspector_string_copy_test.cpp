#include "foundation/inspector_string_copy.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

std::string S(inspector_string const& s) {
  return MakeString(AsConstData(s));
}

TEST(CopyToInspectorString, CopiesIntoFreshMemoryWhileAsInspectorStringWraps) {
  std::string a = "ab";
  inspector_string const joined =
      CopyToInspectorString(ConstDataRope<1>(ConstData(a)) + ConstData("") + ConstData("c"));
  inspector_string const view = CopyToInspectorString(std::string_view("wide\0view", 9));
  a[0] = 'X';  // the copies do not refer to what they were made from
  EXPECT_EQ(S(joined), "abc");
  EXPECT_EQ(S(view), std::string("wide\0view", 9));
  EXPECT_EQ(CopyToInspectorString(ConstData("")).length, 0u);

  static char const kText[] = "static";
  inspector_string const wrapped = AsInspectorString(ConstData(kText));
  EXPECT_EQ(wrapped.bytes, reinterpret_cast<byte const*>(kText));
  EXPECT_EQ(wrapped.length, 6u);
}

}  // namespace
}  // namespace inspectors
