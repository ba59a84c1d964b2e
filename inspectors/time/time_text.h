// The fixed text forms of dates, times and zones, in the style of Internet mail
// headers: "Sun, 06 Nov 1994 08:49:37 +0000".
//
// Each writer appends to a `Buffer` and throws `DataOverflow` when the text does not
// fit (part of it may have been written). The text functions return the text itself;
// their capacities hold every value the types can carry: years of up to ten digits and
// zones of up to six hour digits.
#pragma once

#include "foundation/const_data.h"
#include "inspectors/time/calendar.h"
#include "inspectors/time/clock.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

// The three-letter names; a value outside the enumeration throws `NoSuchDate`.
Buffer& operator<<(Buffer& out, DayOfWeek day);
Buffer& operator<<(Buffer& out, Month month);
// "Sun, 06 Nov 1994": the day of the week computed from the date, the day as two
// digits, the month's name and the year with at least four digits. A date that is not
// valid throws `NoSuchDate`.
Buffer& operator<<(Buffer& out, DateRecord const& date);
// "08:49:37".
Buffer& operator<<(Buffer& out, TimeOfDay const& time);
// "+0100", "-0500", "+0530": the sign, then the whole minutes of the offset as hours
// and minutes; leftover seconds are dropped, and an offset of less than a minute
// either way is "+0000".
Buffer& operator<<(Buffer& out, TimeZone const& zone);
// "Sun, 06 Nov 1994 08:49:37 +0000".
Buffer& operator<<(Buffer& out, TimeObject const& time);
// "08:49:37 -0500".
Buffer& operator<<(Buffer& out, ZonedTimeOfDay const& time);

USAsciiStringOfCapacity<22> DateToText(DateRecord const& date);
USAsciiStringOfCapacity<8> TimeOfDayToText(TimeOfDay const& time);
USAsciiStringOfCapacity<9> TimeZoneToText(TimeZone const& zone);
USAsciiStringOfCapacity<41> TimeToText(TimeObject const& time);
// The instant as read in the zone.
USAsciiStringOfCapacity<41> TimeToText(Instant instant, TimeZone zone);
USAsciiStringOfCapacity<18> ZonedTimeOfDayToText(ZonedTimeOfDay const& time);

}  // namespace inspectors
