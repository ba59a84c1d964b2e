// Division rounded toward minus infinity, so that a negative count of seconds falls in
// the day before and its remainder is never negative.
#pragma once

#include <cstdint>

namespace inspectors {

// The divisor must be positive.
constexpr std::int64_t FlooredQuotient(std::int64_t dividend, std::int64_t divisor) noexcept {
  std::int64_t const q = dividend / divisor;
  return dividend % divisor < 0 ? q - 1 : q;
}

// From 0 up to divisor - 1; the divisor must be positive.
constexpr std::int64_t FlooredRemainder(std::int64_t dividend, std::int64_t divisor) noexcept {
  std::int64_t const r = dividend % divisor;
  return r < 0 ? r + divisor : r;
}

// Division rounded toward plus infinity; minus it is the floored quotient of the
// negated dividend, without negating the dividend (which may be the least value).
// The divisor must be positive.
constexpr std::int64_t CeilingQuotient(std::int64_t dividend, std::int64_t divisor) noexcept {
  std::int64_t const q = dividend / divisor;
  return dividend % divisor > 0 ? q + 1 : q;
}

}  // namespace inspectors
