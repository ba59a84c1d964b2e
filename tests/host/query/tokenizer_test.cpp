#include "host/query/tokenizer.h"

#include <gtest/gtest.h>

#include <random>

namespace evaluator {
namespace {

TEST(Tokenizer, KindsTextsAndColumns) {
  auto tokens = Tokenize("Bit Set \"a\" <= 12 != (x_1);");
  ASSERT_EQ(tokens.size(), 11u);
  EXPECT_EQ(tokens[0].kind, TokenKind::Word);
  EXPECT_EQ(tokens[0].text, "bit");  // words are lower-cased
  EXPECT_EQ(tokens[1].column, 5u);
  EXPECT_EQ(tokens[2].kind, TokenKind::String);
  EXPECT_EQ(tokens[2].text, "a");
  EXPECT_EQ(tokens[2].column, 9u);
  EXPECT_EQ(tokens[2].length, 3u);
  EXPECT_TRUE(tokens[3].IsSymbol("<="));
  EXPECT_EQ(tokens[4].kind, TokenKind::Integer);
  EXPECT_EQ(tokens[4].magnitude, 12u);
  EXPECT_TRUE(tokens[5].IsSymbol("!="));
  EXPECT_TRUE(tokens[7].IsWord("x_1"));
  EXPECT_EQ(tokens[10].kind, TokenKind::End);
  EXPECT_EQ(tokens[10].column, 28u);
}

TEST(Tokenizer, DigitsFollowedByLettersAreAWord) {
  auto tokens = Tokenize("3rd ipv6");
  EXPECT_TRUE(tokens[0].IsWord("3rd"));
  EXPECT_TRUE(tokens[1].IsWord("ipv6"));
}

TEST(Tokenizer, StringEscapesKeepBytes) {
  auto tokens = Tokenize(R"("q\"b\\n\n\t\x00\xfF")");
  ASSERT_EQ(tokens[0].kind, TokenKind::String);
  std::string const expected("q\"b\\n\n\t\0\xff", 9);
  EXPECT_EQ(tokens[0].text, expected);
  // Raw bytes, NUL included, pass through unchanged.
  std::string raw("\"a\0\xc3\xa9\"", 6);
  EXPECT_EQ(Tokenize(raw)[0].text, std::string("a\0\xc3\xa9", 4));
}

TEST(Tokenizer, IntegerRange) {
  EXPECT_EQ(Tokenize("9223372036854775807")[0].magnitude, 9223372036854775807u);
  // 2^63 is accepted here so that the parser can negate it.
  EXPECT_EQ(Tokenize("9223372036854775808")[0].magnitude, 9223372036854775808u);
  try {
    Tokenize("1 + 9223372036854775809");
    FAIL() << "no error";
  } catch (SyntaxError const& e) {
    EXPECT_EQ(e.column(), 5u);
    EXPECT_STREQ(e.what(), "integer out of range");
  }
  EXPECT_THROW(Tokenize("184467440737095516160"), SyntaxError);
}

TEST(Tokenizer, ErrorsCarryTheirColumn) {
  struct Case {
    char const* text;
    std::size_t column;
  } const cases[] = {
      {"1 $", 3}, {"ab !x", 4}, {"  \"open", 3}, {"\"a\\q\"", 3}, {"\"\\x4g\"", 2}, {"x\x01", 2},
  };
  for (auto const& c : cases) {
    try {
      Tokenize(c.text);
      ADD_FAILURE() << c.text << ": no error";
    } catch (SyntaxError const& e) {
      EXPECT_EQ(e.column(), c.column) << c.text << ": " << e.what();
    }
  }
}

TEST(Tokenizer, ArbitraryBytesNeverCrash) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 40);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    for (int n = length(random); n > 0; --n) text.push_back(static_cast<char>(byte(random)));
    try {
      auto tokens = Tokenize(text);
      EXPECT_EQ(tokens.back().kind, TokenKind::End);
    } catch (SyntaxError const& e) {
      EXPECT_GE(e.column(), 1u);
      EXPECT_LE(e.column(), text.size() + 1);
    }
  }
}

}  // namespace
}  // namespace evaluator
