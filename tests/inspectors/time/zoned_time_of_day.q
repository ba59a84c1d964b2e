# Zoned times of day on a machine whose local zone is +0530: read with a zone, or in
# universal or local time; compared and subtracted across zones; expressed in other
# zones; the clock reading of a zone at a moment.

> zoned time_of_day "23:30 -0200"
: time of day with time zone
= 23:30:00 -0200
> "8:49:37 EST" as zoned time_of_day
= 08:49:37 -0500
> zoned times_of_day ("10:00 +0100"; "10:00"; "10:00 GMT")
= 10:00:00 +0100
= 10:00:00 +0000

# "zoned time_of_day" needs a zone in the text (a military letter names none); the
# universal and local readings take a text without one in their zone, and move one
# with a zone into theirs.
> zoned time_of_day "10:00"
! no such object
> "10:00 Z" as zoned time_of_day
! no such object
> "10:00" as universal zoned time_of_day, "10:00 Z" as universal zoned time_of_day, "23:00 -0200" as universal zoned time_of_day, "10:00" as local zoned time_of_day, "23:00 -0100" as local zoned time_of_day
= 10:00:00 +0000, 10:00:00 +0000, 01:00:00 +0000, 10:00:00 +0530, 05:30:00 +0530
> "24:00" as universal zoned time_of_day
! no such object
> "10:00 +01" as local zoned time_of_day
! no such object
> zoned time_of_day "6 Nov 1994 10:00 +0100"
! no such object

# The same moment of the day in two zones is equal; a difference reads the first in
# the second's zone, then wraps like times of day.
> zoned time_of_day "23:30 -0200" = zoned time_of_day "01:30 +0000", zoned time_of_day "23:30 -0200" = zoned time_of_day "02:30 +0100", zoned time_of_day "23:30 -0200" = zoned time_of_day "23:30 +0000", zoned time_of_day "00:00 +0000" != zoned time_of_day "23:59 -0001"
= true, true, false, false
> zoned time_of_day "01:00 +0100" - zoned time_of_day "23:30 +0000", zoned time_of_day "23:30 +0000" - zoned time_of_day "01:00 +0100", zoned time_of_day "23:30 -0200" - zoned time_of_day "01:30 +0000"
= 00:30:00, 23:30:00, 00:00:00

# Unique values are ordered by universal time of day, whatever order they come in,
# and values equal in universal time are one.
> unique values of (zoned time_of_day "01:00 +0000"; zoned time_of_day "23:00 +0000"; zoned time_of_day "00:00 +0200"; zoned time_of_day "03:00 +0200")
= 01:00:00 +0000
= 00:00:00 +0200
= 23:00:00 +0000
> unique values of (zoned time_of_day "00:00 +0200"; zoned time_of_day "23:00 +0000"; zoned time_of_day "03:00 +0200"; zoned time_of_day "01:00 +0000")
= 03:00:00 +0200
= 00:00:00 +0200
= 23:00:00 +0000
> multiplicities of unique values of (zoned time_of_day "00:00 +0200"; zoned time_of_day "23:00 +0000"; zoned time_of_day "03:00 +0200"; zoned time_of_day "01:00 +0000")
= 2
= 1
= 1

# The parts and the fields are those of the clock reading as stored.
> time of zoned time_of_day "23:30 -0200", zone of zoned time_of_day "23:30 -0200", hour_of_day of zoned time_of_day "23:30 -0200", minute_of_hour of zoned time_of_day "23:30 -0200", second_of_minute of zoned time_of_day "23:30:07 -0200"
= 23:30:00, -0200, 23, 30, 7
> two digit hour of zoned time_of_day "3:04:05 +0100", two digit minute of zoned time_of_day "3:04:05 +0100", two digit second of zoned time_of_day "3:04:05 +0100"
= 03, 04, 05

# A time of day and a zone pair as they are; a zoned time and a zone express it in
# that zone, wrapping around midnight.
> noon & time zone "+0100", time zone "+0100" & noon, zoned time_of_day "23:30 -0200" & time zone "+0100", time zone "+0530" & zoned time_of_day "23:30 -0200", zoned time_of_day "00:30 +0100" & universal time zone
= 12:00:00 +0100, 12:00:00 +0100, 02:30:00 +0100, 07:00:00 +0530, 23:30:00 +0000
# Zones moved far out by intervals still convert, without overflow.
> time of ((noon & (universal time zone + greatest time interval)) & universal time zone), (noon & (universal time zone + 3 * day)) = (noon & universal time zone)
= 16:00:54, true

# Moving by an interval keeps the zone.
> zoned time_of_day "23:30 -0200" + hour, hour + zoned time_of_day "23:30 -0200", zoned time_of_day "00:30 -0200" - hour, zoned time_of_day "00:30 -0200" - 5 * day, zoned time_of_day "00:30 -0200" + -31 * minute
= 00:30:00 -0200, 00:30:00 -0200, 23:30:00 -0200, 00:30:00 -0200, 23:59:00 -0200

# The clock reading of a zone at a moment, before and after 1970 and at the ends of
# the count.
> time (time zone "+0100") of universal time "1 Jan 1970 00:00", time (time zone "-0500") of universal time "31 Dec 1969 23:00", time (universal time zone) of (universal time "1 Jan 1970 00:00" - microsecond), time (time zone "+0530") of universal time "6 Nov 1994 20:00:59"
= 01:00:00 +0100, 18:00:00 -0500, 23:59:59 +0000, 01:30:59 +0530
> time (universal time zone) of (universal time "1 Jan 1970 00:00" + greatest time interval), time (universal time zone) of (universal time "1 Jan 1970 00:00" + least time interval)
= 04:00:54 +0000, 19:59:05 +0000

# The current time of day, in the machine's zone or in the one given, agrees with
# the clock to within a minute.
> zone of current time_of_day, zone of current time_of_day (time zone "-0500")
= +0530, -0500
> (current time_of_day - time (local time zone) of now) < minute or (current time_of_day - time (local time zone) of now) > 1439 * minute
= true
