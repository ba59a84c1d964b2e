#include "host/query/tokenizer.h"

#include <gtest/gtest.h>

#include <vector>

namespace evaluator {
namespace {

// Every token of `query`, ending with one End token, as the parser reads them.
std::vector<Token> Tokenize(std::string_view query) {
  Tokenizer tokenizer(query);
  std::vector<Token> tokens;
  do {
    tokens.push_back(tokenizer.Next());
  } while (tokens.back().kind != TokenKind::End);
  return tokens;
}

TEST(Tokenizer, TokensKeepTheirKindTextAndColumn) {
  auto tokens = Tokenize("Bit Set \"a\" <= 12 != (x_1) >=3rd;");
  struct {
    TokenKind kind;
    char const* text;
    std::size_t column, length;
  } const expected[] = {
      {TokenKind::Word, "Bit", 1, 3},    {TokenKind::Word, "Set", 5, 3},
      {TokenKind::String, "\"a\"", 9, 3}, {TokenKind::Symbol, "<=", 13, 2},
      {TokenKind::Integer, "12", 16, 2}, {TokenKind::Symbol, "!=", 19, 2},
      {TokenKind::Symbol, "(", 22, 1},   {TokenKind::Word, "x_1", 23, 3},
      {TokenKind::Symbol, ")", 26, 1},   {TokenKind::Symbol, ">=", 28, 2},
      {TokenKind::Word, "3rd", 30, 3},   {TokenKind::Symbol, ";", 33, 1},
      {TokenKind::End, "", 34, 0},
  };
  ASSERT_EQ(tokens.size(), std::size(expected));
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    EXPECT_EQ(tokens[i].kind, expected[i].kind) << i;
    EXPECT_EQ(tokens[i].text, expected[i].text) << i;
    EXPECT_EQ(tokens[i].column, expected[i].column) << i;
    EXPECT_EQ(tokens[i].length(), expected[i].length) << i;
  }
  EXPECT_EQ(tokens[4].magnitude, 12u);
  // 2^63 is accepted here so that the parser can negate it.
  EXPECT_EQ(Tokenize("9223372036854775808")[0].magnitude, 9223372036854775808u);
}

TEST(Tokenizer, StringsKeepTheirBytes) {
  EXPECT_EQ(StringBytes(Tokenize(R"("q\"b\\n\n\t\x00\xfF")")[0]),
            std::string("q\"b\\n\n\t\0\xff", 9));
  std::string const raw("\"a\0\xc3\xa9\"", 6);  // NUL and UTF-8 pass through unchanged
  EXPECT_EQ(StringBytes(Tokenize(raw)[0]), std::string("a\0\xc3\xa9", 4));
}

}  // namespace
}  // namespace evaluator
