#include "inspectors/time/dates.h"

#include <cstdint>
#include <string>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"
#include "inspectors/time/calendar_phrases.h"
#include "inspectors/time/floored_division.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/zoned_time_of_day.h"
#include "inspectors/time/time_text_reading.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {
namespace {

constexpr std::int64_t kMonthsPerYear = 12;

// The day numbers of the years 0 to 999999.
std::int64_t EndOfDateDays() noexcept {
  return DateRecord::DaysBefore(static_cast<std::uint32_t>(year::kLast) + 1);
}

std::int64_t CommonDaysIn(Month m) noexcept {
  return DaysIn(m, false);
}

// The month and year `whole` years and `months` months on (or back, both negative),
// with |months| below twelve, so that nothing overflows whatever the count.
month_and_year Moved(month_and_year const& from, std::int64_t whole, std::int64_t months) {
  std::int64_t const index = static_cast<std::int64_t>(from.month.month) - 1 + months;
  std::int64_t const y = from.year.number.get() + whole + FlooredQuotient(index, kMonthsPerYear);
  return Checked(
      month_and_year{{static_cast<Month>(FlooredRemainder(index, kMonthsPerYear) + 1)}, {y}});
}

month_and_year MonthsLater(month_and_year const& from, month_count const& n) {
  std::int64_t const count = n.months.get();
  return Moved(from, FlooredQuotient(count, kMonthsPerYear),
               FlooredRemainder(count, kMonthsPerYear));
}

month_and_year MonthsEarlier(month_and_year const& from, month_count const& n) {
  std::int64_t const count = n.months.get();
  return Moved(from, -FlooredQuotient(count, kMonthsPerYear),
               -FlooredRemainder(count, kMonthsPerYear));
}

// A day of year moved by whole days within the stretch from 1 March to the end of
// the next February.
day_of_year MovedByDays(day_of_year const& from, std::int64_t days) {
  Month m = from.month.month;
  std::int64_t d = from.day.day.get() + days;
  if (m == Month::February && from.day.day.get() == 29) {
    if (d == 29) return from;
    if (d > 29) {
      m = Month::March;
      d -= 29;
    }
  }
  // Each step passes a month; at most a year of them before February stops it.
  while (d > CommonDaysIn(m)) {
    if (m == Month::February) throw NoSuchObject();
    d -= CommonDaysIn(m);
    m = MovedForward(m, 1);
  }
  while (d <= 0) {
    m = MovedBack(m, 1);
    if (m == Month::February) throw NoSuchObject();
    d += CommonDaysIn(m);
  }
  return day_of_year{{m}, {d}};
}

inspector_date MovedByDays(inspector_date const& from, std::int64_t days) {
  // Neither count reaches 2^40, so the sum cannot overflow.
  std::int64_t const to = AsDateRecord(from).AbsoluteDay() + days;
  if (to < 0 || to >= EndOfDateDays()) throw NoSuchObject();
  DateRecord record;
  record.SetAbsoluteDay(to);
  return AsInspectorDate(record);
}

inspector_date DateOf(day_of_month const& d, month_of_year const& m, year const& y) {
  return Checked(inspector_date{d, m, y});
}

inspector_string Text(std::string const& text) {
  return CopyToInspectorString(std::string_view(text));
}

}  // namespace

DateRecord AsDateRecord(inspector_date const& date) noexcept {
  return DateRecord(static_cast<std::uint8_t>(date.day.day.get()), date.month.month,
                    static_cast<std::uint32_t>(date.year.number.get()));
}
inspector_date AsInspectorDate(DateRecord const& record) {
  return DateOf({record.day}, {record.month}, {record.year});
}

// Days of year.

boolean operator==(day_of_year const& a, day_of_year const& b) {
  return a.month == b.month && a.day == b.day;
}
boolean operator<(day_of_year const& a, day_of_year const& b) {
  return a.month < b.month || (a.month == b.month && a.day < b.day);
}
boolean operator<=(day_of_year const& a, day_of_year const& b) {
  return !(b < a);
}
day_of_month DayOfDayOfYear(Of, day_of_year const& d) {
  return d.day;
}
month_of_year MonthOfDayOfYear(Of, day_of_year const& d) {
  return d.month;
}
day_of_year MonthAndDay(month_of_year const& m, day_of_month const& d) {
  return Checked(day_of_year{m, d});
}
day_of_year DayAndMonth(day_of_month const& d, month_of_year const& m) {
  return Checked(day_of_year{m, d});
}
day_of_year DayOfNamedMonth(Month const& month, integer const& day) {
  return Checked(day_of_year{{month}, {day}});
}
day_of_year operator+(day_of_year const& d, time_interval const& t) {
  return MovedByDays(d, WholeDaysIn(t));
}
day_of_year operator+(time_interval const& t, day_of_year const& d) {
  return d + t;
}
day_of_year operator-(day_of_year const& d, time_interval const& t) {
  return MovedByDays(d, WholeDaysInNegated(t));
}
time_interval operator-(day_of_year const& a, day_of_year const& b) {
  if (a.month == b.month && a.day < b.day) throw NoSuchObject();
  std::int64_t days = 0;
  for (Month m = b.month.month; m != a.month.month; m = MovedForward(m, 1)) {
    if (m == Month::February) throw NoSuchObject();
    days += CommonDaysIn(m);
  }
  days += a.day.day.get() - b.day.day.get();
  return integer(days) * day_of();
}
day_of_year operator+(day_of_year const& d, month_count const& n) {
  return Checked(day_of_year{d.month + n, d.day});
}
day_of_year operator+(month_count const& n, day_of_year const& d) {
  return d + n;
}
day_of_year operator-(day_of_year const& d, month_count const& n) {
  return Checked(day_of_year{d.month - n, d.day});
}
inspector_string DayOfYearAsString(day_of_year const& d) {
  return Text(std::string(FullNameOfMonth(d.month.month)) + " " + asString(d.day.day));
}

// Months of years.

boolean operator==(month_and_year const& a, month_and_year const& b) {
  return a.year == b.year && a.month == b.month;
}
boolean operator<(month_and_year const& a, month_and_year const& b) {
  return a.year < b.year || (a.year == b.year && a.month < b.month);
}
boolean operator<=(month_and_year const& a, month_and_year const& b) {
  return !(b < a);
}
month_of_year MonthOfMonthAndYear(Of, month_and_year const& m) {
  return m.month;
}
year YearOfMonthAndYear(Of, month_and_year const& m) {
  return m.year;
}
time_interval LengthOfMonthAndYear(Of, month_and_year const& m) {
  return integer(DaysIn(m.month.month, m.year.Leap())) * day_of();
}
month_and_year NamedMonthOfInteger(Month const& month, Of, integer const& y) {
  return Checked(month_and_year{{month}, {y}});
}
month_and_year MonthAndYear(month_of_year const& m, year const& y) {
  return month_and_year{m, y};
}
month_and_year YearAndMonth(year const& y, month_of_year const& m) {
  return month_and_year{m, y};
}
month_and_year operator+(month_and_year const& m, month_count const& n) {
  return MonthsLater(m, n);
}
month_and_year operator+(month_count const& n, month_and_year const& m) {
  return MonthsLater(m, n);
}
month_and_year operator-(month_and_year const& m, month_count const& n) {
  return MonthsEarlier(m, n);
}
month_count operator-(month_and_year const& a, month_and_year const& b) {
  integer const months =
      static_cast<std::int64_t>(a.month.month) - static_cast<std::int64_t>(b.month.month);
  return month_count{(a.year.number - b.year.number) * kMonthsPerYear + months};
}
inspector_string MonthAndYearAsString(month_and_year const& m) {
  return Text(std::string(FullNameOfMonth(m.month.month)) + " " + asString(m.year.number));
}

// Dates.

boolean operator==(inspector_date const& a, inspector_date const& b) {
  return AsDateRecord(a) == AsDateRecord(b);
}
boolean operator<(inspector_date const& a, inspector_date const& b) {
  return AsDateRecord(a) < AsDateRecord(b);
}
boolean operator<=(inspector_date const& a, inspector_date const& b) {
  return AsDateRecord(a) <= AsDateRecord(b);
}
day_of_month DayOfMonthOfDate(Of, inspector_date const& d) {
  return d.day;
}
month_of_year MonthOfDate(Of, inspector_date const& d) {
  return d.month;
}
year YearOfDate(Of, inspector_date const& d) {
  return d.year;
}
day_of_week DayOfWeekOfDate(Of, inspector_date const& d) {
  return day_of_week{AsDateRecord(d).DayOfWeek()};
}
day_of_year DayOfYearOfDate(Of, inspector_date const& d) {
  return d.DayOfYear();
}
month_and_year MonthAndYearOfDate(Of, inspector_date const& d) {
  return month_and_year{d.month, d.year};
}
inspector_date NamedMonthIntegerOfInteger(Month const& month, integer const& day, Of,
                                          integer const& y) {
  return DateOf({day}, {month}, {y});
}
inspector_date FirstDayOfWeek(day_of_week const& w, Of, month_and_year const& m) {
  inspector_date const first{{1}, m.month, m.year};
  return first + (w - DayOfWeekOfDate(Of{}, first));
}
inspector_date FirstNamedDayOfWeek(DayOfWeek const& w, Of, month_and_year const& m) {
  return FirstDayOfWeek(day_of_week{w}, Of{}, m);
}
inspector_date DayAndMonthAndYear(day_of_month const& d, month_and_year const& m) {
  return DateOf(d, m.month, m.year);
}
inspector_date MonthAndYearAndDay(month_and_year const& m, day_of_month const& d) {
  return DateOf(d, m.month, m.year);
}
inspector_date DayOfYearAndYear(day_of_year const& d, year const& y) {
  return DateOf(d.day, d.month, y);
}
inspector_date YearAndDayOfYear(year const& y, day_of_year const& d) {
  return DateOf(d.day, d.month, y);
}
inspector_date DayOfYearAndMonthAndYear(day_of_year const& d, month_and_year const& m) {
  if (!(d.month == m.month)) throw NoSuchObject();
  return DateOf(d.day, d.month, m.year);
}
inspector_date MonthAndYearAndDayOfYear(month_and_year const& m, day_of_year const& d) {
  return DayOfYearAndMonthAndYear(d, m);
}
inspector_date operator+(inspector_date const& d, month_count const& n) {
  month_and_year const to = MonthsLater(month_and_year{d.month, d.year}, n);
  return DateOf(d.day, to.month, to.year);
}
inspector_date operator+(month_count const& n, inspector_date const& d) {
  return d + n;
}
inspector_date operator-(inspector_date const& d, month_count const& n) {
  month_and_year const to = MonthsEarlier(month_and_year{d.month, d.year}, n);
  return DateOf(d.day, to.month, to.year);
}
inspector_date operator+(inspector_date const& d, time_interval const& t) {
  return MovedByDays(d, WholeDaysIn(t));
}
inspector_date operator+(time_interval const& t, inspector_date const& d) {
  return d + t;
}
inspector_date operator-(inspector_date const& d, time_interval const& t) {
  return MovedByDays(d, WholeDaysInNegated(t));
}
time_interval operator-(inspector_date const& a, inspector_date const& b) {
  std::int64_t const days = AsDateRecord(a) - AsDateRecord(b);
  std::int64_t const perDay = day_of().microseconds.get();
  if (!CanMultiply(days, perDay)) throw NoSuchObject();
  return time_interval{days * perDay};
}
inspector_date StringAsDate(inspector_string const& text) {
  return AsInspectorDate(TextToDate(AsConstData(text)));
}
inspector_string DateAsString(inspector_date const& d) {
  return CopyToInspectorString(DateToText(AsDateRecord(d)).Bytes());
}

moment DateAndTime(inspector_date const& d, zoned_time_of_day const& z) {
  inspector_date const epoch = AsInspectorDate(DateRecord(1, Month::January, 1970));
  return january_1_1970() + (d - epoch) + z.time.SinceMidnight() + z.zone.universalMinusLocal;
}
moment TimeAndDate(zoned_time_of_day const& z, inspector_date const& d) {
  return DateAndTime(d, z);
}

inspector_date DateOfMoment(time_zone const& zone, Of, moment const& m) {
  try {
    return AsInspectorDate(TimeObject(AsInstant(m), AsTimeZone(zone)).date);
  } catch (TimeOutOfRange const&) {
    throw NoSuchObject();
  } catch (IntegerOverflow const&) {  // a zone beyond the clock's offsets
    throw NoSuchObject();
  }
}
inspector_date CurrentDate() {
  return DateOfMoment(local_time_zone_of(), Of{}, moment_now());
}
day_of_week CurrentDayOfWeek() {
  return DayOfWeekOfDate(Of{}, CurrentDate());
}
day_of_month CurrentDayOfMonth() {
  return CurrentDate().day;
}
month_of_year CurrentMonth() {
  return CurrentDate().month;
}
year CurrentYear() {
  return CurrentDate().year;
}
day_of_year CurrentDayOfYear() {
  return CurrentDate().DayOfYear();
}
month_and_year CurrentMonthAndYear() {
  inspector_date const today = CurrentDate();
  return month_and_year{today.month, today.year};
}

// Fingerprints, field by field.

Fingerprinter& operator<<(Fingerprinter& f, day_of_year const& d) {
  return f << d.month << d.day;
}
Fingerprinter& operator<<(Fingerprinter& f, month_and_year const& m) {
  return f << m.month << m.year;
}
Fingerprinter& operator<<(Fingerprinter& f, inspector_date const& d) {
  return f << d.day << d.month << d.year;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
// The current date reads the clock and the machine's zone.
constexpr auto kClock = kDependsOnMachineState;

Type<day_of_year, kFingerprinted> const dayOfYearType;
Type<month_and_year, kFingerprinted> const monthAndYearType;
Type<inspector_date, kFingerprinted> const dateType;

// Days of year.
ComparableInspectorRegistration<day_of_year> const comparableDaysOfYear(kPure);
Prop const dayOfDayOfYear("day", "days", &DayOfDayOfYear, kPure);
Prop const monthOfDayOfYear("month", "months", &MonthOfDayOfYear, kPure);
OperatorConcatenate<month_of_year, day_of_month, day_of_year> const monthAndDay(kPure,
                                                                                &MonthAndDay);
OperatorConcatenate<day_of_month, month_of_year, day_of_year> const dayAndMonth(kPure,
                                                                                &DayAndMonth);
PropPerPhrase const daysOfNamedMonths(kMonthPhrases, &DayOfNamedMonth, kPure);
OperatorPlus<day_of_year, time_interval, day_of_year> const dayOfYearLater(kPure);
OperatorPlus<time_interval, day_of_year, day_of_year> const dayOfYearLaterFromLeft(kPure);
BinaryOperatorMinus<day_of_year, time_interval, day_of_year> const dayOfYearEarlier(kPure);
BinaryOperatorMinus<day_of_year, day_of_year, time_interval> const daysOfYearApart(kPure);
OperatorPlus<day_of_year, month_count, day_of_year> const dayOfYearMonthsLater(kPure);
OperatorPlus<month_count, day_of_year, day_of_year> const dayOfYearMonthsLaterFromLeft(kPure);
BinaryOperatorMinus<day_of_year, month_count, day_of_year> const dayOfYearMonthsEarlier(kPure);
Cast<day_of_year, inspector_string> const dayOfYearToString("string", &DayOfYearAsString, kPure);

// Months of years.
ComparableInspectorRegistration<month_and_year> const comparableMonthsAndYears(kPure);
Prop const monthOfMonthAndYear("month", "months", &MonthOfMonthAndYear, kPure);
Prop const yearOfMonthAndYear("year", "years", &YearOfMonthAndYear, kPure);
Prop const monthLength("length", "lengths", &LengthOfMonthAndYear, kPure);
PropPerPhrase const namedMonthsOfYears(kMonthPhrases, &NamedMonthOfInteger, kPure);
OperatorConcatenate<month_of_year, year, month_and_year> const monthAndYear(kPure, &MonthAndYear);
OperatorConcatenate<year, month_of_year, month_and_year> const yearAndMonth(kPure, &YearAndMonth);
OperatorPlus<month_and_year, month_count, month_and_year> const monthAndYearLater(kPure);
OperatorPlus<month_count, month_and_year, month_and_year> const monthAndYearLaterFromLeft(kPure);
BinaryOperatorMinus<month_and_year, month_count, month_and_year> const monthAndYearEarlier(kPure);
BinaryOperatorMinus<month_and_year, month_and_year, month_count> const monthsAndYearsApart(kPure);
Cast<month_and_year, inspector_string> const monthAndYearToString("string", &MonthAndYearAsString,
                                                                  kPure);

// Dates.
ComparableInspectorRegistration<inspector_date> const comparableDates(kPure);
Prop const dayOfMonthOfDate("day_of_month", "days_of_month", &DayOfMonthOfDate, kPure);
Prop const monthOfDate("month", "months", &MonthOfDate, kPure);
Prop const yearOfDate("year", "years", &YearOfDate, kPure);
Prop const dayOfWeekOfDate("day_of_week", "days_of_week", &DayOfWeekOfDate, kPure);
Prop const dayOfYearOfDate("day_of_year", "days_of_year", &DayOfYearOfDate, kPure);
Prop const monthAndYearOfDate("month_and_year", "months_and_years", &MonthAndYearOfDate, kPure);
PropPerPhrase const datesOfNamedMonths(kMonthPhrases, &NamedMonthIntegerOfInteger, kPure);
Prop const firstDayOfWeek("first", "firsts", &FirstDayOfWeek, kPure);
PropPerPhrase const firstNamedDaysOfWeek(kFirstDayOfWeekPhrases, &FirstNamedDayOfWeek, kPure);
OperatorConcatenate<day_of_month, month_and_year, inspector_date> const dayAndMonthAndYear(
    kPure, &DayAndMonthAndYear);
OperatorConcatenate<month_and_year, day_of_month, inspector_date> const monthAndYearAndDay(
    kPure, &MonthAndYearAndDay);
OperatorConcatenate<day_of_year, year, inspector_date> const dayOfYearAndYear(kPure,
                                                                              &DayOfYearAndYear);
OperatorConcatenate<year, day_of_year, inspector_date> const yearAndDayOfYear(kPure,
                                                                              &YearAndDayOfYear);
OperatorConcatenate<day_of_year, month_and_year, inspector_date> const dayOfYearAndMonthAndYear(
    kPure, &DayOfYearAndMonthAndYear);
OperatorConcatenate<month_and_year, day_of_year, inspector_date> const monthAndYearAndDayOfYear(
    kPure, &MonthAndYearAndDayOfYear);
OperatorPlus<inspector_date, month_count, inspector_date> const dateMonthsLater(kPure);
OperatorPlus<month_count, inspector_date, inspector_date> const dateMonthsLaterFromLeft(kPure);
BinaryOperatorMinus<inspector_date, month_count, inspector_date> const dateMonthsEarlier(kPure);
OperatorPlus<inspector_date, time_interval, inspector_date> const dateLater(kPure);
OperatorPlus<time_interval, inspector_date, inspector_date> const dateLaterFromLeft(kPure);
BinaryOperatorMinus<inspector_date, time_interval, inspector_date> const dateEarlier(kPure);
BinaryOperatorMinus<inspector_date, inspector_date, time_interval> const datesApart(kPure);
Prop const dateNamed("date", "dates", &StringAsDate, kPure);
Cast<inspector_string, inspector_date> const dateFromString("date", &StringAsDate, kPure);
Cast<inspector_date, inspector_string> const dateToString("string", &DateAsString, kPure);
OperatorConcatenate<inspector_date, zoned_time_of_day, moment> const dateAndTime(kPure,
                                                                            &DateAndTime);
OperatorConcatenate<zoned_time_of_day, inspector_date, moment> const timeAndDate(kPure,
                                                                            &TimeAndDate);
Prop const dateOfMoment("date", "dates", &DateOfMoment, kPure);
Prop const currentDate("current date", "current dates", &CurrentDate, kClock);
Prop const currentDayOfWeek("current day_of_week", "current days_of_week", &CurrentDayOfWeek,
                            kClock);
Prop const currentDayOfMonth("current day_of_month", "current days_of_month", &CurrentDayOfMonth,
                             kClock);
Prop const currentMonth("current month", "current months", &CurrentMonth, kClock);
Prop const currentYear("current year", "current years", &CurrentYear, kClock);
Prop const currentDayOfYear("current day_of_year", "current days_of_year", &CurrentDayOfYear,
                            kClock);
Prop const currentMonthAndYear("current month_and_year", "current months_and_years",
                               &CurrentMonthAndYear, kClock);

}  // namespace

}  // namespace inspectors
