// The inspector type "time of day": a reading of a 24-hour clock, held as the
// interval since midnight. Every construction wraps around midnight, either way, so
// the value always lies from midnight up to just under one day later; the
// arithmetic never fails.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/time_interval.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

class time_of_day {
 public:
  // Midnight.
  time_of_day() noexcept = default;
  // Any interval, wrapped into the day: -1 second is 23:59:59, 25 hours is 01:00:00.
  explicit time_of_day(time_interval const& sinceMidnight);

  time_interval const& SinceMidnight() const noexcept { return sinceMidnight_; }

  static char const* TypeName() noexcept { return "time of day"; }

 private:
  time_interval sinceMidnight_{integer(0)};
};

// Any interval reduced to the day, from 0 up to just under one day: the floored
// remainder, which cannot overflow.
time_interval WithinOneDay(time_interval const& t);

// The core clock reading and back; the fraction of a second is dropped.
time_of_day AsTime_of_day(TimeOfDay time);
TimeOfDay AsTimeOfDay(time_of_day const& time);

time_of_day Midnight();
time_of_day Noon();

boolean operator==(time_of_day const& a, time_of_day const& b);
boolean operator<(time_of_day const& a, time_of_day const& b);
boolean operator<=(time_of_day const& a, time_of_day const& b);

// Moved by the interval, wrapping around midnight.
time_of_day operator+(time_of_day const& t, time_interval const& i);
time_of_day operator+(time_interval const& i, time_of_day const& t);
time_of_day operator-(time_of_day const& t, time_interval const& i);
// The time from b forward to a: 01:00 - 23:00 is 2 hours, 23:00 - 01:00 is 22 hours.
time_interval operator-(time_of_day const& a, time_of_day const& b);

integer HourOfDay(Of, time_of_day const& t);
integer MinuteOfHour(Of, time_of_day const& t);
integer SecondOfMinute(Of, time_of_day const& t);
// The same numbers as two decimal digits: "07".
inspector_string TwoDigitHour(Of, time_of_day const& t);
inspector_string TwoDigitMinute(Of, time_of_day const& t);
inspector_string TwoDigitSecond(Of, time_of_day const& t);

// "8:49", "08:49:37": the time-of-day form of time text; text that is no time of day
// has no value.
time_of_day StringAsTimeOfDay(inspector_string const& text);
// "08:49:37", the fraction of a second dropped.
inspector_string TimeOfDayAsString(time_of_day const& t);

Fingerprinter& operator<<(Fingerprinter& f, time_of_day const& t);

}  // namespace inspectors
