#include "inspectors/numbers/significant_digits.h"

#include <cstdint>
#include <limits>

#include "foundation/const_data.h"
#include "foundation/exceptions.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

constexpr std::uint64_t kLargestCount = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kGreatestMagnitude = std::numeric_limits<std::int64_t>::max();
// The magnitude of the least integer, which has no positive counterpart.
constexpr std::uint64_t kLeastMagnitude = kGreatestMagnitude + 1;

// `digits` rounded to its first n digits and scaled back. The result is at most
// 10^19 (n = 0 over 19 digits), which still fits 64 unsigned bits.
std::uint64_t RoundDigits(ConstData digits, std::uint64_t n) {
  std::size_t const length = digits.Length();
  std::uint64_t value = 0;
  std::size_t position = 0;
  for (; position < n && position < length; ++position) {
    value = 10 * value + (digits[position] - '0');
  }
  if (position < length && digits[position] >= '5') ++value;
  for (; position < length; ++position) value *= 10;
  return value;
}

}  // namespace

integer SignificantDigits(std::uint64_t n, integer const& i) {
  if (n > kLargestCount) throw NoSuchObject();
  Numeral const numeral(i.get());
  std::uint64_t const rounded = RoundDigits(numeral.Digits(), n);
  bool const negative = i.get() < 0;
  if (rounded > (negative ? kLeastMagnitude : kGreatestMagnitude)) throw NoSuchObject();
  // Negating in unsigned arithmetic keeps the least integer representable.
  return integer_of(negative ? 0 - rounded : rounded);
}

hertz SignificantDigitsOfHertz(std::uint64_t n, hertz const& h) {
  return hertz{SignificantDigits(n, h.count)};
}

namespace {

NumberedProperty<integer, integer> const ofInteger("significant digits", "significant digitss",
                                                   &SignificantDigits, kDependsOnlyOnParameters);
NumberedProperty<hertz, hertz> const ofHertz("significant digits", "significant digitss",
                                             &SignificantDigitsOfHertz, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
