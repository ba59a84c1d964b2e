# Time ranges on a machine in Central European time (+0100, and +0200 in summer):
# built from moments and intervals in either order, never reversed; grown, cut,
# intersected and tested for containment; written with each end in the zone in
# force there. The moments are T0 = 08:00, T1 = 09:00, T2 = 10:30 and T3 = 12:00
# universal time on 6 Nov 1994.

> universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"
: time range
= Sun, 06 Nov 1994 10:00:00 +0100 to Sun, 06 Nov 1994 11:30:00 +0100
> universal time "29 Mar 2020 00:30" & universal time "29 Mar 2020 01:30"
= Sun, 29 Mar 2020 01:30:00 +0100 to Sun, 29 Mar 2020 03:30:00 +0200
# An end before year 0 in the local zone has no text.
> ((universal time "1 Jan 0000 00:00" - 2 * hour) & universal time "6 Nov 1994 09:00") as string
! no such object

# Reversed ends are put in order; a range may be a single moment.
> (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 09:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), start of (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 09:00") = universal time "6 Nov 1994 09:00", end of (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 09:00") = universal time "6 Nov 1994 10:30", length of (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 09:00"), length of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
= true, true, true, 01:30:00, 00:00:00, false
# A moment and an interval, in either order; a negative interval reaches the other way.
> (universal time "6 Nov 1994 09:00" & 90 * minute) = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (90 * minute & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 10:30" & -90 * minute) = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (-90 * minute & universal time "6 Nov 1994 09:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 09:00" & 0 * second) = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
= true, true, true, true, true
# Ends that cannot be counted.
> (universal time "1 Jan 1970 00:00" + greatest time interval) & microsecond
! no such object
> greatest time interval & (universal time "1 Jan 1970 00:00" - second)
! no such object
> least time interval & universal time "1 Jan 1970 00:00"
! no such object
> length of ((universal time "1 Jan 1970 00:00" + least time interval) & (universal time "1 Jan 1970 00:00" + greatest time interval))
! no such object

# Growing to cover a moment or a range, even one apart.
> ((universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") & universal time "6 Nov 1994 08:00") = (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 12:00" & (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")) = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 12:00"), ((universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") & (universal time "6 Nov 1994 09:00" + minute)) = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), ((universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00") & (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 12:00")) = (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00"), (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00") + (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 12:00") = (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") + (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00") = (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00")
= true, true, true, true, true, true

# Intersections: ranges that only touch meet in one moment; ranges apart do not meet.
> (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00") * (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00"), (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30") * (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 12:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00") * (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") * (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
= true, true, true, true
> (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00") * (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 12:00")
! no such object
> (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 12:00") * (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00")
! no such object
> (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00") * ((universal time "6 Nov 1994 09:00" + microsecond) & universal time "6 Nov 1994 10:30")
! no such object

# Containment includes both ends.
> (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains universal time "6 Nov 1994 09:00", (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains universal time "6 Nov 1994 10:30", (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 09:00" + minute), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 09:00" - microsecond), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 10:30" + microsecond), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00") contains universal time "6 Nov 1994 09:00"
= true, true, true, false, false, true
> (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 12:00") contains (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") does not contain (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 12:00"), (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") contains (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
= true, true, false, true, true

# Cutting at a moment inside the range, ends included.
> range before (universal time "6 Nov 1994 09:00" + hour) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & (universal time "6 Nov 1994 09:00" + hour)), range after (universal time "6 Nov 1994 09:00" + hour) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" + hour & universal time "6 Nov 1994 10:30"), range before (universal time "6 Nov 1994 09:00") of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00"), range after (universal time "6 Nov 1994 10:30") of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 10:30"), range after (universal time "6 Nov 1994 09:00") of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
= true, true, true, true, true
> range before (universal time "6 Nov 1994 12:00") of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
! no such object
> range after (universal time "6 Nov 1994 08:00") of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
! no such object

# Cutting to a length: the whole range when it is no longer; a negative length has
# no part.
> initial part (2 * hour) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), initial part (20 * minute) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & (universal time "6 Nov 1994 09:00" + 20 * minute)), initial part (0 * second) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00"), initial part (90 * minute) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
= true, true, true, true
> final part (2 * hour) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"), final part (20 * minute) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 10:30" - 20 * minute & universal time "6 Nov 1994 10:30"), final part (0 * second) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") = (universal time "6 Nov 1994 10:30" & universal time "6 Nov 1994 10:30"), final part (0 * second) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00") = (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
= true, true, true, true
> initial part (-microsecond) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
! no such object
> final part (-microsecond) of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
! no such object
# A range longer than the greatest interval is cut without overflow.
> length of initial part (hour) of ((universal time "1 Jan 1970 00:00" + least time interval) & (universal time "1 Jan 1970 00:00" + greatest time interval)), start of final part (greatest time interval) of ((universal time "1 Jan 1970 00:00" + least time interval) & (universal time "1 Jan 1970 00:00" + greatest time interval)) = universal time "1 Jan 1970 00:00"
= 01:00:00, true

# Unique values in order of start, then end.
> lengths of unique values of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
= 02:30:00
= 00:00:00
= 01:30:00
> multiplicities of unique values of (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30"; universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 09:00")
= 1
= 1
= 2

# A range paired with an integer or a boolean, either way round: a tuple whose items
# are the range and the value, and a kind of the plain tuple of them.
> (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") * 5
: timed(time range, integer)
= Sun, 06 Nov 1994 10:00:00 +0100 to Sun, 06 Nov 1994 11:30:00 +0100, 5
> true * (universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30")
: timed(time range, boolean)
= Sun, 06 Nov 1994 10:00:00 +0100 to Sun, 06 Nov 1994 11:30:00 +0100, true
> item 1 of ((universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") * (5; -6; 7)), length of item 0 of (3 * (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 10:30"))
= 5, 02:30:00
= -6, 02:30:00
= 7, 02:30:00
> ((universal time "6 Nov 1994 09:00" & universal time "6 Nov 1994 10:30") * 5; (universal time "6 Nov 1994 08:00" & universal time "6 Nov 1994 09:00", 6))
: (time range, integer)
= Sun, 06 Nov 1994 10:00:00 +0100 to Sun, 06 Nov 1994 11:30:00 +0100, 5
= Sun, 06 Nov 1994 09:00:00 +0100 to Sun, 06 Nov 1994 10:00:00 +0100, 6
