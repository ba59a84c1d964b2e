// Floating-point values below the query level: the exception flags of single steps
// (whatever was raised before them, whatever the optimisation level of this build),
// and the thresholds of the arithmetic, which queries can give only as powers of ten.
#include "inspectors/numbers/floating_point.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>

namespace inspectors {
namespace {

constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kInexact = kFloatingPointInexact;
constexpr std::uint32_t kOverflow = kFloatingPointOverflow | kFloatingPointInexact;
constexpr std::uint32_t kUnderflow = kFloatingPointUnderflow | kFloatingPointInexact;

floating_point Value(long double v, long double t, std::uint32_t flags = 0) {
  return floating_point{v, t, flags};
}

// Quotients and products of every flag are in floating_point.q.
TEST(FloatingPointFlags, EachStepRecordsExactlyWhatItRaised) {
  EXPECT_EQ(FlaggedSum(LDBL_MAX, LDBL_MAX).flags, kOverflow);
  EXPECT_EQ(FlaggedDifference(-LDBL_MAX, LDBL_MAX).flags, kOverflow);
  EXPECT_EQ(FlaggedQuotient(LDBL_MIN, 3).flags, kUnderflow);
  // A subnormal result that is exact raises nothing.
  EXPECT_EQ(FlaggedQuotient(LDBL_MIN, 4).flags, kNone);
  EXPECT_EQ(FlaggedSquareRoot(-1).flags, kFloatingPointInvalid);
  EXPECT_EQ(FlaggedSquareRoot(2).flags, kInexact);
  EXPECT_EQ(FlaggedSquareRoot(4).flags, kNone);
  EXPECT_EQ(FlaggedSum(1, 0x1p-70L).flags, kInexact);
  EXPECT_EQ(FlaggedSum(1, 0x1p-63L).flags, kNone);
}

TEST(FloatingPointFlags, FlagsRaisedBeforeAStepAreNotItsFlags) {
  std::feraiseexcept(FE_ALL_EXCEPT);
  EXPECT_EQ(FlaggedSum(1, 2).flags, kNone);
  std::feraiseexcept(FE_ALL_EXCEPT);
  EXPECT_EQ((Value(3, 1) * Value(7, 1)).flags, kNone);
  std::feclearexcept(FE_ALL_EXCEPT);
}

// Exact thresholds, where the printed place would hide a missing term; the integer
// operands of the other forms are in floating_point.q.
TEST(FloatingPointArithmetic, ThresholdsCombineAsAbsoluteUncertainties) {
  EXPECT_EQ((Value(5, 3) + Value(1, 4)).threshold, 5);
  EXPECT_EQ((Value(5, 3) - Value(1, 4)).threshold, 5);
  // |a.t b.v|, |a.v b.t| and a.t b.t: 4, 6 and 3 for 2 +- 1 times 4 +- 3.
  EXPECT_NEAR(static_cast<double>((Value(2, 1) * Value(4, 3)).threshold), std::sqrt(61.0), 1e-15);
  EXPECT_NEAR(static_cast<double>((Value(2, 1) / Value(4, 3)).threshold), std::sqrt(61.0) / 16,
              1e-15);
  EXPECT_EQ((integer(-4) * Value(1, 0.25L)).threshold, 1);
  EXPECT_EQ((integer(-4) / Value(2, 0.25L)).threshold, 0.25L);
}

}  // namespace
}  // namespace inspectors
