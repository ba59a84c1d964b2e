// The query tokenizer: splits a query text into words, literals and symbols, each
// with the 1-based column where it starts. Tokens are views of the query text; the
// tokenizer reads them one at a time, as the parser asks for them, so that a long
// query is never held as a list of tokens.
#pragma once

#include <array>
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
  // The token as the query writes it: a word in its own case, a string literal with
  // its quotes and escapes (StringBytes decodes it), a symbol; empty for End.
  std::string_view text;
  // Integer: the magnitude. Literals up to 2^63 are accepted so that the parser can
  // read -9223372036854775808; every other literal above 2^63 - 1 is an error.
  std::uint64_t magnitude = 0;
  std::size_t column = 0;  // 1-based byte offset of the first character

  std::size_t length() const noexcept { return text.size(); }
  // Whether this is the word `lowerCase`, written in any case.
  bool IsWord(std::string_view lowerCase) const noexcept;
  bool IsSymbol(std::string_view symbol) const noexcept {
    return kind == TokenKind::Symbol && text == symbol;
  }
};

// Reads the tokens of a query. A UTF-8 byte-order mark at the very start of the text
// is skipped (columns still count its bytes). Every 1024 tokens it calls
// CheckInterruption; an Interrupted (or Cancelled) that it throws carries the column
// of the token just read.
class Tokenizer {
 public:
  explicit Tokenizer(std::string_view query);

  // The next token; End at the end of the query, and again after it. Throws
  // SyntaxError for a byte that begins no token, an unterminated string, a bad escape
  // or an integer literal out of range.
  Token Next();

 private:
  // The symbols of the language by their first byte, longest first.
  using SymbolTable = std::array<std::vector<std::string_view>, 256>;
  static SymbolTable const& Symbols();

  Token Scan();

  std::string_view text_;
  SymbolTable const* symbolsByFirstByte_;
  std::size_t pos_ = 0;
  std::size_t count_ = 0;
};

// The bytes of a String token, its escapes decoded.
std::string StringBytes(Token const& string);

}  // namespace evaluator
