#include "foundation/numerals.h"

#include <limits>

#include "foundation/ascii.h"

namespace inspectors {
namespace {

// The magnitude written in `digits`, all of which must belong to `base`'s digits.
std::uint64_t ReadMagnitude(ConstData digits, unsigned base) {
  ByteSet const& valid = base == 16 ? Ascii::HexDigits() : Ascii::Numeric();
  if (digits.Empty()) throw NotANumeral();
  for (byte b : digits) {
    if (!valid.Contains(b)) throw NotANumeral();
  }
  std::uint64_t value = 0;
  for (byte b : digits) {
    std::uint64_t const digit = Ascii::HexDigitValue(b);
    if (!CanMultiply<std::uint64_t>(value, base) || !CanAdd(value * base, digit)) {
      throw NumeralTooLarge();
    }
    value = value * base + digit;
  }
  return value;
}

template <class Narrow, class Wide>
Narrow Narrowed(Wide value) {
  if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max()) {
    throw NumeralTooLarge();
  }
  return static_cast<Narrow>(value);
}

template <class T, class Reader>
T OrDefault(Reader read, ConstData text, T otherwise) noexcept {
  try {
    return read(text);
  } catch (...) {
    return otherwise;
  }
}

// Right-aligned digits of `magnitude` in `base`, at least `minimumDigits` of them,
// preceded by '-' when negative.
NumeralText Write(bool negative, std::uint64_t magnitude, unsigned base,
                  std::size_t minimumDigits) {
  constexpr std::size_t kRoom = NumeralText::Capacity();
  if (minimumDigits > kRoom - 1) throw ConstDataCapacityExceeded();
  std::array<byte, kRoom> text{};
  std::size_t first = kRoom;
  while (magnitude != 0 || kRoom - first < minimumDigits) {
    text[--first] = static_cast<byte>(Ascii::HexDigit(static_cast<unsigned>(magnitude % base)));
    magnitude /= base;
  }
  if (negative) text[--first] = '-';
  return NumeralText(ConstData(text.data() + first, text.data() + kRoom));
}

}  // namespace

std::uint64_t ReadAsciiDecimalNumeral64(ConstData text) {
  return ReadMagnitude(text, 10);
}

std::uint32_t ReadAsciiDecimalNumeral(ConstData text) {
  return Narrowed<std::uint32_t>(ReadMagnitude(text, 10));
}

std::int64_t ReadAsciiSignedDecimalNumeral64(ConstData text) {
  bool const negative = !text.Empty() && text[0] == '-';
  bool const signed_ = !text.Empty() && (text[0] == '-' || text[0] == '+');
  std::uint64_t const magnitude = ReadMagnitude(text.Tail(signed_ ? 1 : 0), 10);
  constexpr std::uint64_t kLargest = std::numeric_limits<std::int64_t>::max();
  if (magnitude > kLargest + (negative ? 1 : 0)) throw NumeralTooLarge();
  // Modular conversion: 2^63 negated is the most negative value.
  return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

std::int32_t ReadAsciiSignedDecimalNumeral(ConstData text) {
  return Narrowed<std::int32_t>(ReadAsciiSignedDecimalNumeral64(text));
}

std::uint64_t ReadAsciiHexNumeral64(ConstData text) {
  return ReadMagnitude(text, 16);
}

std::uint32_t ReadAsciiHexNumeral(ConstData text) {
  return Narrowed<std::uint32_t>(ReadMagnitude(text, 16));
}

std::uint64_t ReadAsciiDecimalNumeral64WithDefault(ConstData text,
                                                   std::uint64_t otherwise) noexcept {
  return OrDefault(ReadAsciiDecimalNumeral64, text, otherwise);
}
std::uint32_t ReadAsciiDecimalNumeralWithDefault(ConstData text, std::uint32_t otherwise) noexcept {
  return OrDefault(ReadAsciiDecimalNumeral, text, otherwise);
}
std::int64_t ReadAsciiSignedDecimalNumeral64WithDefault(ConstData text,
                                                        std::int64_t otherwise) noexcept {
  return OrDefault(ReadAsciiSignedDecimalNumeral64, text, otherwise);
}
std::int32_t ReadAsciiSignedDecimalNumeralWithDefault(ConstData text,
                                                      std::int32_t otherwise) noexcept {
  return OrDefault(ReadAsciiSignedDecimalNumeral, text, otherwise);
}
std::uint64_t ReadAsciiHexNumeral64WithDefault(ConstData text, std::uint64_t otherwise) noexcept {
  return OrDefault(ReadAsciiHexNumeral64, text, otherwise);
}
std::uint32_t ReadAsciiHexNumeralWithDefault(ConstData text, std::uint32_t otherwise) noexcept {
  return OrDefault(ReadAsciiHexNumeral, text, otherwise);
}

NumeralText MakeAsciiDecimalNumeral64(std::uint64_t value, std::size_t minimumDigits) {
  return Write(false, value, 10, minimumDigits);
}
NumeralText MakeAsciiDecimalNumeral(std::uint32_t value, std::size_t minimumDigits) {
  return Write(false, value, 10, minimumDigits);
}
NumeralText MakeAsciiSignedDecimalNumeral64(std::int64_t value, std::size_t minimumDigits) {
  std::uint64_t const magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  return Write(value < 0, magnitude, 10, minimumDigits);
}
NumeralText MakeAsciiSignedDecimalNumeral(std::int32_t value, std::size_t minimumDigits) {
  return MakeAsciiSignedDecimalNumeral64(value, minimumDigits);
}
NumeralText MakeAsciiHexNumeral64(std::uint64_t value, std::size_t minimumDigits) {
  return Write(false, value, 16, minimumDigits);
}
NumeralText MakeAsciiHexNumeral(std::uint32_t value, std::size_t minimumDigits) {
  return Write(false, value, 16, minimumDigits);
}

void Numeral::Format(bool negative, std::uint64_t magnitude) noexcept {
  sign_ = negative ? '-' : magnitude == 0 ? ' ' : '+';
  do {
    text_[--first_] = static_cast<byte>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  PlaceSign();
}

void Numeral::PadTo(std::size_t width) {
  if (width > kCapacity - 1) throw DataOverflow();
  while (kCapacity - first_ < width) text_[--first_] = '0';
  PlaceSign();
}

void Numeral::PlaceSign() noexcept {
  // The byte before the digits is always free: at most kCapacity - 1 digits stand.
  if (ShowsSign()) text_[first_ - 1] = '-';
}

ConstData Numeral::Text() const noexcept {
  std::size_t const begin = ShowsSign() ? first_ - 1 : first_;
  return {text_.data() + begin, text_.data() + kCapacity};
}

}  // namespace inspectors
