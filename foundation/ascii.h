// Byte sets, the ASCII character classes and ASCII case folding. Only 'A'..'Z' and
// 'a'..'z' have a case; every other byte value folds to itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "foundation/const_data.h"
#include "foundation/data_streams.h"

namespace inspectors {

// A set of byte values: bit b % 32 of word b / 32 is set when b is a member.
class ByteSet {
 public:
  constexpr ByteSet() noexcept = default;

  constexpr bool Contains(byte b) const noexcept { return (words_[b / 32] >> (b % 32)) & 1u; }
  constexpr ByteSet& Add(byte b) noexcept {
    words_[b / 32] |= std::uint32_t{1} << (b % 32);
    return *this;
  }
  // Adds first..last, both included.
  constexpr ByteSet& AddRange(byte first, byte last) noexcept {
    for (unsigned b = first; b <= last; ++b) Add(static_cast<byte>(b));
    return *this;
  }
  constexpr ByteSet& Add(ByteSet const& other) noexcept {
    for (std::size_t i = 0; i < words_.size(); ++i) words_[i] |= other.words_[i];
    return *this;
  }
  constexpr ByteSet Complement() const noexcept {
    ByteSet result;
    for (std::size_t i = 0; i < words_.size(); ++i) result.words_[i] = ~words_[i];
    return result;
  }

  friend constexpr bool operator==(ByteSet const&, ByteSet const&) = default;

 private:
  std::array<std::uint32_t, 8> words_{};
};

namespace Ascii {

// Character classes, each built once on first use.
ByteSet const& WhiteSpace();        // TAB, LF, CR, space
ByteSet const& LinearWhiteSpace();  // TAB, space
ByteSet const& Printable();         // 33..126
ByteSet const& Unprintable();       // 0..32, 127..255
ByteSet const& PlainText();         // 32..126
ByteSet const& Control();           // 0..31, 127
ByteSet const& High();              // 128..255
ByteSet const& Low();               // 0..127
ByteSet const& Numeric();           // '0'..'9'
ByteSet const& HexDigits();         // '0'..'9', 'A'..'F', 'a'..'f'
ByteSet const& Alphabetic();
ByteSet const& Alphanumeric();
ByteSet const& Alphabetic_();    // letters and '_'
ByteSet const& Alphanumeric_();  // letters, digits and '_'
ByteSet const& UppercaseAlphabet();
ByteSet const& LowercaseAlphabet();
ByteSet const& Punctuation();  // 33..47, 58..64, 91..96, 123..126

// Case tables: every byte value to its lower / upper case.
std::array<byte, 256> const& LowerCaseTable();
std::array<byte, 256> const& UpperCaseTable();
// True when the tables fold exactly the letters and leave every other byte alone.
bool CheckCaseTables();

inline byte ToLower(byte b) {
  return LowerCaseTable()[b];
}
inline byte ToUpper(byte b) {
  return UpperCaseTable()[b];
}
constexpr bool IsUppercase(byte b) noexcept {
  return b >= 'A' && b <= 'Z';
}
constexpr bool IsLowercase(byte b) noexcept {
  return b >= 'a' && b <= 'z';
}

bool EqualIgnoringCase(ConstData a, ConstData b);
// `Compare` after folding both sides to upper / lower case.
int CompareUppercase(ConstData a, ConstData b);
int CompareLowercase(ConstData a, ConstData b);
// Zero-terminated strings, ignoring case; the N form looks at most n bytes.
int CompareIgnoreCase(char const* a, char const* b);
int CompareIgnoreCaseN(char const* a, char const* b, std::size_t n);

// Folding copies: as many bytes as fit; return the part of `out` after them.
Data RaiseCase(ConstData in, Data out);
Data LowerCase(ConstData in, Data out);
// Folding in place.
void RaiseCase(Data data);
void LowerCase(Data data);

// Filters that fold case while copying.
class CaseRaisingFilter : public DataFilter {
 public:
  using DataFilter::operator();
  void operator()(ConstBuffer& in, Buffer& out) override;
};
class CaseLoweringFilter : public DataFilter {
 public:
  using DataFilter::operator();
  void operator()(ConstBuffer& in, Buffer& out) override;
};
// The shared instances.
DataFilter& RaiseCase();
DataFilter& LowerCase();

// 0..9 to '0'..'9', 10..15 to 'a'..'f'.
constexpr char HexDigit(unsigned value) noexcept {
  return static_cast<char>(value < 10 ? '0' + value : 'a' + (value - 10));
}
// The value of a hex digit of either case; meaningless for other bytes.
constexpr unsigned HexDigitValue(byte c) noexcept {
  return c < '9' + 1 ? c - '0' : (c | 0x20u) - 'a' + 10;
}

}  // namespace Ascii
}  // namespace inspectors
