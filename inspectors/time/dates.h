// The composite calendar inspector types: "day of year" (a day of a month without a
// year, such as 5 January), "month and year" (a month of one year) and "date", built
// from the elementary types of calendar_values.h, moved by intervals and month
// counts, read from date text, and tied to moments and zones for the date of a
// moment in a zone and the current date.
//
// As with the elementary types, each says with `Valid()` whether its fields name a
// value, and a result that names none has no value: no day is clamped to its
// month's end, and no date leaves the years 0 to 999999.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/time/calendar.h"
#include "inspectors/time/calendar_values.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/zoned_time_of_day.h"
#include "inspectors/time/time_interval.h"
#include "inspectors/time/time_zone.h"

namespace inspectors {

// 29 February is a day of year; 30 February is not.
struct day_of_year {
  month_of_year month;
  day_of_month day;

  constexpr bool Valid() const noexcept {
    return month.Valid() && day.Valid() && day.day.get() <= DaysIn(month.month, true);
  }
  static char const* TypeName() noexcept { return "day of year"; }
};

struct month_and_year {
  month_of_year month;
  inspectors::year year;

  constexpr bool Valid() const noexcept { return month.Valid() && year.Valid(); }
  static char const* TypeName() noexcept { return "month and year"; }
};

struct inspector_date {
  day_of_month day;
  month_of_year month;
  inspectors::year year;

  // The day exists in that month of that year.
  constexpr bool Valid() const noexcept {
    return day.Valid() && month.Valid() && year.Valid() &&
           day.day.get() <= DaysIn(month.month, year.Leap());
  }
  constexpr day_of_year DayOfYear() const noexcept { return day_of_year{month, day}; }
  static char const* TypeName() noexcept { return "date"; }
};

// A valid date's record; a record as a date, which has no value outside the date's
// range (a year past 999999, a day that does not exist).
DateRecord AsDateRecord(inspector_date const& date) noexcept;
inspector_date AsInspectorDate(DateRecord const& record);

// Days of year, by month, then day. They move freely from 1 March to the end of
// the next February, but never across the end of February, whose length is not
// known without a year: 28 February plus one day has no value.
boolean operator==(day_of_year const& a, day_of_year const& b);
boolean operator<(day_of_year const& a, day_of_year const& b);
boolean operator<=(day_of_year const& a, day_of_year const& b);
day_of_month DayOfDayOfYear(Of, day_of_year const& d);
month_of_year MonthOfDayOfYear(Of, day_of_year const& d);
day_of_year MonthAndDay(month_of_year const& m, day_of_month const& d);
day_of_year DayAndMonth(day_of_month const& d, month_of_year const& m);
// "january 5": the day of the month the registration names.
day_of_year DayOfNamedMonth(Month const& month, integer const& day);
day_of_year operator+(day_of_year const& d, time_interval const& t);
day_of_year operator+(time_interval const& t, day_of_year const& d);
day_of_year operator-(day_of_year const& d, time_interval const& t);
// The days from b forward to a, which may not run backward within one month nor
// cross the end of February.
time_interval operator-(day_of_year const& a, day_of_year const& b);
// The same day of another month; one that does not exist there has no value.
day_of_year operator+(day_of_year const& d, month_count const& n);
day_of_year operator+(month_count const& n, day_of_year const& d);
day_of_year operator-(day_of_year const& d, month_count const& n);
inspector_string DayOfYearAsString(day_of_year const& d);  // "January 5"

// Months of years, by year, then month.
boolean operator==(month_and_year const& a, month_and_year const& b);
boolean operator<(month_and_year const& a, month_and_year const& b);
boolean operator<=(month_and_year const& a, month_and_year const& b);
month_of_year MonthOfMonthAndYear(Of, month_and_year const& m);
year YearOfMonthAndYear(Of, month_and_year const& m);
time_interval LengthOfMonthAndYear(Of, month_and_year const& m);
// "january of 2004".
month_and_year NamedMonthOfInteger(Month const& month, Of, integer const& y);
month_and_year MonthAndYear(month_of_year const& m, year const& y);
month_and_year YearAndMonth(year const& y, month_of_year const& m);
month_and_year operator+(month_and_year const& m, month_count const& n);
month_and_year operator+(month_count const& n, month_and_year const& m);
month_and_year operator-(month_and_year const& m, month_count const& n);
// The signed months from b to a.
month_count operator-(month_and_year const& a, month_and_year const& b);
inspector_string MonthAndYearAsString(month_and_year const& m);  // "January 2004"

// Dates, in calendar order.
boolean operator==(inspector_date const& a, inspector_date const& b);
boolean operator<(inspector_date const& a, inspector_date const& b);
boolean operator<=(inspector_date const& a, inspector_date const& b);
day_of_month DayOfMonthOfDate(Of, inspector_date const& d);
month_of_year MonthOfDate(Of, inspector_date const& d);
year YearOfDate(Of, inspector_date const& d);
day_of_week DayOfWeekOfDate(Of, inspector_date const& d);
day_of_year DayOfYearOfDate(Of, inspector_date const& d);
month_and_year MonthAndYearOfDate(Of, inspector_date const& d);
// "january 31 of 2004".
inspector_date NamedMonthIntegerOfInteger(Month const& month, integer const& day, Of,
                                          integer const& y);
// The first day of the month that falls on the day of the week.
inspector_date FirstDayOfWeek(day_of_week const& w, Of, month_and_year const& m);
// "first sunday of ...": the day the registration names.
inspector_date FirstNamedDayOfWeek(DayOfWeek const& w, Of, month_and_year const& m);
inspector_date DayAndMonthAndYear(day_of_month const& d, month_and_year const& m);
inspector_date MonthAndYearAndDay(month_and_year const& m, day_of_month const& d);
inspector_date DayOfYearAndYear(day_of_year const& d, year const& y);
inspector_date YearAndDayOfYear(year const& y, day_of_year const& d);
// The months must agree.
inspector_date DayOfYearAndMonthAndYear(day_of_year const& d, month_and_year const& m);
inspector_date MonthAndYearAndDayOfYear(month_and_year const& m, day_of_year const& d);
// The same day of the month in another month, not clamped: 31 January plus one
// month has no value.
inspector_date operator+(inspector_date const& d, month_count const& n);
inspector_date operator+(month_count const& n, inspector_date const& d);
inspector_date operator-(inspector_date const& d, month_count const& n);
// Whole days of the interval, rounded toward minus infinity.
inspector_date operator+(inspector_date const& d, time_interval const& t);
inspector_date operator+(time_interval const& t, inspector_date const& d);
inspector_date operator-(inspector_date const& d, time_interval const& t);
// Signed; dates too far apart for an interval have no difference.
time_interval operator-(inspector_date const& a, inspector_date const& b);
// The date text of the date and time reader ("Tue, 29 Feb 2000", "6 Nov 94"); its
// failures (`ParsingFailure`, `NoSuchDate`, `WrongDayOfWeek`, ...) pass through.
inspector_date StringAsDate(inspector_string const& text);
inspector_string DateAsString(inspector_date const& d);  // "Mon, 05 Jan 2004"

// The date a clock in the zone shows at the moment.
// The moment at which the zone's clock shows that date and time of day.
moment DateAndTime(inspector_date const& d, zoned_time_of_day const& z);
moment TimeAndDate(zoned_time_of_day const& z, inspector_date const& d);
inspector_date DateOfMoment(time_zone const& zone, Of, moment const& m);
// Today in the machine's zone, and its parts.
inspector_date CurrentDate();
day_of_week CurrentDayOfWeek();
day_of_month CurrentDayOfMonth();
month_of_year CurrentMonth();
year CurrentYear();
day_of_year CurrentDayOfYear();
month_and_year CurrentMonthAndYear();

Fingerprinter& operator<<(Fingerprinter& f, day_of_year const& d);
Fingerprinter& operator<<(Fingerprinter& f, month_and_year const& m);
Fingerprinter& operator<<(Fingerprinter& f, inspector_date const& d);

}  // namespace inspectors
