#include "host/query/tokenizer.h"

#include <cstring>
#include <limits>

#include "host/contract/interruption.h"
#include "host/query/operators.h"

namespace evaluator {

namespace {

constexpr std::uint64_t kLargestMagnitude =
    static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Tokens between two interruption checks.
constexpr std::size_t kTokensPerCheck = 1024;

bool IsWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

bool IsSpace(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Printable(unsigned char c) {
  if (c >= 0x21 && c < 0x7f) return std::string("\"") + static_cast<char>(c) + "\"";
  static char const kHex[] = "0123456789abcdef";
  return std::string("byte 0x") + kHex[c >> 4] + kHex[c & 15];
}

// The offset of the first `c` in text[from, to), or `to`.
std::size_t Find(std::string_view text, std::size_t from, std::size_t to, char c) {
  void const* found = std::memchr(text.data() + from, c, to - from);
  return found == nullptr ? to : static_cast<std::size_t>(static_cast<char const*>(found) -
                                                          text.data());
}

// Reads the string literal whose opening quote is at `open` in `text`, appending its
// bytes to `bytes` unless that is null; returns the offset just past the closing
// quote. `base` is the offset of `text` in the query, for the columns of errors.
std::size_t ReadString(std::string_view text, std::size_t open, std::size_t base,
                       std::string* bytes) {
  std::size_t pos = open + 1;
  auto put = [bytes](char c) {
    if (bytes != nullptr) bytes->push_back(c);
  };
  // The next quote at or after pos (text.size() when none). It is looked for again
  // only once pos has passed it, so that escapes do not make the reading quadratic.
  std::size_t quote = std::string_view::npos;
  while (true) {
    if (pos >= text.size()) throw SyntaxError("unterminated string", base + open + 1);
    char const c = text[pos];
    if (c == '"') return pos + 1;
    if (c != '\\') {
      // A run of plain bytes at once, found as the C library finds bytes.
      if (quote == std::string_view::npos || quote < pos) {
        quote = Find(text, pos, text.size(), '"');
      }
      std::size_t const end = Find(text, pos, quote, '\\');
      if (bytes != nullptr) bytes->append(text.substr(pos, end - pos));
      pos = end;
      continue;
    }
    std::size_t const escape = pos;
    if (pos + 1 >= text.size()) throw SyntaxError("unterminated string", base + open + 1);
    char const e = text[pos + 1];
    pos += 2;
    if (e == 'x') {
      auto const byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
      int const high = pos < text.size() ? HexValue(byte(pos)) : -1;
      int const low = pos + 1 < text.size() ? HexValue(byte(pos + 1)) : -1;
      if (high < 0 || low < 0) {
        throw SyntaxError("\\x needs two hexadecimal digits", base + escape + 1);
      }
      put(static_cast<char>(high * 16 + low));
      pos += 2;
      continue;
    }
    // The escapes of one character: \" \\ \n \t.
    static constexpr std::string_view kEscaped = "\"\\nt";
    static constexpr std::string_view kMeaning = "\"\\\n\t";
    std::size_t const which = kEscaped.find(e);
    if (which == std::string_view::npos) {
      throw SyntaxError("unknown escape in string", base + escape + 1);
    }
    put(kMeaning[which]);
  }
}

}  // namespace

bool Token::IsWord(std::string_view lowerCase) const noexcept {
  if (kind != TokenKind::Word || text.size() != lowerCase.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Lower(text[i]) != lowerCase[i]) return false;
  }
  return true;
}

Tokenizer::SymbolTable const& Tokenizer::Symbols() {
  static SymbolTable const table = [] {
    SymbolTable byFirstByte;
    for (std::string_view symbol : evaluator::Symbols()) {  // longest first
      byFirstByte[static_cast<unsigned char>(symbol.front())].push_back(symbol);
    }
    return byFirstByte;
  }();
  return table;
}

Tokenizer::Tokenizer(std::string_view query) : text_(query), symbolsByFirstByte_(&Symbols()) {
  if (text_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
}

Token Tokenizer::Next() {
  Token token = Scan();
  if (++count_ % kTokensPerCheck == 0) {
    try {
      CheckInterruption();
    } catch (Interrupted& e) {
      if (e.column == 0) e.column = token.column;
      throw;
    }
  }
  return token;
}

Token Tokenizer::Scan() {
  while (pos_ < text_.size() && IsSpace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  Token token;
  token.column = pos_ + 1;
  if (pos_ >= text_.size()) {
    token.kind = TokenKind::End;
    token.column = text_.size() + 1;
    return token;
  }
  std::size_t const start = pos_;
  unsigned char const c = static_cast<unsigned char>(text_[pos_]);
  if (IsWordByte(c)) {
    bool allDigits = true;
    while (pos_ < text_.size() && IsWordByte(static_cast<unsigned char>(text_[pos_]))) {
      allDigits = allDigits && IsDigit(static_cast<unsigned char>(text_[pos_]));
      ++pos_;
    }
    token.text = text_.substr(start, pos_ - start);
    token.kind = allDigits ? TokenKind::Integer : TokenKind::Word;
    if (allDigits) {
      std::uint64_t value = 0;
      for (char d : token.text) {
        std::uint64_t const digit = static_cast<std::uint64_t>(d - '0');
        if (value > (kLargestMagnitude - digit) / 10) {
          throw SyntaxError("integer out of range", token.column);
        }
        value = value * 10 + digit;
      }
      token.magnitude = value;
    }
    return token;
  }
  if (c == '"') {
    token.kind = TokenKind::String;
    pos_ = ReadString(text_, start, 0, nullptr);
    token.text = text_.substr(start, pos_ - start);
    return token;
  }
  // The longest symbol of the language that starts here.
  std::string_view const rest = text_.substr(pos_);
  for (std::string_view symbol : (*symbolsByFirstByte_)[c]) {
    if (rest.starts_with(symbol)) {
      token.kind = TokenKind::Symbol;
      token.text = rest.substr(0, symbol.size());
      pos_ += symbol.size();
      return token;
    }
  }
  throw SyntaxError("unexpected " + Printable(c), token.column);
}

std::string StringBytes(Token const& string) {
  std::string bytes;
  bytes.reserve(string.text.size());
  ReadString(string.text, 0, string.column - 1, &bytes);
  return bytes;
}

}  // namespace evaluator
