// Microsecond conversions from floating-point seconds, checked interval and instant
// arithmetic, and elapsed time between marks.
#include "inspectors/time/clock.h"

#include <time.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"
#include "inspectors/time/time_text.h"

namespace inspectors {
namespace {

constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();

TEST(FloatingPointSeconds, RoundToTheNearestMicrosecondHalvesUpward) {
  struct {
    double seconds;
    std::int64_t us;
  } const cases[] = {{0.0000005, 1},  {0.00000025, 0},          {-0.00000075, -1},
                     {-0.0000025, -2}, {-0.0000005, 0},          {1.5, 1500000},
                     {-1.0, -1000000}, {-86400.0, -86400000000}, {-9223372036854.775808, kLeast}};
  for (auto const& c : cases) EXPECT_EQ(CFTimeIntervalToTimeInterval(c.seconds).microseconds, c.us) << c.seconds;
  for (double bad : {1e19, -1e19, 9223372036854.775808, std::nan(""), -HUGE_VAL}) {
    EXPECT_THROW(CFTimeIntervalToTimeInterval(bad), IntegerOverflow) << bad;
  }
  EXPECT_EQ(AsCFTimeInterval(TimeInterval(-1500000)), -1.5);
}

TEST(FloatingPointSeconds, CountFromTheStartOf2001) {
  EXPECT_EQ(TimeToText(CFAbsoluteTimeZero(), TimeZone()).AsStringView(), "Mon, 01 Jan 2001 00:00:00 +0000");
  EXPECT_EQ(CFAbsoluteTimeToInstant(-978307200.0), Instant::Jan_1_1970_GMT());
  EXPECT_EQ(AsCFAbsoluteTime(Instant::Jan_1_1904_GMT()), -3061152000.0);
  EXPECT_THROW(AsCFAbsoluteTime(Instant(kLeast)), IntegerOverflow);
}

TEST(TimeIntervals, RemainderTakesTheDivisorsSign) {
  struct {
    std::int64_t a, b, remainder;
  } const cases[] = {{7, 2, 1},  {-7, 2, 1}, {7, -2, -1}, {-7, -2, -1}, {6, -3, 0},
                     {kLeast, -1, 0}, {kLeast, kMost, kMost - 1}, {kMost, kLeast, -1}};
  for (auto const& c : cases) {
    EXPECT_EQ((TimeInterval(c.a) % TimeInterval(c.b)).microseconds, c.remainder) << c.a << " % " << c.b;
  }
  EXPECT_THROW(TimeInterval(1) % TimeInterval(0), DivisionByZero);
}

TEST(TimeIntervals, ArithmeticPast64BitsThrows) {
  EXPECT_EQ((Instant(-5) + TimeInterval(7)).microseconds, 2);
  EXPECT_EQ((Instant(kLeast) - Instant(kLeast)).microseconds, 0);
  EXPECT_THROW(Instant(kMost) + TimeInterval(1), IntegerOverflow);
  EXPECT_THROW(TimeInterval(-1) + Instant(kLeast), IntegerOverflow);
  EXPECT_THROW(Instant(kLeast) - TimeInterval(1), IntegerOverflow);
  EXPECT_THROW(Instant(kMost) - Instant(-1), IntegerOverflow);
  EXPECT_THROW(-TimeInterval(kLeast), IntegerOverflow);
  EXPECT_THROW(TimeInterval(kLeast) - TimeInterval(1), IntegerOverflow);
}

TEST(Clocks, TimeMarksMeasureElapsedMicroseconds) {
  TimeMark const first = TimeMark::Now();
  timespec const pause{0, 20000000};  // 20 ms
  nanosleep(&pause, nullptr);
  TimeMark const second = TimeMark::Now();
  std::int64_t const elapsed = (second - first).microseconds;
  EXPECT_GE(elapsed, 20000);
  EXPECT_LT(elapsed, 60000000);
  EXPECT_EQ((first - second).microseconds, -elapsed);
  EXPECT_EQ((TimeMark(0) - TimeMark(std::uint64_t{1} << 63)).microseconds, kLeast);
  EXPECT_THROW(TimeMark(std::uint64_t{1} << 63) - TimeMark(0), IntegerOverflow);
}

}  // namespace
}  // namespace inspectors
