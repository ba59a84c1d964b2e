// Strict numeral reading and writing. Readers accept digits of their base and
// nothing else (the signed readers allow one leading '-' or '+'): no blanks, no
// prefixes, no empty text. Writers produce plain digits, lower-case for hex.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "foundation/const_data.h"
#include "foundation/overflow.h"

namespace inspectors {

// Readers. Empty text or a byte that is not a digit throws `NotANumeral`; a value
// that does not fit the result type throws `NumeralTooLarge`. When text is both
// malformed and too long, `NotANumeral` wins.
std::uint64_t ReadAsciiDecimalNumeral64(ConstData text);
std::uint32_t ReadAsciiDecimalNumeral(ConstData text);
std::int64_t ReadAsciiSignedDecimalNumeral64(ConstData text);
std::int32_t ReadAsciiSignedDecimalNumeral(ConstData text);
std::uint64_t ReadAsciiHexNumeral64(ConstData text);
std::uint32_t ReadAsciiHexNumeral(ConstData text);

// The same readers, giving `otherwise` on any failure.
std::uint64_t ReadAsciiDecimalNumeral64WithDefault(ConstData text,
                                                   std::uint64_t otherwise) noexcept;
std::uint32_t ReadAsciiDecimalNumeralWithDefault(ConstData text, std::uint32_t otherwise) noexcept;
std::int64_t ReadAsciiSignedDecimalNumeral64WithDefault(ConstData text,
                                                        std::int64_t otherwise) noexcept;
std::int32_t ReadAsciiSignedDecimalNumeralWithDefault(ConstData text,
                                                      std::int32_t otherwise) noexcept;
std::uint64_t ReadAsciiHexNumeral64WithDefault(ConstData text, std::uint64_t otherwise) noexcept;
std::uint32_t ReadAsciiHexNumeralWithDefault(ConstData text, std::uint32_t otherwise) noexcept;

// Over UTF-8 text; the digits are the ASCII ones, so these equal the ASCII readers.
inline std::uint64_t ReadUTF8DecimalNumeral64(ConstData text) {
  return ReadAsciiDecimalNumeral64(text);
}
inline std::uint32_t ReadUTF8DecimalNumeral(ConstData text) {
  return ReadAsciiDecimalNumeral(text);
}

// Writer results: at most 31 digits plus a sign.
using NumeralText = USAsciiStringOfCapacity<32>;

// Digits are produced while the value is non-zero or fewer than `minimumDigits`
// stand, so zero with minimumDigits 0 is empty text. More than 31 digits throw
// `ConstDataCapacityExceeded`.
NumeralText MakeAsciiDecimalNumeral64(std::uint64_t value, std::size_t minimumDigits = 1);
NumeralText MakeAsciiDecimalNumeral(std::uint32_t value, std::size_t minimumDigits = 1);
// '-' before the digits of a negative value; `minimumDigits` counts digits only.
NumeralText MakeAsciiSignedDecimalNumeral64(std::int64_t value, std::size_t minimumDigits = 1);
NumeralText MakeAsciiSignedDecimalNumeral(std::int32_t value, std::size_t minimumDigits = 1);
NumeralText MakeAsciiHexNumeral64(std::uint64_t value, std::size_t minimumDigits = 1);
NumeralText MakeAsciiHexNumeral(std::uint32_t value, std::size_t minimumDigits = 1);

// A formatted decimal integer: at least one digit, a sign character ('-' negative,
// '+' positive, ' ' zero), and '-' shown before the digits only for negatives.
class Numeral {
 public:
  template <Integer T>
  explicit Numeral(T value) noexcept {
    if constexpr (std::is_signed_v<T>) {
      Format(value < 0,
             value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
    } else {
      Format(false, value);
    }
  }

  // Prefixes '0' digits until at least `width` digits stand; more than 31 digits
  // throw `DataOverflow`.
  void PadTo(std::size_t width);

  char Sign() const noexcept { return sign_; }
  bool ShowsSign() const noexcept { return sign_ == '-'; }
  ConstData Digits() const noexcept { return Text().Tail(ShowsSign() ? 1 : 0); }
  ConstData Text() const noexcept;
  operator ConstData() const noexcept { return Text(); }

 private:
  void Format(bool negative, std::uint64_t magnitude) noexcept;
  void PlaceSign() noexcept;

  static constexpr std::size_t kCapacity = 32;  // one byte for '-', then the digits
  std::array<byte, kCapacity> text_{};
  std::size_t first_ = kCapacity;  // the first digit
  char sign_ = ' ';
};

}  // namespace inspectors
