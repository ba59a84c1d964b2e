// The elementary calendar inspector types: "day of week", "day of month", "month",
// "year" and "number of months", with their constants, their arithmetic with time
// intervals or month counts, their readings from integers and text and their text
// forms.
//
// Each type stores its number as it stands and says with `Valid()` whether that names
// one of its values; the inspectors build only valid values, and a result outside
// the range has no value. Moving by an interval counts the interval's whole days,
// rounded toward minus infinity (one hour back from Sunday is Saturday), and moving
// by months counts whole months; both directions are exact for every interval and
// count, the least included.
#pragma once

#include <cstdint>

#include "foundation/exceptions.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/time/calendar.h"
#include "inspectors/time/time_interval.h"

namespace inspectors {

struct day_of_week {
  DayOfWeek day = DayOfWeek::Sunday;

  constexpr bool Valid() const noexcept { return day <= DayOfWeek::Saturday; }
  static char const* TypeName() noexcept { return "day of week"; }
};

// 1 to 31, whatever the month.
struct day_of_month {
  integer day = 1;

  constexpr bool Valid() const noexcept { return day.get() >= 1 && day.get() <= 31; }
  static char const* TypeName() noexcept { return "day of month"; }
};

struct month_of_year {
  Month month = Month::January;

  constexpr bool Valid() const noexcept { return IsMonth(month); }
  static char const* TypeName() noexcept { return "month"; }
};

// The calendar year, from 0 (a leap year) to 999999.
struct year {
  static constexpr std::int64_t kLast = 999999;

  integer number = 0;

  constexpr bool Valid() const noexcept { return number.get() >= 0 && number.get() <= kLast; }
  constexpr bool Leap() const noexcept {
    return DateRecord::IsLeapYear(static_cast<std::uint32_t>(number.get()));
  }
  static char const* TypeName() noexcept { return "year"; }
};

// A signed number of months; every count is one.
struct month_count {
  integer months = 0;

  static char const* TypeName() noexcept { return "number of months"; }
};

// Days of the week. Equal when the same day; ordered Sunday first.
// "sunday" ... "saturday": the day each name's registration carries.
day_of_week DayOfWeekNamed(DayOfWeek const& day);
boolean operator==(day_of_week const& a, day_of_week const& b);
boolean operator<(day_of_week const& a, day_of_week const& b);
day_of_week operator+(day_of_week const& d, time_interval const& t);
day_of_week operator+(time_interval const& t, day_of_week const& d);
day_of_week operator-(day_of_week const& d, time_interval const& t);
// The days from b forward to a: 0 to 6 days.
time_interval operator-(day_of_week const& a, day_of_week const& b);
// "sun" or "sunday" in any case.
day_of_week StringAsDayOfWeek(inspector_string const& text);
inspector_string DayOfWeekAsString(day_of_week const& d);        // "Sunday"
inspector_string DayOfWeekAsThreeLetters(day_of_week const& d);  // "Sun"

// Days of the month. Moving does not wrap: day 30 plus 5 days has no value.
boolean operator==(day_of_month const& a, day_of_month const& b);
boolean operator<(day_of_month const& a, day_of_month const& b);
boolean operator<=(day_of_month const& a, day_of_month const& b);
day_of_month operator+(day_of_month const& d, time_interval const& t);
day_of_month operator+(time_interval const& t, day_of_month const& d);
day_of_month operator-(day_of_month const& d, time_interval const& t);
time_interval operator-(day_of_month const& a, day_of_month const& b);
day_of_month IntegerAsDayOfMonth(integer const& n);
integer DayOfMonthAsInteger(day_of_month const& d);
// The evaluator's reading of an integer; text that is none fails as it reports.
day_of_month StringAsDayOfMonth(inspector_string const& text);
inspector_string DayOfMonthAsString(day_of_month const& d);     // "5"
inspector_string DayOfMonthAsTwoDigits(day_of_month const& d);  // "05"

// Months of the year, moved around the year by month counts.
// "january" ... "december".
month_of_year MonthNamed(Month const& month);
boolean operator==(month_of_year const& a, month_of_year const& b);
boolean operator<(month_of_year const& a, month_of_year const& b);
boolean operator<=(month_of_year const& a, month_of_year const& b);
month_of_year operator+(month_of_year const& m, month_count const& n);
month_of_year operator+(month_count const& n, month_of_year const& m);
month_of_year operator-(month_of_year const& m, month_count const& n);
// The months from b forward to a: 0 to 11 months.
month_count operator-(month_of_year const& a, month_of_year const& b);
month_of_year IntegerAsMonth(integer const& n);
integer MonthAsInteger(month_of_year const& m);
// "jan", "january", "febr", "sept" and the like, in any case.
month_of_year StringAsMonth(inspector_string const& text);
inspector_string MonthAsString(month_of_year const& m);        // "January"
inspector_string MonthAsThreeLetters(month_of_year const& m);  // "Jan"
inspector_string MonthAsTwoDigits(month_of_year const& m);     // "01"

// Years, moved by the whole years a month count spans counted from January: 2000
// plus 11 months is 2000, 2000 minus 1 month is 1999.
boolean operator==(year const& a, year const& b);
boolean operator<(year const& a, year const& b);
boolean operator<=(year const& a, year const& b);
year operator+(year const& y, month_count const& n);
year operator+(month_count const& n, year const& y);
year operator-(year const& y, month_count const& n);
month_count operator-(year const& a, year const& b);
boolean IsLeapYear(Of, year const& y);
time_interval LengthOfYear(Of, year const& y);
year IntegerAsYear(integer const& n);
integer YearAsInteger(year const& y);
year StringAsYear(inspector_string const& text);
inspector_string YearAsString(year const& y);  // "2004"

// Month counts: the evaluator's integer arithmetic on the counts, so overflow and
// division by zero fail as they do for integers.
month_count OneMonth();
month_count OneYear();
boolean operator==(month_count const& a, month_count const& b);
boolean operator<(month_count const& a, month_count const& b);
boolean operator<=(month_count const& a, month_count const& b);
month_count operator-(month_count const& n);
month_count operator+(month_count const& a, month_count const& b);
month_count operator-(month_count const& a, month_count const& b);
month_count operator*(integer const& k, month_count const& n);
month_count operator*(month_count const& n, integer const& k);
integer operator/(month_count const& a, month_count const& b);
month_count operator/(month_count const& n, integer const& k);
month_count operator%(month_count const& a, month_count const& b);
// "0 months", "11 months", "2 years", "-1 years, 2 months": no singular forms.
inspector_string MonthCountAsString(month_count const& n);

Fingerprinter& operator<<(Fingerprinter& f, day_of_week const& d);
Fingerprinter& operator<<(Fingerprinter& f, day_of_month const& d);
Fingerprinter& operator<<(Fingerprinter& f, month_of_year const& m);
Fingerprinter& operator<<(Fingerprinter& f, year const& y);
Fingerprinter& operator<<(Fingerprinter& f, month_count const& n);

// A value an inspector may hand out; any other means it has no value.
template <class T>
T Checked(T const& value) {
  if (!value.Valid()) throw NoSuchObject();
  return value;
}

// The steps the composite calendar types share. A day of the week or a month moved
// by any count of days or months, forward or back, around the week or the year:
Month MovedForward(Month m, std::int64_t months) noexcept;
Month MovedBack(Month m, std::int64_t months) noexcept;
// The whole days of t and of -t, rounded toward minus infinity.
std::int64_t WholeDaysIn(time_interval const& t) noexcept;
std::int64_t WholeDaysInNegated(time_interval const& t) noexcept;

}  // namespace inspectors
