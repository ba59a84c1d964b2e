# Times and time zones on a machine whose local zone is universal time: the text
# forms read and written, comparison, arithmetic with intervals, the edges of 1970
# and of the count, overflow and text that is no time or no zone.

# Reading: "time" needs a zone in the text; "universal time" and "local time" read a
# text without one in their zone, and a text with one as the instant it names.
> time "Sun, 06 Nov 1994 08:49:37 GMT"
: time
= Sun, 06 Nov 1994 08:49:37 +0000
> (time "Sun, 06 Nov 1994 08:49:37 GMT" - universal time "1 Jan 1970 00:00:00") / microsecond
: integer
= 784111777000000
> universal time "06 Nov 1994 08:49:37", local time "06 Nov 1994 08:49:37", time "6 Nov 94 08:49:37 +0100", universal time "06 Nov 1994 03:49:37 EST"
= Sun, 06 Nov 1994 08:49:37 +0000, Sun, 06 Nov 1994 08:49:37 +0000, Sun, 06 Nov 1994 07:49:37 +0000, Sun, 06 Nov 1994 08:49:37 +0000
> universal time "06 Nov 1994 08:49:37" = time "Sun, 06 Nov 1994 08:49:37 GMT", local time "6 Nov 1994 10:49:37 +0200" = time "06 Nov 1994 08:49:37 UT"
= true, true
> "Sun, 06 Nov 1994 08:49:37 -0130" as time, "06 Nov 1994 08:49" as universal time, "06 Nov 1994 08:49:37" as local time
= Sun, 06 Nov 1994 10:19:37 +0000, Sun, 06 Nov 1994 08:49:00 +0000, Sun, 06 Nov 1994 08:49:37 +0000
> ("6 Nov 1994 08:49 cst" as time) as universal string
: string
= Sun, 06 Nov 1994 14:49:00 +0000

# No zone, a military letter (no zone either), and text that is no time at all, too
# many numbers for the reader included.
> time "06 Nov 1994 08:49:37"
! no such object
> time "06 Nov 1994 08:49:37 Z"
! no such object
> universal time "06 Nov 1994 08:49:37 Z"
= Sun, 06 Nov 1994 08:49:37 +0000
> time "Sun, 06 Nov 1994 08:49:37 GMT x"
! no such object
> universal time "06 Nov 1994 08:49:37 +0000 +0000"
! no such object
> time ""
! no such object
> universal time "1 2 3 4 5 6 7"
! no such object
> time "Mon, 06 Nov 1994 08:49:37 GMT"
! no such object
> universal time "31 Nov 1994 08:49:37"
! no such object
> universal time "29 Feb 1900 00:00"
! no such object
> local time "06 Nov 1994 24:00:00"
! no such object
> "06 Nov 1994 08:60:00 GMT" as time
! no such object
> "Sun, 06 Nov 1994 08:49:37 UTC" as universal time
! no such object
> "06 Nov 1994 08:49:37 +01" as local time
! no such object

# The edges of 1970 and of the calendar.
> universal time "1 Jan 1970 00:00:00", universal time "1 Jan 1970 00:00:00" - microsecond, universal time "1 Jan 1970 00:00:00" + microsecond
= Thu, 01 Jan 1970 00:00:00 +0000, Wed, 31 Dec 1969 23:59:59 +0000, Thu, 01 Jan 1970 00:00:00 +0000
> (universal time "31 Dec 1969 23:59:59" - universal time "1 Jan 1970 00:00:00") / microsecond, (universal time "1 Jan 0000 00:00:00" - universal time "1 Jan 1970 00:00:00") / second, universal time "1 Jan 0000 00:00:00" - microsecond = universal time "1 Jan 1970 00:00" + 62167219200 * -second - microsecond
= -1000000, -62167219200, true
# The greatest time is written with its six-digit year; a time before year 0 has no
# text, and text beyond the count is no time.
> universal time "1 Jan 1970 00:00:00" + greatest time interval, (universal time "1 Jan 1970 00:00:00" + greatest time interval) as universal string
= Sun, 10 Jan 294247 04:00:54 +0000, Sun, 10 Jan 294247 04:00:54 +0000
> universal time "1 Jan 1970 00:00:00" + least time interval < universal time "1 Jan 0000 00:00:00" - microsecond
= true
> (universal time "1 Jan 0000 00:00:00" - microsecond) as universal string
! no such object
> time "1 Jan 9999999999 00:00 GMT"
! no such object

# Comparison and extrema.
> time "06 Nov 1994 08:49:37 GMT" < time "06 Nov 1994 08:49:37 -0000", time "06 Nov 1994 08:49:37 GMT" <= time "06 Nov 1994 09:49:37 +0100", time "06 Nov 1994 08:49:37 GMT" > time "06 Nov 1994 09:49:36 +0100", time "06 Nov 1994 08:49:37 GMT" = time "06 Nov 1994 08:49:37 EST"
= false, true, true, false
> universal time "31 Dec 1969 23:59:59" < universal time "1 Jan 1970 00:00:00", universal time "1 Jan 1970 00:00:00" != universal time "1 Jan 1970 00:00:00" + microsecond
= true, true
> maximum of (universal time "1 Jan 2000 00:00"; universal time "31 Dec 1969 00:00"; universal time "2 Jan 2000 00:00"), minimum of (universal time "1 Jan 2000 00:00"; universal time "31 Dec 1969 00:00")
= Sun, 02 Jan 2000 00:00:00 +0000, Wed, 31 Dec 1969 00:00:00 +0000

# Arithmetic with intervals, and the interval between two times.
> universal time "28 Feb 2000 12:00" + day, day + universal time "28 Feb 2000 12:00", universal time "1 Mar 2000 00:00" - 1500 * millisecond, universal time "1 Jan 1970 00:00" - 2 * day
= Tue, 29 Feb 2000 12:00:00 +0000, Tue, 29 Feb 2000 12:00:00 +0000, Tue, 29 Feb 2000 23:59:58 +0000, Tue, 30 Dec 1969 00:00:00 +0000
> universal time "1 Mar 2000 00:00" - universal time "28 Feb 2000 12:00"
: time interval
= 1 day, 12:00:00
> universal time "28 Feb 2000 12:00" - universal time "1 Mar 2000 00:00", time "06 Nov 1994 08:49:37 GMT" - time "06 Nov 1994 08:49:37 EST"
= -1 day, 12:00:00, -05:00:00
> (universal time "1 Jan 1970 00:00:00" + greatest time interval) + microsecond
! IntegerOverflow
> (universal time "1 Jan 1970 00:00:00" - microsecond) - greatest time interval - microsecond
! IntegerOverflow
> (universal time "1 Jan 1970 00:00:00" + greatest time interval) - (universal time "1 Jan 1970 00:00:00" - day)
! IntegerOverflow

# The current time.
> now > universal time "1 Jan 2020 00:00", now - now <= second
= true, true

# Time zones: the zone forms of time text, and nothing else.
> time zone "+0530"
: time zone
= +0530
> time zone "+0530", time zone "EST", time zone "-0500", time zone "gmt", time zone " PDT ", "+1200" as time zone
= +0530, -0500, -0500, +0000, -0700, +1200
> time zone "Z"
! no such object
> time zone "UTC"
! no such object
> time zone ""
! no such object
> time zone "+01"
! no such object
> time zone "+0100 x"
! no such object
> time zone "+0100 +0100"
! no such object
> time zone "+0100                                   x"
! no such object
> time zone "12:00 +0100"
! no such object
> time zone ":30 +0100"
! no such object
> time zone "1999 +0100"
! no such object
> "Tue +0100" as time zone
! no such object

# Zone arithmetic moves west as the interval grows; a difference of zones is the
# second zone's offset less the first's.
> universal time zone, local time zone, time zone "+0100" + hour, hour + time zone "+0100", time zone "+0100" - hour
= +0000, +0000, +0000, +0000, +0200
> time zone "+0100" - time zone "-0500"
: time interval
= -06:00:00
> time zone "+0100" - time zone "-0500", universal time zone - local time zone, universal time zone - time zone "+0530"
= -06:00:00, 00:00:00, 05:30:00
> time zone "+0100" + second, universal time zone + microsecond, universal time zone - second, universal time zone + 1000 * day
= +0059, +0000, +0000, -2400000
> time zone "EST" = time zone "-0500", time zone "gmt" = universal time zone, time zone "+0100" = time zone "+0200" + hour, time zone "EDT" = time zone "EST"
= true, true, true, false
> unique values of (time zone "EST"; time zone "-0500"; time zone "+0100"; universal time zone)
= +0100
= +0000
= -0500
# A zone too far to name its seconds in 32 bits has no text, and never wraps.
> (universal time zone + 30000 * day) as string
! IntegerOverflow
> universal time zone + least time interval
! IntegerOverflow
