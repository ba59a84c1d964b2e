# Days of year, months of years and dates: which exist, how they move by days and
# months (never across the end of February without a year, never clamped to a
# month's end, never out of the years 0 to 999999), their differences, their text,
# and the date of a moment in a zone.

# Days of year exist when the day is in the month of a leap year.
> january 5
: day of year
= January 5
> january 5, february 29, day_of_month 31 & december, april & day_of_month 30
= January 5, February 29, December 31, April 30
> february 30
! no such object
> april & day_of_month 31
! no such object
> january 0
! no such object
> day of january 5, month of january 5
= 5, January

# They move within 1 March to the end of the next February, but not across its end.
> january 31 + day, december 31 + day, january 1 - day, february 29 + day, february 29 - day, february 29 + 0 * day, january 31 + hour, january 31 - hour, day + march 1
= February 1, January 1, December 31, March 1, February 28, February 29, January 31, January 30, March 2
> march 1 + 364 * day, february 28 - 364 * day, february 29 + 29 * day
= February 28, March 1, March 29
> february 28 + day
! no such object
> march 1 - day
! no such object
> february 29 + 366 * day
! no such object
> march 1 + 365 * day
! no such object
> january 1 + greatest time interval
! no such object
> january 1 - least time interval
! no such object
# Differences count forward from the right-hand day, never across February's end.
> january 5 - december 20, january 10 - january 5, february 29 - february 1, january 1 - march 1, june 3 - june 3
= 16 days, 5 days, 28 days, 306 days, 00:00:00
> march 1 - january 1
! no such object
> march 1 - february 28
! no such object
> january 5 - january 10
! no such object
# Months move the month and keep the day; one the new month lacks has no value.
> january 29 + month, december 15 + month, january 15 - 13 * month, month + march 30
= February 29, January 15, December 15, April 30
> january 31 + month
! no such object
> march 31 - month
! no such object
> january 31 < february 1, february 1 <= february 1, maximum of (march 2; january 31; march 1)
= true, true, March 2

# Months of years: by year, then month, moved by counts with a carry into the year.
> january of 2004 - month
: month and year
= December 2003
> january of 2004 - month, december of 2003 + month, year 2004 & january, february & year 0, 25 * month + november of 1999
= December 2003, January 2004, January 2004, February 0, December 2001
> march of 2001 - november of 2000, november of 2000 - march of 2001, january of 2004 - january of 2000
= 4 months, -4 months, 4 years
> january of 0 - month
! no such object
> december of 999999 + month
! no such object
> january of 2004 + 9223372036854775807 * month
! no such object
> january of 2004 - (-9223372036854775807 - 1) * month
! no such object
> january of 1000000
! no such object
> december of 2003 < january of 2004, january of 2004 < february of 2003
= true, false
> length of february of 2000, length of february of 1900, length of february of 2004, length of january of 2001
= 29 days, 28 days, 29 days, 31 days
> month of march of 2001, year of march of 2001
= March, 2001

# Dates exist when the day is in that month of that year.
> january 31 of 2004
: date
= Sat, 31 Jan 2004
> january 31 of 2004, february 29 of 2000, day_of_month 29 & february of 2004, year 2004 & february 29, february 29 & february of 2004, march of 2004 & march 3
= Sat, 31 Jan 2004, Tue, 29 Feb 2000, Sun, 29 Feb 2004, Sun, 29 Feb 2004, Sun, 29 Feb 2004, Wed, 03 Mar 2004
> february 29 of 1900
! no such object
> february 29 & year 2001
! no such object
> february 29 & march of 2004
! no such object
> day_of_month 31 & april of 2004
! no such object
> january 1 of 0, december 31 of 999999
= Sat, 01 Jan 0000, Fri, 31 Dec 999999

# Moved by months, not clamped; by the whole days of an interval, rounded down.
> january 31 of 2004 + 2 * month, february 29 of 2004 + 48 * month, march 31 of 2004 - 2 * month, month + december 31 of 1999
= Wed, 31 Mar 2004, Fri, 29 Feb 2008, Sat, 31 Jan 2004, Mon, 31 Jan 2000
> january 31 of 2004 + month
! no such object
> february 29 of 2004 + 12 * month
! no such object
> december 31 of 999999 + month
! no such object
> december 31 of 1999 + day, march 1 of 2000 - day, february 29 of 2004 - day, february 29 of 2004 + 23 * hour, february 29 of 2004 - hour
= Sat, 01 Jan 2000, Tue, 29 Feb 2000, Sat, 28 Feb 2004, Sun, 29 Feb 2004, Sat, 28 Feb 2004
# The extreme intervals reach year 294247, as the moments do.
> january 1 of 1970 + greatest time interval, january 1 of 1970 - least time interval
= Sun, 10 Jan 294247, Sun, 10 Jan 294247
> january 1 of 1970 + least time interval
! no such object
> january 1 of 0 - day
! no such object
> december 31 of 999999 + day
! no such object
> january 1 of 2000 - january 1 of 1970, january 1 of 1970 - january 1 of 2000, (january 1 of 290000 - january 1 of 0) / day
= 10957 days, -10957 days, 105920325
# Dates too far apart for an interval have no difference.
> december 31 of 999999 - january 1 of 0
! no such object

# Parts, and the first day of a month on a day of the week.
> day_of_week of date "29 Feb 2024", day_of_month of january 5 of 2004, month of january 5 of 2004, year of january 5 of 2004, day_of_year of january 5 of 2004, month_and_year of january 5 of 2004
= Thursday, 5, January, 2004, January 5, January 2004
> first sunday of february of 2004, first monday of february of 2004, first saturday of february of 2004, first (thursday) of march of 2024
= Sun, 01 Feb 2004, Mon, 02 Feb 2004, Sat, 07 Feb 2004, Thu, 07 Mar 2024
> december 31 of 2003 < january 1 of 2004, february 1 of 2004 > january 31 of 2004, maximum of (march 1 of 2004; february 29 of 2004)
= true, true, Mon, 01 Mar 2004

# Date text: the reader's failures pass through as they are.
> date "Tue, 29 Feb 2000", "6 Nov 94" as date, date " 01 Jan 0000 ", date "29 feb 2024"
= Tue, 29 Feb 2000, Sun, 06 Nov 1994, Sat, 01 Jan 0000, Thu, 29 Feb 2024
> date "Mon, 29 Feb 2000"
! WrongDayOfWeek
> date "29 Feb 1900"
! NoSuchDate
> date "29 Feb"
! ParsingFailure
> "29 Feb 2000 10:00" as date
! ParsingFailure

# The date a clock in the zone shows: a moment just before midnight belongs to the
# day before, in every zone.
> date (universal time zone) of time "1 Jan 1970 00:00 GMT", date (universal time zone) of (time "1 Jan 1970 00:00 GMT" - microsecond), date (time zone "+0100") of time "31 Dec 1969 23:30 GMT", date (time zone "-0500") of time "1 Jan 1970 03:00 GMT"
= Thu, 01 Jan 1970, Wed, 31 Dec 1969, Thu, 01 Jan 1970, Wed, 31 Dec 1969
> date (universal time zone) of (universal time "1 Jan 0000 00:00" - microsecond)
! no such object
> date (universal time zone + greatest time interval) of time "1 Jan 1970 00:00 GMT"
! no such object
> current date = date (local time zone) of now, current year = year of current date, current month_and_year = month_and_year of current date, current day_of_year = day_of_year of current date, current day_of_week = day_of_week of current date, current day_of_month = day_of_month of current date, current month = month of current date
= true, true, true, true, true, true, true

# A date and a zoned time of day name a moment, in either order.
> (date "1 Jan 1970" & zoned time_of_day "01:00:00 +0100") = universal time "1 Jan 1970 00:00:00", (zoned time_of_day "23:30 -0200" & date "29 Feb 2024") = universal time "1 Mar 2024 01:30:00"
= true, true
