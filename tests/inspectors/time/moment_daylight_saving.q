# Times on a machine in central Europe, one hour east of universal time in winter and
# two in summer: local readings and texts use the zone in force at the time itself.

> local time "06 Nov 1994 08:49:37" - universal time "06 Nov 1994 08:49:37", local time "06 Jul 1994 08:49:37" - universal time "06 Jul 1994 08:49:37"
= -01:00:00, -02:00:00
> local time "06 Nov 1994 08:49:37 -0500" = time "06 Nov 1994 08:49:37 EST", "06 Nov 1994 09:49:37" as local time = time "Sun, 06 Nov 1994 08:49:37 GMT"
= true, true
> time "Sun, 06 Nov 1994 08:49:37 GMT", (time "Sun, 06 Nov 1994 08:49:37 GMT") as local string, (time "06 Jul 1994 08:49:37 GMT") as local string
= Sun, 06 Nov 1994 09:49:37 +0100, Sun, 06 Nov 1994 09:49:37 +0100, Wed, 06 Jul 1994 10:49:37 +0200
> (time "Sun, 06 Nov 1994 08:49:37 GMT") as universal string, universal time "1 Jan 1970 00:00:00" - microsecond
= Sun, 06 Nov 1994 08:49:37 +0000, Thu, 01 Jan 1970 00:59:59 +0100
# Across the change to summer time: the last second of winter and the first of summer.
> universal time "27 Mar 1994 00:59:59", universal time "27 Mar 1994 00:59:59" + second
= Sun, 27 Mar 1994 01:59:59 +0100, Sun, 27 Mar 1994 03:00:00 +0200
> local time "27 Mar 1994 03:00:00" - local time "27 Mar 1994 01:59:59"
= 00:00:01
# A reading in the hour skipped names the instant an hour later on the summer clock.
> local time "27 Mar 1994 02:30:00"
= Sun, 27 Mar 1994 03:30:00 +0200

# The zone now is winter's or summer's, one or two hours east.
> universal time zone - local time zone = hour or universal time zone - local time zone = 2 * hour
= true
