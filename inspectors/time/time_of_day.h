// The inspector types "time of day", a reading of a 24-hour clock held as the
// interval since midnight, and "time of day with time zone", such a reading together
// with the zone whose clock shows it. Every construction and every sum wraps around
// midnight: noon plus 13 hours is 01:00:00, midnight minus a second is 23:59:59.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/time_interval.h"
#include "inspectors/time/time_zone.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

struct time_of_day {
  time_interval sinceMidnight;  // from zero to just under one day
  static char const* TypeName() noexcept { return "time of day"; }
};

struct zoned_time_of_day {
  time_of_day time;  // as the zone's clock shows it
  time_zone zone;
  static char const* TypeName() noexcept { return "time of day with time zone"; }
};

// Any interval, reduced to the day (floored: minus one second is 23:59:59).
time_of_day TimeOfDayAfterMidnight(time_interval const& t);
time_of_day AsTime_of_day(TimeOfDay time) noexcept;
// Whole seconds: fractions of a second are dropped.
TimeOfDay AsTimeOfDay(time_of_day const& t) noexcept;
zoned_time_of_day AsZoned_time_of_day(ZonedTimeOfDay time) noexcept;
// A zone beyond 32-bit seconds throws `IntegerOverflow`.
ZonedTimeOfDay AsZonedTimeOfDay(zoned_time_of_day const& z);
// The same clock reading in another zone, wrapping around midnight.
zoned_time_of_day ExpressedIn(zoned_time_of_day const& z, time_zone const& zone);

time_of_day Midnight();
time_of_day Noon();
boolean operator==(time_of_day const& a, time_of_day const& b);
boolean operator<(time_of_day const& a, time_of_day const& b);
boolean operator<=(time_of_day const& a, time_of_day const& b);
boolean operator>(time_of_day const& a, time_of_day const& b);
time_of_day operator+(time_of_day const& t, time_interval const& i);
time_of_day operator+(time_interval const& i, time_of_day const& t);
time_of_day operator-(time_of_day const& t, time_interval const& i);
// The time from b forward to a: zero to just under one day.
time_interval operator-(time_of_day const& a, time_of_day const& b);
integer HourOfDay(Of, time_of_day const& t);
integer MinuteOfHour(Of, time_of_day const& t);
integer SecondOfMinute(Of, time_of_day const& t);
inspector_string TwoDigitHour(Of, time_of_day const& t);
inspector_string TwoDigitMinute(Of, time_of_day const& t);
inspector_string TwoDigitSecond(Of, time_of_day const& t);
// "8:49" is 08:49:00; text that is no time of day has no value.
time_of_day StringAsTimeOfDay(inspector_string const& text);
// "08:49:00".
inspector_string TimeOfDayAsString(time_of_day const& t);

// Compared, ordered and subtracted once a is expressed in b's zone.
boolean operator==(zoned_time_of_day const& a, zoned_time_of_day const& b);
boolean operator<(zoned_time_of_day const& a, zoned_time_of_day const& b);
time_of_day TimeOfZonedTimeOfDay(Of, zoned_time_of_day const& z);
time_zone ZoneOfZonedTimeOfDay(Of, zoned_time_of_day const& z);
zoned_time_of_day TimeOfDayAndTimeZone(time_of_day const& t, time_zone const& zone);
zoned_time_of_day TimeZoneAndTimeOfDay(time_zone const& zone, time_of_day const& t);
zoned_time_of_day ZonedTimeOfDayAndTimeZone(zoned_time_of_day const& z, time_zone const& zone);
zoned_time_of_day TimeZoneAndZonedTimeOfDay(time_zone const& zone, zoned_time_of_day const& z);
zoned_time_of_day operator+(zoned_time_of_day const& z, time_interval const& i);
zoned_time_of_day operator+(time_interval const& i, zoned_time_of_day const& z);
zoned_time_of_day operator-(zoned_time_of_day const& z, time_interval const& i);
time_interval operator-(zoned_time_of_day const& a, zoned_time_of_day const& b);
integer ZonedHourOfDay(Of, zoned_time_of_day const& z);
integer ZonedMinuteOfHour(Of, zoned_time_of_day const& z);
integer ZonedSecondOfMinute(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitHour(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitMinute(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitSecond(Of, zoned_time_of_day const& z);
// "10:00 +0100"; a text without a zone has no value. The universal and local
// readings take such a text in universal or the machine's time, and move a text with
// a zone into theirs.
zoned_time_of_day StringAsZonedTimeOfDay(inspector_string const& text);
zoned_time_of_day StringAsUniversalZonedTimeOfDay(inspector_string const& text);
zoned_time_of_day StringAsLocalZonedTimeOfDay(inspector_string const& text);
// "10:00:00 +0100".
inspector_string ZonedTimeOfDayAsString(zoned_time_of_day const& z);
// The clock reading of the zone at the moment.
zoned_time_of_day TimeOfMoment(time_zone const& zone, Of, moment const& m);
zoned_time_of_day CurrentTimeInZone(time_zone const& zone);
zoned_time_of_day CurrentTime();

Fingerprinter& operator<<(Fingerprinter& f, time_of_day const& t);
Fingerprinter& operator<<(Fingerprinter& f, zoned_time_of_day const& z);

}  // namespace inspectors
