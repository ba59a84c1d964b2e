#include "host/query/tokenizer.h"

#include <limits>

#include "host/catalog/names.h"
#include "host/query/operators.h"

namespace evaluator {

namespace {

constexpr std::uint64_t kLargestMagnitude =
    static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;

bool IsWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
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

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  std::vector<Token> Run() {
    std::vector<Token> tokens;
    while (true) {
      while (pos_ < text_.size() && IsSpace(Byte(pos_))) ++pos_;
      if (pos_ >= text_.size()) break;
      tokens.push_back(Next());
    }
    Token end;
    end.kind = TokenKind::End;
    end.column = text_.size() + 1;
    tokens.push_back(end);
    return tokens;
  }

 private:
  static bool IsSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
  }
  unsigned char Byte(std::size_t i) const { return static_cast<unsigned char>(text_[i]); }

  Token Next() {
    std::size_t const start = pos_;
    unsigned char const c = Byte(pos_);
    Token token;
    token.column = start + 1;
    if (IsWordByte(c)) {
      bool allDigits = true;
      while (pos_ < text_.size() && IsWordByte(Byte(pos_))) {
        allDigits = allDigits && IsDigit(Byte(pos_));
        ++pos_;
      }
      std::string_view word = text_.substr(start, pos_ - start);
      if (allDigits) {
        token.kind = TokenKind::Integer;
        std::uint64_t value = 0;
        for (char d : word) {
          std::uint64_t digit = static_cast<std::uint64_t>(d - '0');
          if (value > (kLargestMagnitude - digit) / 10) {
            throw SyntaxError("integer out of range", token.column);
          }
          value = value * 10 + digit;
        }
        token.magnitude = value;
        token.text = std::string(word);
      } else {
        token.kind = TokenKind::Word;
        token.text = AsciiLowerCase(word);
      }
    } else if (c == '"') {
      token.kind = TokenKind::String;
      token.text = StringLiteral();
    } else {
      token.kind = TokenKind::Symbol;
      token.text = std::string(Symbol(token.column));
      pos_ += token.text.size();
    }
    token.length = pos_ - start;
    return token;
  }

  // The longest symbol of the language that starts here.
  std::string_view Symbol(std::size_t column) const {
    std::string_view const rest = text_.substr(pos_);
    for (std::string_view symbol : Symbols()) {
      if (rest.starts_with(symbol)) return symbol;
    }
    throw SyntaxError("unexpected " + Printable(Byte(pos_)), column);
  }

  // Reads a string literal starting at the opening quote; returns its bytes.
  std::string StringLiteral() {
    std::size_t const open = pos_;
    ++pos_;
    std::string bytes;
    while (true) {
      if (pos_ >= text_.size()) throw SyntaxError("unterminated string", open + 1);
      char const c = text_[pos_];
      if (c == '"') {
        ++pos_;
        return bytes;
      }
      if (c != '\\') {
        bytes.push_back(c);
        ++pos_;
        continue;
      }
      std::size_t const escape = pos_;
      if (pos_ + 1 >= text_.size()) throw SyntaxError("unterminated string", open + 1);
      char const e = text_[pos_ + 1];
      pos_ += 2;
      if (e == 'x') {
        int high = pos_ < text_.size() ? HexValue(Byte(pos_)) : -1;
        int low = pos_ + 1 < text_.size() ? HexValue(Byte(pos_ + 1)) : -1;
        if (high < 0 || low < 0) throw SyntaxError("\\x needs two hexadecimal digits", escape + 1);
        bytes.push_back(static_cast<char>(high * 16 + low));
        pos_ += 2;
        continue;
      }
      // The escapes of one character: \" \\ \n \t.
      static constexpr std::string_view kEscaped = "\"\\nt";
      static constexpr std::string_view kMeaning = "\"\\\n\t";
      std::size_t const which = kEscaped.find(e);
      if (which == std::string_view::npos) {
        throw SyntaxError("unknown escape in string", escape + 1);
      }
      bytes.push_back(kMeaning[which]);
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::vector<Token> Tokenize(std::string_view query) {
  return Scanner(query).Run();
}

}  // namespace evaluator
