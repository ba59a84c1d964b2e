// Absolute instants and durations in microseconds, the platform clocks, and the
// conversions to and from floating-point seconds counted from 1 January 2001 GMT (the
// platform's absolute-time reference).
//
// Arithmetic whose exact result does not fit 64 bits throws `IntegerOverflow`, as
// the evaluator's integer arithmetic does; a division by zero throws `DivisionByZero`.
#pragma once

#include <compare>
#include <cstdint>

namespace inspectors {

// A signed count of microseconds.
struct TimeInterval {
  std::int64_t microseconds = 0;

  constexpr TimeInterval() noexcept = default;
  constexpr explicit TimeInterval(std::int64_t us) noexcept : microseconds(us) {}

  friend constexpr auto operator<=>(TimeInterval, TimeInterval) noexcept = default;
};

TimeInterval operator+(TimeInterval a, TimeInterval b);
TimeInterval operator-(TimeInterval a, TimeInterval b);
TimeInterval operator-(TimeInterval a);
// The remainder with the sign of the divisor (the quotient rounded toward minus
// infinity): -7 s % 2 s is 1 s. Any interval % -1 us is 0.
TimeInterval operator%(TimeInterval a, TimeInterval b);

// Microseconds since 1 January 1970 00:00:00 GMT.
struct Instant {
  std::int64_t microseconds = 0;

  constexpr Instant() noexcept = default;
  constexpr explicit Instant(std::int64_t us) noexcept : microseconds(us) {}

  static constexpr Instant Jan_1_1970_GMT() noexcept { return Instant(0); }
  // 24107 days earlier.
  static constexpr Instant Jan_1_1904_GMT() noexcept { return Instant(-2082844800000000); }
  // The wall clock now.
  static Instant Now();

  friend constexpr auto operator<=>(Instant, Instant) noexcept = default;
};

Instant operator+(Instant i, TimeInterval t);
Instant operator+(TimeInterval t, Instant i);
Instant operator-(Instant i, TimeInterval t);
TimeInterval operator-(Instant a, Instant b);

// Floating-point seconds to the nearest microsecond, halves rounded upward:
// 0.0000005 s is 1 us, -0.0000025 s is -2 us, -1 s is -1000000 us. A value beyond
// 64 bits, or not a number, throws `IntegerOverflow`.
TimeInterval CFTimeIntervalToTimeInterval(double seconds);
double AsCFTimeInterval(TimeInterval t) noexcept;
// 1 January 2001 00:00:00 GMT.
Instant CFAbsoluteTimeZero();
Instant CFAbsoluteTimeToInstant(double secondsSince2001);
double AsCFAbsoluteTime(Instant i);

// A reading of the machine's forward-only counter, relative to the first reading in
// the process: for measuring elapsed time, unaffected by changes of the wall clock.
struct TimeMark {
  std::uint64_t microseconds = 0;

  constexpr TimeMark() noexcept = default;
  constexpr explicit TimeMark(std::uint64_t us) noexcept : microseconds(us) {}

  static TimeMark Now();

  friend constexpr auto operator<=>(TimeMark, TimeMark) noexcept = default;
};

// The elapsed time from b to a, negative when a is the earlier mark.
TimeInterval operator-(TimeMark a, TimeMark b);

}  // namespace inspectors
