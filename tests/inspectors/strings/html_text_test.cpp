#include "inspectors/strings/html_text.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

TEST(HTMLEscaping, TextWithoutSpecialBytesIsNotCopied) {
  std::string const text = "it's plain \x01\xff text";
  ConstData const escaped = EscapedHTML(ConstData(text));
  EXPECT_EQ(escaped.begin(), ConstData(text).begin());
  EXPECT_EQ(escaped.Length(), text.size());
}

TEST(HTMLEscaping, EverySpecialByteAndNothingElse) {
  std::string text;
  for (int b = 0; b < 256; ++b) text += static_cast<char>(b);
  ConstData const escaped = EscapedHTML(ConstData(text));
  std::string expected;
  for (int b = 0; b < 256; ++b) {
    switch (b) {
      case '"':
        expected += "&quot;";
        break;
      case '&':
        expected += "&amp;";
        break;
      case '<':
        expected += "&lt;";
        break;
      case '>':
        expected += "&gt;";
        break;
      default:
        expected += static_cast<char>(b);
    }
  }
  EXPECT_EQ(std::string(escaped.AsStringView()), expected);
  EXPECT_EQ(EscapedHTMLLength(ConstData(text)), expected.size());
}

}  // namespace
}  // namespace inspectors
