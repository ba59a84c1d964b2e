# Time intervals: units, text forms read and written, floored arithmetic, extremes,
# overflow, comparison and aggregates.

# The units, and the text form of each.
> microsecond
: time interval
= 00:00:00.000001
> microsecond, millisecond, second, minute, hour, day, week
= 00:00:00.000001, 00:00:00.001, 00:00:01, 00:01:00, 01:00:00, 1 day, 7 days
> week / microsecond
: integer
= 604800000000
> week / microsecond, day / microsecond, hour / second, minute / second, second / millisecond
= 604800000000, 86400000000, 3600, 60, 1000
> seconds
= 00:00:01

# The text form: whole days alone when exact, two-digit fields, three fraction digits
# or six, and the sign in front of everything.
> second - second, 2 * day + 3 * hour, 2 * day + 3 * hour + 250 * millisecond, -(90 * second)
= 00:00:00, 2 days, 03:00:00, 2 days, 03:00:00.250, -00:01:30
> -(day + second), 1500 * microsecond, -(week + 1500 * microsecond), 99 * hour + 59 * minute
= -1 day, 00:00:01, 00:00:00.001500, -7 days, 00:00:00.001500, 4 days, 03:59:00
> (1001 * day + microsecond) as string
: string
= 1001 days, 00:00:00.000001
> -day, 1001 * day
= -1 day, 1001 days
> greatest time interval, least time interval
= 106751991 days, 04:00:54.775807, -106751991 days, 04:00:54.775808

# Reading: the forms written, a sign, either day word in any case, free white space.
> time interval "1 day" / microsecond, time interval "1 days" / microsecond, time interval "1 DAY" / microsecond, time interval "+1 day" / microsecond, time interval "24:00:00" / microsecond
= 86400000000, 86400000000, 86400000000, 86400000000, 86400000000
> time interval "-1 day, 01:00:00" / microsecond, time interval " - 1Day ,1:0:0 " / microsecond
= -90000000000, -90000000000
> time interval "\t2 dAyS,\n03:00:00.250\x0d\n", time interval "-00:01:30", time interval "00:00:00.001500" / microsecond
= 2 days, 03:00:00.250, -00:01:30, 1500
> time interval "0:90:00", time interval "36:00:00", time interval "0:0:3661", time interval "1.5 days" / microsecond
= 01:30:00, 1 day, 12:00:00, 01:01:01, 129600000000
> time interval ".5:.5:.5", time interval "2.:0:0", time interval ". days", time interval "1:2:3.", time interval "0.25 day, 0.5:0:0"
= 00:30:30.500, 02:00:00, 00:00:00, 01:02:03, 06:30:00

# Every written form reads back as itself.
> time interval ("-106751991 days, 04:00:54.775808" as string) = least time interval, time interval "106751991 days, 04:00:54.775807" = greatest time interval
= true, true
> (time interval "1001 days, 00:00:00.000001") as string, ("-7 days, 00:00:00.001500" as time interval) as string
= 1001 days, 00:00:00.000001, -7 days, 00:00:00.001500

# Fractions are exact to the microsecond and cut toward zero below it, whatever the
# field; digits past the eighteenth place do not count.
> time interval "00:00:00.000249" / microsecond, time interval "0:0:0.000001" / microsecond, time interval "0:0:0.9999999" / microsecond, time interval "0:0:0.0000004" / microsecond, time interval "-0:0:0.0000004" / microsecond, time interval "-0:0:0.0000019" / microsecond
= 249, 1, 999999, 0, 0, -1
> time interval "0.000000001 days" / microsecond, time interval "0:0.1:0" / microsecond, time interval "0.1:0:0" / microsecond, time interval "0:0:0.0000019999999999999999999" / microsecond
= 86, 6000000, 360000000, 1
> time interval "0.1 days, 0.1:0.1:0.1" / microsecond, time interval "0:0:0.123456789012345678901234567890" / microsecond
= 9006100000, 123456

# Fractions carried into whole seconds, and scaled with their carries.
> time interval "0:0.01:0.5" / microsecond, time interval "0.00001 days, 0:0:0.5" / microsecond, time interval "0.123456789123456789:0:0" / microsecond
= 1100000, 1364000, 444444440
> time interval "0.000000000999999999 days" / microsecond, time interval "0.000000000000000001 days" / microsecond
= 86, 0

# Reading the extremes: one microsecond beyond either end is out of range.
> time interval "0:0:9223372036854.775807" / microsecond, time interval "-0:0:9223372036854.775808" / microsecond
= 9223372036854775807, -9223372036854775808
> time interval "0:0:9223372036854.775808"
! IntegerOverflow
> time interval "-0:0:9223372036854.775809"
! IntegerOverflow
> time interval "9999999999999999999:0:0"
! IntegerOverflow
> time interval "1 day, 0:0:18446744073709551615"
! IntegerOverflow
> time interval "99999999999 days"
! IntegerOverflow
> time interval "106751992 days"
! IntegerOverflow
> "184467440737095516160 days" as time interval
! IntegerOverflow
> time interval "0:0:99999999999999999999999999999999999999999999999999999999999999999999"
! IntegerOverflow

# Text that is no interval has no value: an error when one is asked for, nothing in
# a plural.
> time interval ""
! no such object
> time interval "   "
! no such object
> time interval "1 day 01:00:00"
! no such object
> time interval "1:2"
! no such object
> time interval "1:2:3:4"
! no such object
> time interval "1"
! no such object
> time interval "day"
! no such object
> time interval "1 day,"
! no such object
> time interval "1 day, 2 days"
! no such object
> time interval "01:00:00, 1 day"
! no such object
> time interval "--1 day"
! no such object
> time interval "+-1 day"
! no such object
> time interval "- -1 day"
! no such object
> time interval "1 day -"
! no such object
> time interval "1 dayz"
! no such object
> time interval "1 dayss"
! no such object
> time interval "1 hour"
! no such object
> time interval "1 d"
! no such object
> time interval "1e3 days"
! no such object
> time interval "1:2:3 extra"
! no such object
> time interval "1.2.3 days"
! no such object
> time interval "1 2 3 4 5"
! no such object
> time interval "1:2:3;"
! no such object
> time interval "01:00:00\x00"
! no such object
> "1 day 01:00:00" as time interval
! no such object
> "" as time interval
! no such object
> time intervals "x"
> number of time intervals "1 day"
= 1

# Arithmetic is the integers': quotients and remainders are floored, remainders
# take the divisor's sign.
> day + hour - second, 3 * hour, hour * 3, day / 4, -(7 * second) / 2
= 1 day, 00:59:59, 03:00:00, 03:00:00, 06:00:00, -00:00:03.500
> -(7 * second) / (2 * second), -(7 * second) mod (2 * second), 7 * second mod -(2 * second)
= -4, 00:00:01, -00:00:01
> -microsecond / 2, -microsecond mod second, (7 * second) / -(2 * second), microsecond / day
= -00:00:00.000001, 00:00:00.999999, -4, 0
> least time interval mod -microsecond, least time interval / day, least time interval mod day
= 00:00:00, -106751992, 19:59:05.224192
> absolute value of -(day + minute), absolute value of hour, absolute value of (second - second)
= 1 day, 00:01:00, 01:00:00, 00:00:00

# Overflow and division by zero fail as integers do.
> greatest time interval + microsecond
! IntegerOverflow
> least time interval - microsecond
! IntegerOverflow
> -least time interval
! IntegerOverflow
> absolute value of least time interval
! IntegerOverflow
> least time interval / -1
! IntegerOverflow
> least time interval / -microsecond
! IntegerOverflow
> 106751992 * day
! IntegerOverflow
> day * 106751992
! IntegerOverflow
> hour / 0
! DivisionByZero
> hour / (second - second)
! DivisionByZero
> hour mod (second - second)
! DivisionByZero

# Comparison, extrema and unique values, negative intervals included.
> -second < second, second < -second, -day <= -day, least time interval < greatest time interval
= true, false, true, true
> hour > minute, -hour > -minute, 60 * minute = hour, hour != time interval "01:00:00.000001"
= true, false, true, true
> minimum of (hour; -day; second), maximum of (hour; -day; second), extrema of (hour; -day; second)
= -1 day, 01:00:00, -1 day, 01:00:00
> unique values of (hour; -second; 60 * minute; -second; day)
= -00:00:01
= 01:00:00
= 1 day
> multiplicities of unique values of (hour; -second; 60 * minute; -second; day)
= 2
= 2
= 1
