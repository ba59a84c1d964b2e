# Time ranges on a machine whose local zone is universal time: closed at both ends,
# never reversed; sums cover gaps, intersections of ranges apart have no value.

> (universal time "1 Jan 2000 01:00:00" & universal time "1 Jan 2000 00:00:00") as string
= Sat, 01 Jan 2000 00:00:00 +0000 to Sat, 01 Jan 2000 01:00:00 +0000
> length of (universal time "1 Jan 2000 00:00:00" & -2 * hour), start of (hour & universal time "1 Jan 2000 00:00:00")
= 02:00:00, Fri, 31 Dec 1999 23:00:00 +0000
# Touching ranges meet in one moment; ranges apart do not meet, but their sum covers the gap.
> ((universal time "1 Jan 2000 00:00:00" & hour) * (universal time "1 Jan 2000 01:00:00" & hour)) as string
= Sat, 01 Jan 2000 01:00:00 +0000 to Sat, 01 Jan 2000 01:00:00 +0000
> (universal time "1 Jan 2000 00:00:00" & hour) * (universal time "1 Jan 2000 02:00:00" & hour)
! no such object
> length of ((universal time "1 Jan 2000 00:00:00" & hour) + (universal time "1 Jan 2000 02:00:00" & hour)), length of ((universal time "1 Jan 2000 00:00:00" & hour) & universal time "1 Jan 2000 05:00:00")
= 03:00:00, 05:00:00
> (universal time "1 Jan 2000 00:00:00" & hour) contains universal time "1 Jan 2000 01:00:00", (universal time "1 Jan 2000 00:00:00" & hour) contains universal time "1 Jan 2000 01:00:01", (universal time "1 Jan 2000 00:00:00" & 2 * hour) contains (universal time "1 Jan 2000 01:00:00" & hour)
= true, false, true
> length of range before (universal time "1 Jan 2000 00:20:00") of (universal time "1 Jan 2000 00:00:00" & hour), length of range after (universal time "1 Jan 2000 00:20:00") of (universal time "1 Jan 2000 00:00:00" & hour)
= 00:20:00, 00:40:00
> range after (universal time "1 Jan 2000 02:00:00") of (universal time "1 Jan 2000 00:00:00" & hour)
! no such object
> length of initial part (2 * hour) of (universal time "1 Jan 2000 00:00:00" & hour), length of final part (0 * second) of (universal time "1 Jan 2000 00:00:00" & hour), start of final part (10 * minute) of (universal time "1 Jan 2000 00:00:00" & hour)
= 01:00:00, 00:00:00, Sat, 01 Jan 2000 00:50:00 +0000
> initial part (-1 * second) of (universal time "1 Jan 2000 00:00:00" & hour)
! no such object
> (universal time "1 Jan 2000 00:00:00" & hour) = (hour & universal time "1 Jan 2000 01:00:00"), number of unique values of ((universal time "1 Jan 2000 00:00:00" & hour); (hour & universal time "1 Jan 2000 01:00:00"))
= true, 1
