# Times of day: read from the time-of-day form of time text, written as HH:MM:SS,
# taken apart, compared, and moved around the clock, always wrapping at midnight.

> time_of_day "8:49"
: time of day
= 08:49:00
> time_of_day "08:49:37", "23:59:59" as time_of_day, time_of_day " 0:00 ", noon, midnight
= 08:49:37, 23:59:59, 00:00:00, 12:00:00, 00:00:00
> times_of_day ("8:49"; "nonsense"; "24:00"; "7:05:09")
= 08:49:00
= 07:05:09

# Text that is no time of day: out of range, a zone or a date, too few or too many
# fields.
> time_of_day "24:00"
! no such object
> time_of_day "8:60"
! no such object
> time_of_day "8:59:60"
! no such object
> time_of_day "8:49 +0100"
! no such object
> "6 Nov 1994 08:49" as time_of_day
! no such object
> time_of_day "8"
! no such object
> time_of_day "8:49:37:00"
! no such object
> time_of_day ""
! no such object

# The fields, as numbers and as two digits.
> hour_of_day of time_of_day "8:49", minute_of_hour of time_of_day "8:49", second_of_minute of time_of_day "23:59:07", two digit hour of time_of_day "8:49", two digit minute of time_of_day "8:49", two digit second of time_of_day "23:59:07", two digit hour of midnight
= 8, 49, 7, 08, 49, 07, 00

# Fractions of a second are kept but never shown, and they count in comparisons.
> midnight - microsecond, second_of_minute of (midnight - microsecond), (noon + 999 * millisecond) as string, noon + 999 * millisecond = noon, (noon + 999 * millisecond) - noon
= 23:59:59, 59, 12:00:00, false, 00:00:00.999

# Moving wraps around midnight both ways, for intervals of any sign and size.
> noon + 13 * hour, 13 * hour + noon, midnight - second, noon - -13 * hour, noon + -13 * hour, midnight + 1000 * day, midnight - 1000 * day - second
= 01:00:00, 01:00:00, 23:59:59, 01:00:00, 23:00:00, 00:00:00, 23:59:59
> (noon + greatest time interval) - noon, noon - least time interval, noon + least time interval
= 04:00:54.775807, 16:00:54, 07:59:05

# A difference is the time from the second forward to the first: under one day.
> time_of_day "01:00" - time_of_day "23:00"
: time interval
= 02:00:00
> time_of_day "23:00" - time_of_day "01:00", noon - noon, midnight - (midnight - microsecond)
= 22:00:00, 00:00:00, 00:00:00.000001

# Order and the aggregates.
> midnight < noon, noon <= noon, noon > midnight, midnight - second >= noon, time_of_day "23:59:59" = midnight - second, noon != noon + day
= true, true, true, true, true, false
> minimum of (noon; midnight - second; time_of_day "8:00"), maximum of (noon; midnight - second; time_of_day "8:00")
= 08:00:00, 23:59:59
> extrema of (noon; midnight - second; time_of_day "8:00")
= 08:00:00, 23:59:59
> unique values of (noon; midnight; noon + day; midnight - 2 * day)
= 00:00:00
= 12:00:00
> multiplicities of unique values of (noon; midnight; noon + day; midnight - 2 * day; noon)
= 2
= 3
