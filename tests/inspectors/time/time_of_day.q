# Times of day and times of day with zones, on a machine whose local zone is
# universal time: wrapping around midnight both ways, text forms, zone conversions.

> noon + 13 * hour, midnight - second, time_of_day "01:00:00" - time_of_day "23:00:00", time_of_day "23:00:00" - time_of_day "01:00:00"
= 01:00:00, 23:59:59, 02:00:00, 22:00:00
> time_of_day "8:49", hour_of_day of time_of_day "8:49", two digit minute of time_of_day "8:49", two digit hour of time_of_day "8:49"
= 08:49:00, 8, 49, 08
> (midnight + 1500 * millisecond) as string, second_of_minute of (midnight - 1500 * millisecond), minute_of_hour of (noon - second)
= 00:00:01, 58, 59
# Any interval wraps, the least and greatest ones included, without overflow.
> midnight + least time interval, midnight - least time interval, midnight + greatest time interval
= 19:59:05, 04:00:54, 04:00:54
> noon < time_of_day "13:00", maximum of (noon; midnight; time_of_day "23:59:59"), "24:00" as time_of_day
= true, 23:59:59
! no such object
> time_of_day "noon"
! no such object

# The same clock reading in other zones: equal, ordered and subtracted in one zone.
> zoned time_of_day "23:30 -0200" = zoned time_of_day "01:30 +0000", zoned time_of_day "23:30 -0200" = zoned time_of_day "02:30 +0100", zoned time_of_day "01:00 +0100" - zoned time_of_day "23:30 +0000"
= true, true, 00:30:00
> zoned time_of_day "23:30 -0200" & time zone "+0100", time zone "+0000" & zoned time_of_day "23:30 -0200", time_of_day "10:00" & time zone "-0500"
= 02:30:00 +0100, 01:30:00 +0000, 10:00:00 -0500
> zoned time_of_day "23:30 -0200" + 45 * minute, hour_of_day of zoned time_of_day "23:30 -0200", time of zoned time_of_day "23:30 -0200", zone of zoned time_of_day "23:30 -0200"
= 00:15:00 -0200, 23, 23:30:00, -0200
> "10:00" as universal zoned time_of_day, "10:00 +0100" as universal zoned time_of_day, "10:00" as local zoned time_of_day
= 10:00:00 +0000, 09:00:00 +0000, 10:00:00 +0000
> zoned time_of_day "10:00"
! no such object
> time_of_day "10:00" & time zone "-0500"
: time of day with time zone
= 10:00:00 -0500
> number of unique values of (zoned time_of_day "23:30 -0200"; zoned time_of_day "01:30 +0000"; zoned time_of_day "01:31 +0000")
= 2

# The clock reading of a zone at a moment.
> time (time zone "+0100") of (universal time "1 Jan 1970 00:00:00"), time (time zone "-0030") of (universal time "1 Jan 1970 00:00:00")
= 01:00:00 +0100, 23:30:00 -0030
> zone of current time_of_day = local time zone, exists current time_of_day (time zone "+0900")
= true, true

# A date and a zoned time of day name a moment, in either order.
> date "1 Jan 1970" & zoned time_of_day "01:00:00 +0100", (zoned time_of_day "23:30 -0200" & date "29 Feb 2024") as universal string
= Thu, 01 Jan 1970 00:00:00 +0000, Fri, 01 Mar 2024 01:30:00 +0000
