#include "inspectors/time/clock.h"

#include <cmath>
#include <limits>

#include "foundation/overflow.h"
#include "framework/contract/evaluator.h"
#include "platform/clock.h"

namespace inspectors {
namespace {

constexpr double kMicrosecondsPerSecond = 1000000.0;
// Seconds from 1 January 1970 to 1 January 2001 (31 years, 8 of them leap).
constexpr double kCFAbsoluteTimeIntervalSince1970 = 978307200.0;

std::int64_t Sum(std::int64_t a, std::int64_t b) {
  if (!CanAdd(a, b)) throw IntegerOverflow();
  return a + b;
}

std::int64_t Difference(std::int64_t a, std::int64_t b) {
  if (!CanSubtract(a, b)) throw IntegerOverflow();
  return a - b;
}

}  // namespace

TimeInterval operator+(TimeInterval a, TimeInterval b) {
  return TimeInterval(Sum(a.microseconds, b.microseconds));
}

TimeInterval operator-(TimeInterval a, TimeInterval b) {
  return TimeInterval(Difference(a.microseconds, b.microseconds));
}

TimeInterval operator-(TimeInterval a) {
  return TimeInterval(Difference(0, a.microseconds));
}

TimeInterval operator%(TimeInterval a, TimeInterval b) {
  std::int64_t const divisor = b.microseconds;
  if (divisor == 0) throw DivisionByZero();
  // Every count is a multiple of -1; asking the hardware would trap on the least one.
  if (divisor == -1) return TimeInterval(0);
  std::int64_t const r = a.microseconds % divisor;
  return TimeInterval(r != 0 && (r < 0) != (divisor < 0) ? r + divisor : r);
}

Instant Instant::Now() {
  return Instant(MacintoshPlatform::CurrentTimeMicroseconds());
}

Instant operator+(Instant i, TimeInterval t) {
  return Instant(Sum(i.microseconds, t.microseconds));
}

Instant operator+(TimeInterval t, Instant i) {
  return i + t;
}

Instant operator-(Instant i, TimeInterval t) {
  return Instant(Difference(i.microseconds, t.microseconds));
}

TimeInterval operator-(Instant a, Instant b) {
  return TimeInterval(Difference(a.microseconds, b.microseconds));
}

TimeInterval CFTimeIntervalToTimeInterval(double seconds) {
  // The nearest microsecond, halves upward. Adding a half and cutting toward zero
  // instead would put every negative whole second a microsecond short of itself.
  double const exact = seconds * kMicrosecondsPerSecond;
  double us = std::floor(exact);
  if (exact - us >= 0.5) us += 1.0;
  // 2^63 is exact in a double; every double below it converts without overflow.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(us >= -kLimit && us < kLimit)) throw IntegerOverflow();
  return TimeInterval(static_cast<std::int64_t>(us));
}

double AsCFTimeInterval(TimeInterval t) noexcept {
  return static_cast<double>(t.microseconds) / kMicrosecondsPerSecond;
}

Instant CFAbsoluteTimeZero() {
  static Instant const zero =
      Instant::Jan_1_1970_GMT() + CFTimeIntervalToTimeInterval(kCFAbsoluteTimeIntervalSince1970);
  return zero;
}

Instant CFAbsoluteTimeToInstant(double secondsSince2001) {
  return CFAbsoluteTimeZero() + CFTimeIntervalToTimeInterval(secondsSince2001);
}

double AsCFAbsoluteTime(Instant i) {
  return AsCFTimeInterval(i - CFAbsoluteTimeZero());
}

TimeMark TimeMark::Now() {
  // The base is read under the runtime's one-time initialisation, so the first
  // readings may come from several threads at once.
  static std::uint64_t const base = MacintoshPlatform::Microseconds();
  return TimeMark(MacintoshPlatform::Microseconds() - base);
}

TimeInterval operator-(TimeMark a, TimeMark b) {
  constexpr auto kMost = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
  if (a.microseconds >= b.microseconds) {
    std::uint64_t const elapsed = a.microseconds - b.microseconds;
    if (elapsed > kMost) throw IntegerOverflow();
    return TimeInterval(static_cast<std::int64_t>(elapsed));
  }
  std::uint64_t const elapsed = b.microseconds - a.microseconds;
  if (elapsed > kMost + 1) throw IntegerOverflow();
  return TimeInterval(static_cast<std::int64_t>(0 - elapsed));
}

}  // namespace inspectors
