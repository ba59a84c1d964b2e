// The inspector type "time interval": a signed duration counted in microseconds, its
// units, its arithmetic, its text forms and its conversions to and from the core
// `TimeInterval`.
#pragma once

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/time/clock.h"

namespace inspectors {

// Every operation is the evaluator's integer operation on the counts, so overflow
// and division by zero fail exactly as they do for integers, and quotients and
// remainders are floored: -7 seconds mod 2 seconds is 1 second.
struct time_interval {
  integer microseconds;

  static char const* TypeName() noexcept { return "time interval"; }
};

TimeInterval AsTimeInterval(time_interval const& interval) noexcept;
time_interval AsTime_interval(TimeInterval interval) noexcept;

// The units.
time_interval time_interval_zero();
time_interval microsecond_of();
time_interval millisecond_of();
time_interval second_of();
time_interval minute_of();
time_interval hour_of();
time_interval day_of();
time_interval week_of();
// The longest intervals either way, those of the integer range.
time_interval greatest_time_interval_of();
time_interval least_time_interval_of();

boolean operator==(time_interval const& a, time_interval const& b);
boolean operator<(time_interval const& a, time_interval const& b);
boolean operator<=(time_interval const& a, time_interval const& b);
boolean operator>(time_interval const& a, time_interval const& b);

time_interval operator-(time_interval const& a);
time_interval operator+(time_interval const& a, time_interval const& b);
time_interval operator-(time_interval const& a, time_interval const& b);
time_interval operator*(integer const& n, time_interval const& a);
time_interval operator*(time_interval const& a, integer const& n);
// How many times b fits into a: a plain number.
integer operator/(time_interval const& a, time_interval const& b);
time_interval operator/(time_interval const& a, integer const& n);
time_interval operator%(time_interval const& a, time_interval const& b);
time_interval absolute_value_of(Of, time_interval const& a);

// "2 days, 03:00:00.250", "-00:01:30", "1 day", "00:00:00.000001": the sign, whole
// days when there are any, then hours, minutes and seconds of two digits each unless
// the days are exact, then a fraction of three digits, or six when it is not whole
// milliseconds. At most 32 bytes; a buffer without room throws `DataOverflow`.
Buffer& operator<<(Buffer& out, TimeInterval t);
USAsciiStringOfCapacity<32> IntervalToText(TimeInterval t);

// The text read as an interval (interval_grammar.h). Text that is no interval has
// no value; one that is out of range throws `IntegerOverflow`.
time_interval StringToTimeInterval(inspector_string const& text);
time_interval time_interval_of(unsigned char const* bytes, unsigned long length);
inspector_string asString(time_interval const& interval);

Fingerprinter& operator<<(Fingerprinter& f, time_interval const& t);

}  // namespace inspectors
