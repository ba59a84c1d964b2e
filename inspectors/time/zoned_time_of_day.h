// The inspector type "time of day with time zone": a clock reading together with the
// zone whose clock shows it. Local time is universal time less the zone's held
// interval, so a zoned time expressed in another zone keeps its universal time of
// day and moves its clock reading, wrapping around midnight.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/time_of_day.h"
#include "inspectors/time/time_zone.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

struct zoned_time_of_day {
  time_of_day time;
  time_zone zone;

  static char const* TypeName() noexcept { return "time of day with time zone"; }
};

// Both fields converted; a zone beyond 32-bit seconds throws `IntegerOverflow`, as
// `AsTimeZone` does.
zoned_time_of_day AsZoned_time_of_day(ZonedTimeOfDay time);
ZonedTimeOfDay AsZonedTimeOfDay(zoned_time_of_day const& time);

// The same moment of the day on the clock of `zone`.
zoned_time_of_day InZone(zoned_time_of_day const& z, time_zone const& zone);
// The clock reading in universal time.
time_of_day UniversalTimeOfDay(zoned_time_of_day const& z);

// Equal when they are the same moment of the day in universal time: 23:30 -0200 is
// 01:30 +0000. The order is that of the universal times of day (values that are
// equal in universal time are equivalent, whatever their zones), so that it is a
// strict weak order, as unique values need.
boolean operator==(zoned_time_of_day const& a, zoned_time_of_day const& b);
boolean operator<(zoned_time_of_day const& a, zoned_time_of_day const& b);

time_of_day TimeOfZonedTimeOfDay(Of, zoned_time_of_day const& z);
time_zone ZoneOfZonedTimeOfDay(Of, zoned_time_of_day const& z);

// A time of day and a zone pair as they are; a zoned time and a zone give the zoned
// time expressed in that zone.
zoned_time_of_day TimeOfDayAndTimeZone(time_of_day const& t, time_zone const& zone);
zoned_time_of_day TimeZoneAndTimeOfDay(time_zone const& zone, time_of_day const& t);
zoned_time_of_day ZonedTimeOfDayAndTimeZone(zoned_time_of_day const& z, time_zone const& zone);
zoned_time_of_day TimeZoneAndZonedTimeOfDay(time_zone const& zone, zoned_time_of_day const& z);

// The clock moved by the interval, wrapping; the zone stays.
zoned_time_of_day operator+(zoned_time_of_day const& z, time_interval const& i);
zoned_time_of_day operator+(time_interval const& i, zoned_time_of_day const& z);
zoned_time_of_day operator-(zoned_time_of_day const& z, time_interval const& i);
// The time from b forward to a, both read in b's zone: 0 up to just under one day.
time_interval operator-(zoned_time_of_day const& a, zoned_time_of_day const& b);

// The fields of the clock reading as stored, in the value's own zone.
integer ZonedHourOfDay(Of, zoned_time_of_day const& z);
integer ZonedMinuteOfHour(Of, zoned_time_of_day const& z);
integer ZonedSecondOfMinute(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitHour(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitMinute(Of, zoned_time_of_day const& z);
inspector_string ZonedTwoDigitSecond(Of, zoned_time_of_day const& z);

// "23:30 -0200": the text must name its zone. The universal and the local readings
// take a text without one as universal or local time, and move a text with one into
// universal or local time. Text that is no zoned time of day has no value.
zoned_time_of_day StringAsZonedTimeOfDay(inspector_string const& text);
zoned_time_of_day StringAsUniversalZonedTimeOfDay(inspector_string const& text);
zoned_time_of_day StringAsLocalZonedTimeOfDay(inspector_string const& text);
// "08:49:37 -0500".
inspector_string ZonedTimeOfDayAsString(zoned_time_of_day const& z);

// The clock reading of `zone` at moment m.
zoned_time_of_day TimeOfMoment(time_zone const& zone, Of, moment const& m);
zoned_time_of_day CurrentTimeInZone(time_zone const& zone);
// In the machine's zone now.
zoned_time_of_day CurrentTime();

Fingerprinter& operator<<(Fingerprinter& f, zoned_time_of_day const& z);

}  // namespace inspectors
