#include "inspectors/numbers/significant_digits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

__extension__ typedef __int128 Wide;

Wide PowerOfTen(int n) {
  Wide p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

int DigitCount(Wide magnitude) {
  int count = 1;
  while (magnitude >= 10) {
    magnitude /= 10;
    ++count;
  }
  return count;
}

// Checks the defining properties rather than recomputing: the result is a multiple of
// the unit of the last kept digit, within half a unit of the value, ties rounded away
// from zero, the sign kept, and no value exactly when the rounded value leaves the range.
void CheckRounding(std::int64_t value, std::uint64_t n) {
  Wide const magnitude = value < 0 ? -Wide{value} : Wide{value};
  int const length = DigitCount(magnitude);
  if (n >= static_cast<std::uint64_t>(length)) {
    EXPECT_EQ(SignificantDigits(n, integer(value)).get(), value);
    return;
  }
  Wide const unit = PowerOfTen(length - static_cast<int>(n));
  Wide const down = magnitude / unit * unit;
  Wide const expectedMagnitude = (magnitude - down) * 2 >= unit ? down + unit : down;
  Wide const expected = value < 0 ? -expectedMagnitude : expectedMagnitude;
  if (expected > std::numeric_limits<std::int64_t>::max() ||
      expected < std::numeric_limits<std::int64_t>::min()) {
    EXPECT_THROW(SignificantDigits(n, integer(value)), NoSuchObject) << value << " " << n;
    return;
  }
  std::int64_t const result = SignificantDigits(n, integer(value)).get();
  EXPECT_EQ(result % unit, 0) << value << " " << n;
  EXPECT_EQ(Wide{result}, expected) << value << " " << n;
}

TEST(SignificantDigits, RandomValuesAndCounts) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 20000; ++i) {
    std::int64_t const v = static_cast<std::int64_t>(random()) >> (random() % 63);
    CheckRounding(v, random() % 21);
  }
}

TEST(SignificantDigits, NearTheEndsOfTheRange) {
  for (std::int64_t const v :
       {std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min(),
        std::numeric_limits<std::int64_t>::min() + 1, std::int64_t{9'150'000'000'000'000'000},
        std::int64_t{-9'199'999'999'999'999'999}, std::int64_t{0}, std::int64_t{5},
        std::int64_t{-5}}) {
    for (std::uint64_t n = 0; n <= 20; ++n) CheckRounding(v, n);
  }
}

TEST(SignificantDigits, CountsBeyondThirtyTwoBitsHaveNoValue) {
  EXPECT_EQ(SignificantDigits(0xffffffffu, integer(12)).get(), 12);
  EXPECT_THROW(SignificantDigits(0x100000000u, integer(12)), NoSuchObject);
  EXPECT_THROW(SignificantDigits(std::numeric_limits<std::uint64_t>::max(), integer(12)),
               NoSuchObject);
}

}  // namespace
}  // namespace inspectors
