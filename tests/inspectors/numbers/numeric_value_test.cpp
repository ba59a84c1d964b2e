#include "inspectors/numbers/numeric_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

std::int64_t Read(std::string const& text) {
  return NumericValue(Of{}, inspector_string{reinterpret_cast<unsigned char const*>(text.data()),
                                             static_cast<std::uint32_t>(text.size())})
      .get();
}

std::string EveryNonDigitByte() {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    if (b < '0' || b > '9') bytes += static_cast<char>(b);
  }
  return bytes;
}

TEST(NumericValue, LongTextsWithoutDigitsOrWithManyLeadingZeros) {
  std::string noise;
  while (noise.size() < (1 << 20)) noise += EveryNonDigitByte();
  EXPECT_THROW(Read(noise), NoSuchObject);
  EXPECT_EQ(Read(noise + "7"), 7);
  EXPECT_EQ(Read(noise + std::string(1 << 20, '0') + "42" + noise + "9"), 42);
}

// Decimal texts of random magnitudes read back exactly; one more digit on any value
// above a tenth of the largest integer leaves the range and has no value.
TEST(NumericValue, ExactUpToTheLargestIntegerAndNoFurther) {
  std::int64_t constexpr kGreatest = std::numeric_limits<std::int64_t>::max();
  std::mt19937_64 random(7);
  for (int i = 0; i < 5000; ++i) {
    std::int64_t const v = static_cast<std::int64_t>(random() >> (1 + random() % 63));
    std::string const digits = std::to_string(v);
    EXPECT_EQ(Read("-x" + digits + ".5"), v) << digits;
    for (char const last : std::string("09")) {
      std::string const longer = digits + last;
      if (v > (kGreatest - (last - '0')) / 10) {
        EXPECT_THROW(Read(longer), NoSuchObject) << longer;
      } else {
        EXPECT_EQ(Read(longer), v * 10 + (last - '0')) << longer;
      }
    }
  }
  EXPECT_EQ(Read("9223372036854775807"), kGreatest);
  EXPECT_THROW(Read("9223372036854775808"), NoSuchObject);
  EXPECT_THROW(Read("99999999999999999999999"), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
