# Days of the week, days of the month, months, years and month counts: names and
# numbers read and written, moves by intervals and month counts around the week and
# the year, the edges of each range, and the extreme intervals and counts.

# Days of the week move by the whole days of an interval, rounded down, around the
# week; their difference counts forward from the right-hand day.
> sunday + day, sunday - day, saturday + 8 * day, day + friday, sunday - hour, sunday + 23 * hour, wednesday - 15 * day
= Monday, Saturday, Sunday, Saturday, Saturday, Sunday, Tuesday
> sunday + day
: day of week
= Monday
> monday - friday, friday - monday, tuesday - tuesday
= 3 days, 4 days, 00:00:00
# The extreme intervals move a day without overflowing the negation.
> sunday - least time interval, sunday + least time interval, monday - greatest time interval
= Wednesday, Wednesday, Thursday
> day_of_week "WEDNESDAY", day_of_week "wed", "Sat" as day_of_week, day_of_week "thu" as three letters
= Wednesday, Wednesday, Saturday, Thu
> day_of_week "Wednesdays"
! no such object
> day_of_week "sundayyyyyyyyyyyy"
! no such object
> day_of_week ""
! no such object
> sunday = day_of_week "sun", sunday = monday
= true, false
> unique values of (saturday; sunday; saturday; monday)
= Sunday
= Monday
= Saturday
> multiplicities of unique values of (saturday; sunday; saturday)
= 1
= 2

# Days of the month move without wrapping, and stop at 1 and 31.
> day_of_month 1 + 30 * day, day_of_month 31 - 30 * day, day_of_month 1 + 23 * hour, day_of_month 2 - hour, day + day_of_month 4
= 31, 1, 1, 1, 5
> day_of_month 31 + day
! no such object
> day_of_month 30 + 5 * day
! no such object
> day_of_month 1 - hour
! no such object
> day_of_month 1 - least time interval
! no such object
> day_of_month 1 + 30 * day
: day of month
= 31
> day_of_month 5 - day_of_month 7, day_of_month 31 - day_of_month 1
= -2 days, 30 days
> day_of_month 0
! no such object
> day_of_month 32
! no such object
> 32 as day_of_month
! no such object
> day_of_month "12", "07" as day_of_month, day_of_month 5 as two digits, day_of_month 12 as two digits, day_of_month 9 as integer
= 12, 7, 05, 12, 9
> day_of_month "x"
! NotAnInteger
> day_of_month 2 < day_of_month 10, maximum of (day_of_month 9; day_of_month 10; day_of_month 2)
= true, 10

# Months go round the year; their difference counts forward, 0 to 11 months.
> february + 11 * month, january - month, december + month, month + june, march - 14 * month, january + 0 * month
= January, December, January, July, January, January
> march - november
: number of months
= 4 months
> march - november, november - march, january - january
= 4 months, 8 months, 0 months
# The least count, whose negation does not fit: 2^63 is 8 more than a multiple of 12.
> january + (-9223372036854775807 - 1) * month, january - (-9223372036854775807 - 1) * month, january - 9223372036854775807 * month
= May, September, June
> month 12, 1 as month, month "Sept", month "febr", month "JUNE", "may" as month
= December, January, September, February, June, May
> month 13
! no such object
> month 0
! no such object
> month "ju"
! no such object
> january as integer, december as integer, january as two digits, october as two digits, january as three letters, september as string
= 1, 12, 01, 10, Jan, September
> january < december, maximum of (march; january)
= true, March

# Years move by the whole years of a count from January, within 0 to 999999.
> year 1999 + 13 * month, year 2000 + 11 * month, year 2000 - month, year 2000 - 12 * month, year 2000 - 13 * month, 12 * month + year 0
= 2000, 2000, 1999, 1999, 1998, 1
> year 2000 - month
: year
= 1999
> year 999999 + 11 * month, year 0 - 0 * month
= 999999, 0
> year 0 - month
! no such object
> year 999999 + year
! no such object
> year 2000 - (-9223372036854775807 - 1) * month
! no such object
> year 2000 + 9223372036854775807 * month
! no such object
> year 2000 - year 1990, year 1990 - year 2000
= 10 years, -10 years
> year (-1)
! no such object
> year 1000000
! no such object
> "1000000" as year
! no such object
> leap of year 2000, leap of year 1900, leap of year 2100, leap of year 2004, leap of year 0, leap of year 2001
= true, false, false, true, true, false
> length of year 2100, length of year 2000
= 365 days, 366 days
> year "2004", "0" as year, year 2004 as integer
= 2004, 0, 2004
> year "MMIV"
! NotAnInteger
> year 1999 < year 2000, minimum of (year 2000; year 1999)
= true, 1999

# Month counts: the text form, and integer arithmetic, floored.
> 14 * month, -12 * month, 0 * month, month, year, -14 * month, 24 * month, (-9223372036854775807 - 1) * month
= 1 years, 2 months, -1 years, 0 months, 1 months, 1 years, -1 years, 2 months, 2 years, -768614336404564650 years, 8 months
> year + month, year - month, -year, 7 * month / 2, -7 * month / 2, -7 * month mod (2 * month)
= 1 years, 1 months, 11 months, -1 years, 3 months, -4 months, 1 months
> 7 * month / (2 * month)
: integer
= 3
> month / 0
! DivisionByZero
> 9223372036854775807 * month + month
! IntegerOverflow
> year > 11 * month, month <= month, maximum of (year; month)
= true, true, 1 years
