// The query tokenizer: splits a query text into words, literals and symbols, each
// with the 1-based column where it starts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/query/query_errors.h"

namespace evaluator {

enum class TokenKind : std::uint8_t { Word, Integer, String, Symbol, End };

struct Token {
  TokenKind kind = TokenKind::End;
  // Word: its text in lower case; Symbol: the symbol; String: the decoded bytes.
  std::string text;
  // Integer: the magnitude. Literals up to 2^63 are accepted so that the parser can
  // read -9223372036854775808; every other literal above 2^63 - 1 is an error.
  std::uint64_t magnitude = 0;
  std::size_t column = 0;  // 1-based byte offset of the first character
  std::size_t length = 0;  // bytes of query text the token spans

  bool IsWord(std::string_view word) const { return kind == TokenKind::Word && text == word; }
  bool IsSymbol(std::string_view symbol) const {
    return kind == TokenKind::Symbol && text == symbol;
  }
};

// The tokens of `query`, ending with one End token. Throws SyntaxError for a byte
// that begins no token, an unterminated string, a bad escape or an integer literal
// out of range.
std::vector<Token> Tokenize(std::string_view query);

}  // namespace evaluator
