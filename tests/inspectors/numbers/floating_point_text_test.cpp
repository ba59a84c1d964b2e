// The floating-point text forms where queries cannot reach: exact thresholds, the
// 74-character limits, raw thresholds such as 0 and NaN, hostile text, and a sweep of
// round trips over the whole exponent range.
#include "inspectors/numbers/floating_point_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

std::string Standard(long double x, long double t) {
  return std::string(StandardNotation(x, t).AsStringView());
}
std::string Scientific(long double x, long double t) {
  return std::string(ScientificNotation(x, t).AsStringView());
}
std::string General(long double x, long double t) {
  return std::string(MakeAsciiFloatingPoint(x, t).AsStringView());
}
floating_point Read(std::string const& text) {
  return ReadAsciiFloatingPoint(ConstData(text));
}
long double Ten(int p) {
  return std::pow(10.0L, static_cast<long double>(p));
}

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

// The spacing read off the exponent is the one nextafter finds: at powers of two, at
// the edges of the normal range, and for significands of every kind across the range.
TEST(FloatingPointText, ResolutionIsTheGapToTheNextLongDoubleTowardsZero) {
  auto gap = [](long double x) { return std::fabs(x) - std::nextafter(std::fabs(x), -1.0L); };
  long double const edges[] = {0.0L,
                               1.0L,
                               2.0L,
                               3.0L,
                               -1.5L,
                               0x1p-16318L,
                               0x1p-16319L,
                               0x1.8p-16318L,
                               0x1p-16380L,
                               LDBL_MIN,
                               LDBL_TRUE_MIN,
                               LDBL_MAX,
                               std::numeric_limits<long double>::infinity()};
  for (long double x : edges) EXPECT_EQ(Resolution(x), gap(x)) << static_cast<double>(x);
  EXPECT_TRUE(std::isnan(Resolution(std::numeric_limits<long double>::quiet_NaN())));
  std::uint64_t state = 88172645463325252u;  // xorshift: the same values on every run
  for (int i = 0; i < 20000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    int const exponent = static_cast<int>(state % 32700) - 16350;
    long double const significand = 1.0L + static_cast<long double>(state >> 11) * 0x1p-53L;
    long double const x = std::ldexp(i % 2 == 0 ? significand : 1.0L, exponent);
    ASSERT_EQ(Resolution(x), gap(x)) << static_cast<double>(x) << " 2^" << exponent;
  }
}

TEST(FloatingPointText, LastSignificantPlaceCountsFivePercentBelowAPowerAsThatPower) {
  EXPECT_EQ(LastSignificantDigit(1.234L, 0.0096L), -2);
  EXPECT_EQ(LastSignificantDigit(1.234L, 0.0094L), -3);
  EXPECT_EQ(LastSignificantDigit(1.234L, 0.095L), -1);
  EXPECT_EQ(LastSignificantDigit(-1.234L, 0.01L), -2);
  // Never finer than the spacing of long doubles at the value: 2^-64 below 1.
  EXPECT_EQ(LastSignificantDigit(1.0L, 0.0L), -20);
  EXPECT_EQ(LastSignificantDigit(1.0L, -5.0L), -20);
  EXPECT_EQ(LastSignificantDigit(1.0L, kNaN), -20);
  EXPECT_EQ(LastSignificantDigit(0.0L, 0.0L), -4951);
  // At the top of the range, where the threshold widened by 5 % is no long double.
  EXPECT_EQ(LastSignificantDigit(1.0L, 9.4e4931L), 4931);
  EXPECT_EQ(LastSignificantDigit(1.0L, 1e4932L), 4932);
  EXPECT_EQ(LastSignificantDigit(1.0L, LDBL_MAX * 0.96L), 4932);
  EXPECT_EQ(LastSignificantDigit(1.0L, LDBL_MAX), 4932);
  // An infinite threshold: no place above the largest power of ten.
  EXPECT_EQ(LastSignificantDigit(-LDBL_MAX, kInfinity), 4932);
  EXPECT_EQ(LastSignificantDigit(0.0L, kInfinity), 4932);
}

// Rounding half to even, the carry into a new place and the 74-character limits are
// in floating_point.q; these are the values no text reads as.
TEST(FloatingPointText, StandardNotationOfValuesNoTextGives) {
  EXPECT_EQ(Standard(1.0L / 3, 0), "0.33333333333333333334");
  // Just below a power of ten, whose logarithm rounds up to it: no leading zero.
  EXPECT_EQ(Standard(std::nextafter(1000.0L, 0.0L), 0).substr(0, 10), "999.999999");
  EXPECT_EQ(Standard(std::nextafter(Ten(20), 0.0L), 0), "99999999999999999992");
  // Far below its own last place: refused before the value is scaled to infinity.
  EXPECT_THROW(Standard(Ten(-4940), 0), DataOverflow);
  EXPECT_EQ(Standard(kNaN, 1), "NaN");
}

TEST(FloatingPointText, ScientificNotationWritesTheMantissaAndThePower) {
  EXPECT_EQ(Scientific(0.5L, 0.1L), "5e-1");
  EXPECT_EQ(Scientific(5, 1), "5");
  EXPECT_EQ(Scientific(0, 0.01L), "0e-2");
  EXPECT_EQ(Scientific(-1.5e300L, 1e298L), "-1.50e+300");
  // A mantissa rounded up to 10 moves to the next power.
  EXPECT_EQ(Scientific(9.96L, 0.1L), "1.00e+1");
  EXPECT_EQ(Scientific(-9.96e-30L, 1e-31L), "-1.00e-29");
  EXPECT_EQ(Scientific(LDBL_MAX, LDBL_MAX / 100), "1.19e+4932");
  // Thresholds of 0 and of infinity, and subnormal powers of ten.
  EXPECT_EQ(Scientific(0, 0), "0e-4951");
  EXPECT_EQ(Scientific(300, kInfinity), "0e+4932");
  EXPECT_EQ(Scientific(LDBL_MAX, kInfinity), "1e+4932");
  EXPECT_EQ(Scientific(LDBL_TRUE_MIN, 0), "4e-4951");
}

TEST(FloatingPointText, GeneralFormChoosesTheNotationThatKeepsThePlace) {
  EXPECT_EQ(General(Ten(80), Ten(79)), "1.0e+80");
  EXPECT_EQ(General(-Ten(-80), Ten(-72)), "-0e-72");
  EXPECT_EQ(General(3, 100), "0e+2");
  EXPECT_EQ(General(3, 1000.0L * 0.96L), "0e+3");
  EXPECT_EQ(General(0.3L, 1), "0");
}

// A threshold far above the value, up to the largest long double and infinity: the text states the
// threshold's place, whatever the value's own place, and reads back to within half of it.
TEST(FloatingPointText, GeneralFormKeepsTheHugeThresholdOfATinyValue) {
  struct Case {
    long double value;
    long double threshold;
    char const* text;
  };
  for (Case const& c : {
           Case{9.19720743848308687033e-2529L, 1.18100299911343479132e+4932L, "0e+4932"},
           Case{3, Ten(4000), "0e+4000"},
           Case{-3e-4000L, Ten(4000), "-0e+4000"},
           Case{LDBL_TRUE_MIN, LDBL_MAX, "0e+4932"},
           Case{Ten(-100), LDBL_MAX * 0.96L, "0e+4932"},
           Case{Ten(-100), 9.4e4931L, "0e+4931"},
           Case{-0.0L, LDBL_MAX, "-0e+4932"},
           Case{6e4931L, LDBL_MAX, "1e+4932"},
           Case{LDBL_MAX, LDBL_MAX, "1e+4932"},
           Case{3, kInfinity, "0e+4932"},
           Case{300, kInfinity, "0e+4932"},
           Case{-0.0L, kInfinity, "-0e+4932"},
           Case{Ten(-3000), kInfinity, "0e+4932"},
           Case{-Ten(4932), kInfinity, "-1e+4932"},
           Case{LDBL_MAX, kInfinity, "1e+4932"},
       }) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(General(c.value, c.threshold), c.text);
    floating_point const y = Read(c.text);
    EXPECT_LE(std::fabs(y.value - c.value), 0.5L * y.threshold);
    EXPECT_EQ(General(y.value, y.threshold), c.text);
  }
  // "0e+4933" states a place no long double reaches; it is written at the largest one.
  floating_point const beyond = Read("0e+4933");
  EXPECT_EQ(beyond.threshold, kInfinity);
  EXPECT_EQ(General(beyond.value, beyond.threshold), "0e+4932");
}

TEST(FloatingPointText, ReadingBeyondTheRangeSetsTheFlags) {
  floating_point const huge = Read("1e5000");
  EXPECT_EQ(huge.value, kInfinity);
  EXPECT_EQ(huge.flags, kFloatingPointOverflow | kFloatingPointInexact);
  EXPECT_EQ(Read("-" + std::string(5000, '9')).value, -kInfinity);
  floating_point const tiny = Read("1e-5000");
  EXPECT_EQ(tiny.value, 0);
  EXPECT_EQ(tiny.flags, kFloatingPointUnderflow | kFloatingPointInexact);
  EXPECT_EQ(tiny.threshold, LDBL_TRUE_MIN);
  floating_point const subnormal = Read("1e-4940");
  EXPECT_GT(subnormal.value, 0);
  EXPECT_EQ(subnormal.flags, kFloatingPointUnderflow | kFloatingPointInexact);
  EXPECT_EQ(Read("0e-5000").flags, 0u);
  EXPECT_EQ(Read("1e4932").flags, 0u);
  // An exponent far too long to be a long double still gives an answer; long text
  // that is no number is refused.
  EXPECT_EQ(Read("1e" + std::string(6000, '9')).value, kInfinity);
  EXPECT_EQ(Read("1e-" + std::string(6000, '9')).value, 0);
  EXPECT_THROW(Read(std::string(100000, '1') + "x"), NotAFloatingPoint);
}

// Values over the whole exponent range with thresholds from none to coarse: what the
// general form writes reads back within half its last place, and, where that place is
// well above the resolution, is written again the same.
TEST(FloatingPointText, WrittenTextReadsBackAtItsSignificance) {
  std::uint64_t state = 0x9e3779b97f4a7c15u;
  auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
  };
  int compared = 0;
  for (int i = 0; i < 20000; ++i) {
    long double const mantissa = static_cast<long double>(next() >> 11) / 9007199254740992.0L;
    int const exponent = static_cast<int>(next() % 9800) - 4900;
    long double x = (mantissa + 0.1L) * Ten(exponent);
    if (next() % 2 == 0) x = -x;
    int const digits = static_cast<int>(next() % 24);
    long double const t = digits == 23 ? 0 : std::fabs(x) * Ten(-digits);
    std::string const text = General(x, t);
    SCOPED_TRACE(text);
    floating_point const y = Read(text);
    long double const spacing = std::fabs(x) - std::nextafter(std::fabs(x), 0.0L);
    ASSERT_LE(std::fabs(y.value - x), 0.5L * y.threshold * 1.001L + 16 * spacing);
    long double const resolution = std::fabs(y.value) - std::nextafter(std::fabs(y.value), 0.0L);
    if (y.threshold >= 1024 * resolution) {
      ASSERT_EQ(General(y.value, y.threshold), text);
      ++compared;
    }
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace inspectors
