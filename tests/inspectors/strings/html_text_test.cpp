#include "inspectors/strings/html_text.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

TEST(HTMLEscaping, EverySpecialByteAndNothingElseAndPlainTextIsNotCopied) {
  std::string const special = "\"&<>";
  char const* const entities[] = {"&quot;", "&amp;", "&lt;", "&gt;"};
  std::string text, expected;
  for (int b = 0; b < 256; ++b) {
    text += static_cast<char>(b);
    std::size_t const which = special.find(static_cast<char>(b));
    expected += which == std::string::npos ? std::string(1, static_cast<char>(b)) : entities[which];
  }
  EXPECT_EQ(EscapedHTML(ConstData(text)).AsStringView(), expected);
  EXPECT_EQ(EscapedHTMLLength(ConstData(text)), expected.size());

  std::string const plain = "it's plain \x01\xff text";
  ConstData const escaped = EscapedHTML(ConstData(plain));
  EXPECT_EQ(escaped.begin(), ConstData(plain).begin());
  EXPECT_EQ(escaped.Length(), plain.size());
}

}  // namespace
}  // namespace inspectors
