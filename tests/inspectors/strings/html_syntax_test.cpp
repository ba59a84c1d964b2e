#include "inspectors/strings/html_syntax.h"

#include <gtest/gtest.h>

#include <string>

namespace inspectors {
namespace {

AttributeTextKind Classify(std::string const& text) {
  return ClassifyAttributeText(ConstData(text));
}

TEST(HTMLSyntax, TagNames) {
  for (char const* name : {"p", "h1", "my-element", "svg:rect", "x_y.z", "TD"}) {
    EXPECT_TRUE(IsTagName(ConstData(name))) << name;
  }
  for (std::string const& name : std::initializer_list<std::string>{
           "", "1b", "-x", "b>", "b c", "b/", "b\"", std::string("b\0", 2), "\xc3\xa9t\xc3\xa9"}) {
    EXPECT_FALSE(IsTagName(ConstData(name))) << name;
  }
}

TEST(HTMLSyntax, AttributeNames) {
  for (char const* name : {"href", "data-x", "aria-label", "x:y", "@click", "\xc3\xa9"}) {
    EXPECT_TRUE(IsAttributeName(ConstData(name))) << name;
  }
  for (std::string const& name : std::initializer_list<std::string>{
           "", "a b", "a\tb", "a=b", "a\"", "a'", "a>", "<a", "a/", std::string("a\0", 2)}) {
    EXPECT_FALSE(IsAttributeName(ConstData(name))) << name;
  }
}

TEST(HTMLSyntax, AttributeTextThatStaysInsideItsTag) {
  for (char const* text :
       {"", " ", "hidden", "a b c", "a=1", "a = 1", "a=\"x y\"", "a='x y'", "a=\"<>/='\"", "a='\"'",
        "a=\"1\" b='2' c=3 d", " a=\"1\"\t\nb ", "a=b/c", "a=\"\" b=''"}) {
    EXPECT_NE(Classify(text), AttributeTextKind::kInvalid) << text;
  }
}

TEST(HTMLSyntax, AttributeTextThatCouldEndOrEscapeItsTag) {
  for (char const* text :
       {">", "a>", "a=1>", "a=\"1\">", "<a", "a=<", "a=\"x", "a='x", "a=", "a=\"1\"b", "a='1'b",
        "a=`x`", "a=x\"y", "a=x'y", "=a", "/", "a /", "\"", "'"}) {
    EXPECT_EQ(Classify(text), AttributeTextKind::kInvalid) << text;
  }
}

TEST(HTMLSyntax, AnUnquotedLastValueIsReported) {
  EXPECT_EQ(Classify("a=b"), AttributeTextKind::kValidEndingInUnquotedValue);
  EXPECT_EQ(Classify("a=\"b\" c=d"), AttributeTextKind::kValidEndingInUnquotedValue);
  EXPECT_EQ(Classify("a=b "), AttributeTextKind::kValid);
  EXPECT_EQ(Classify("a=\"b\""), AttributeTextKind::kValid);
  EXPECT_EQ(Classify("a"), AttributeTextKind::kValid);
}

}  // namespace
}  // namespace inspectors
