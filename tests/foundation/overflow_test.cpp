#include "foundation/overflow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace inspectors {
namespace {

template <class T>
class SameTypePredicates : public ::testing::Test {};
using AllWidths = ::testing::Types<std::int8_t, std::uint8_t, std::int16_t, std::uint16_t,
                                   std::int32_t, std::uint32_t, std::int64_t, std::uint64_t>;
TYPED_TEST_SUITE(SameTypePredicates, AllWidths);

TYPED_TEST(SameTypePredicates, AnswerExactlyAtTheLimits) {
  using T = TypeParam;
  constexpr T kMax = std::numeric_limits<T>::max();
  constexpr T kMin = std::numeric_limits<T>::min();
  T const one = 1;
  T const zero = 0;

  EXPECT_TRUE(CanAdd<T>(kMax - one, one));
  EXPECT_FALSE(CanAdd<T>(kMax, one));
  EXPECT_TRUE(CanAdd<T>(kMax, zero));
  EXPECT_TRUE(CanSubtract<T>(kMin + one, one));
  EXPECT_FALSE(CanSubtract<T>(kMin, one));
  EXPECT_TRUE(CanMultiply<T>(kMax, one));
  EXPECT_TRUE(CanMultiply<T>(kMin, zero));
  EXPECT_FALSE(CanMultiply<T>(kMax, T{2}));
  EXPECT_TRUE(CanMultiply<T>(kMax / T{2}, T{2}));
  if constexpr (std::is_signed_v<T>) {
    EXPECT_FALSE(CanAdd<T>(kMin, T{-1}));
    EXPECT_TRUE(CanAdd<T>(kMin, kMax));
    EXPECT_FALSE(CanSubtract<T>(zero, kMin));
    EXPECT_TRUE(CanSubtract<T>(T{-1}, kMin));
    EXPECT_FALSE(CanMultiply<T>(kMin, T{-1}));
    EXPECT_TRUE(CanMultiply<T>(kMax, T{-1}));
  } else {
    EXPECT_FALSE(CanSubtract<T>(zero, one));
    EXPECT_TRUE(CanSubtract<T>(kMax, kMax));
  }
}

TEST(MixedOperands, ResultMustFitTheNamedType) {
  constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
  constexpr std::uint64_t kBig = std::uint64_t{1} << 63;
  constexpr auto kAdd = Operation::kAdd;
  constexpr auto kSubtract = Operation::kSubtract;
  // -2^63 + 2^64 - 1 = 2^63 - 1 fits.
  EXPECT_TRUE((Fits<kAdd, std::int64_t>(kMin64, std::numeric_limits<std::uint64_t>::max())));
  EXPECT_TRUE((Fits<kAdd, std::int64_t>(std::int64_t{-1}, kBig)));
  EXPECT_FALSE((Fits<kAdd, std::int64_t>(std::int64_t{0}, kBig)));
  EXPECT_TRUE((Fits<kSubtract, std::int64_t>(std::int64_t{0}, kBig)));
  EXPECT_FALSE((Fits<kSubtract, std::int64_t>(std::int64_t{-1}, kBig)));
  EXPECT_FALSE((Fits<kAdd, std::int8_t>(std::int8_t{100}, std::uint8_t{28})));
  EXPECT_TRUE((Fits<kAdd, std::uint32_t>(std::uint32_t{5}, std::int32_t{-5})));
  EXPECT_FALSE((Fits<kAdd, std::uint32_t>(std::uint32_t{5}, std::int32_t{-6})));
  EXPECT_TRUE((Fits<kSubtract, std::uint64_t>(std::uint64_t{0}, std::int64_t{-1})));
  EXPECT_FALSE((Fits<kSubtract, std::uint8_t>(std::uint8_t{0}, std::int8_t{1})));
}

// Usable in constant expressions.
static_assert(CanAdd<std::uint8_t>(200, 55) && !CanAdd<std::uint8_t>(200, 56));
static_assert(!CanMultiply<std::int32_t>(65536, 32768));

}  // namespace
}  // namespace inspectors
