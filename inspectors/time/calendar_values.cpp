#include "inspectors/time/calendar_values.h"

#include <string>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/token_table.h"
#include "framework/inspector.h"
#include "inspectors/time/calendar_phrases.h"
#include "inspectors/time/floored_division.h"

namespace inspectors {
namespace {

constexpr std::int64_t kDaysPerWeek = 7;
constexpr std::int64_t kMonthsPerYear = 12;

constexpr TokenTableAssociation<DayOfWeek> kDayNames[] = {
    {"fri", DayOfWeek::Friday},    {"friday", DayOfWeek::Friday},
    {"mon", DayOfWeek::Monday},    {"monday", DayOfWeek::Monday},
    {"sat", DayOfWeek::Saturday},  {"saturday", DayOfWeek::Saturday},
    {"sun", DayOfWeek::Sunday},    {"sunday", DayOfWeek::Sunday},
    {"thu", DayOfWeek::Thursday},  {"thursday", DayOfWeek::Thursday},
    {"tue", DayOfWeek::Tuesday},   {"tuesday", DayOfWeek::Tuesday},
    {"wed", DayOfWeek::Wednesday}, {"wednesday", DayOfWeek::Wednesday},
    {nullptr, DayOfWeek::Sunday}};

constexpr TokenTableAssociation<Month> kMonthNames[] = {
    {"apr", Month::April},           {"april", Month::April},       {"aug", Month::August},
    {"august", Month::August},       {"dec", Month::December},      {"december", Month::December},
    {"feb", Month::February},        {"febr", Month::February},     {"february", Month::February},
    {"jan", Month::January},         {"january", Month::January},   {"jul", Month::July},
    {"july", Month::July},           {"jun", Month::June},          {"june", Month::June},
    {"mar", Month::March},           {"march", Month::March},       {"may", Month::May},
    {"nov", Month::November},        {"november", Month::November}, {"oct", Month::October},
    {"october", Month::October},     {"sep", Month::September},     {"sept", Month::September},
    {"september", Month::September}, {nullptr, Month::January}};

// The value of a name in the table, matched in any case; no value otherwise. No
// name is longer than the buffer, so a longer text is none.
template <class T>
T Named(TokenTable<T> const& table, inspector_string const& text) {
  byte lower[10];
  if (text.length > sizeof lower) throw NoSuchObject();
  Ascii::LowerCase(AsConstData(text), Data(lower, sizeof lower));
  T const* value = table.LookFor(ConstData(lower, lower + text.length));
  if (value == nullptr) throw NoSuchObject();
  return *value;
}

inspector_string Text(std::string_view text) {
  return CopyToInspectorString(text);
}

inspector_string Decimal(integer const& n) {
  return Text(asString(n));
}

DayOfWeek DayMovedBy(DayOfWeek d, std::int64_t days) noexcept {
  std::int64_t const steps = FlooredRemainder(days, kDaysPerWeek);
  return static_cast<DayOfWeek>((static_cast<std::int64_t>(d) + steps) % kDaysPerWeek);
}

}  // namespace

Month MovedForward(Month m, std::int64_t months) noexcept {
  std::int64_t const index =
      static_cast<std::int64_t>(m) - 1 + FlooredRemainder(months, kMonthsPerYear);
  return static_cast<Month>(index % kMonthsPerYear + 1);
}
Month MovedBack(Month m, std::int64_t months) noexcept {
  return MovedForward(m, kMonthsPerYear - FlooredRemainder(months, kMonthsPerYear));
}

std::int64_t WholeDaysIn(time_interval const& t) noexcept {
  return FlooredQuotient(t.microseconds.get(), day_of().microseconds.get());
}
std::int64_t WholeDaysInNegated(time_interval const& t) noexcept {
  return -CeilingQuotient(t.microseconds.get(), day_of().microseconds.get());
}

// Days of the week.

day_of_week DayOfWeekNamed(DayOfWeek const& day) {
  return day_of_week{day};
}
boolean operator==(day_of_week const& a, day_of_week const& b) {
  return a.day == b.day;
}
boolean operator<(day_of_week const& a, day_of_week const& b) {
  return a.day < b.day;
}
day_of_week operator+(day_of_week const& d, time_interval const& t) {
  return day_of_week{DayMovedBy(d.day, WholeDaysIn(t))};
}
day_of_week operator+(time_interval const& t, day_of_week const& d) {
  return d + t;
}
day_of_week operator-(day_of_week const& d, time_interval const& t) {
  return day_of_week{DayMovedBy(d.day, WholeDaysInNegated(t))};
}
time_interval operator-(day_of_week const& a, day_of_week const& b) {
  std::int64_t const days = FlooredRemainder(
      static_cast<std::int64_t>(a.day) - static_cast<std::int64_t>(b.day), kDaysPerWeek);
  return integer(days) * day_of();
}
day_of_week StringAsDayOfWeek(inspector_string const& text) {
  static TokenTable<DayOfWeek> const table(kDayNames);
  return day_of_week{Named(table, text)};
}
inspector_string DayOfWeekAsString(day_of_week const& d) {
  return Text(FullNameOfDayOfWeek(d.day));
}
inspector_string DayOfWeekAsThreeLetters(day_of_week const& d) {
  return Text(DayOfWeekToText(d.day));
}

// Days of the month.

boolean operator==(day_of_month const& a, day_of_month const& b) {
  return a.day == b.day;
}
boolean operator<(day_of_month const& a, day_of_month const& b) {
  return a.day < b.day;
}
boolean operator<=(day_of_month const& a, day_of_month const& b) {
  return a.day <= b.day;
}
day_of_month operator+(day_of_month const& d, time_interval const& t) {
  return Checked(day_of_month{d.day.get() + WholeDaysIn(t)});
}
day_of_month operator+(time_interval const& t, day_of_month const& d) {
  return d + t;
}
day_of_month operator-(day_of_month const& d, time_interval const& t) {
  return Checked(day_of_month{d.day.get() + WholeDaysInNegated(t)});
}
time_interval operator-(day_of_month const& a, day_of_month const& b) {
  return (a.day - b.day) * day_of();
}
day_of_month IntegerAsDayOfMonth(integer const& n) {
  return Checked(day_of_month{n});
}
integer DayOfMonthAsInteger(day_of_month const& d) {
  return d.day;
}
day_of_month StringAsDayOfMonth(inspector_string const& text) {
  return IntegerAsDayOfMonth(asInteger(text));
}
inspector_string DayOfMonthAsString(day_of_month const& d) {
  return Decimal(d.day);
}
inspector_string DayOfMonthAsTwoDigits(day_of_month const& d) {
  std::string text = asString(d.day);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return Text(text);
}

// Months of the year.

month_of_year MonthNamed(Month const& month) {
  return month_of_year{month};
}
boolean operator==(month_of_year const& a, month_of_year const& b) {
  return a.month == b.month;
}
boolean operator<(month_of_year const& a, month_of_year const& b) {
  return a.month < b.month;
}
boolean operator<=(month_of_year const& a, month_of_year const& b) {
  return a.month <= b.month;
}
month_of_year operator+(month_of_year const& m, month_count const& n) {
  return month_of_year{MovedForward(m.month, n.months.get())};
}
month_of_year operator+(month_count const& n, month_of_year const& m) {
  return m + n;
}
month_of_year operator-(month_of_year const& m, month_count const& n) {
  return month_of_year{MovedBack(m.month, n.months.get())};
}
month_count operator-(month_of_year const& a, month_of_year const& b) {
  std::int64_t const months =
      static_cast<std::int64_t>(a.month) - static_cast<std::int64_t>(b.month);
  return month_count{FlooredRemainder(months, kMonthsPerYear)};
}
month_of_year IntegerAsMonth(integer const& n) {
  if (n.get() < 1 || n.get() > kMonthsPerYear) throw NoSuchObject();
  return month_of_year{static_cast<Month>(n.get())};
}
integer MonthAsInteger(month_of_year const& m) {
  return static_cast<std::int64_t>(m.month);
}
month_of_year StringAsMonth(inspector_string const& text) {
  static TokenTable<Month> const table(kMonthNames);
  return month_of_year{Named(table, text)};
}
inspector_string MonthAsString(month_of_year const& m) {
  return Text(FullNameOfMonth(m.month));
}
inspector_string MonthAsThreeLetters(month_of_year const& m) {
  return Text(MonthToText(m.month));
}
inspector_string MonthAsTwoDigits(month_of_year const& m) {
  return Text(MonthToTwoDigits(m.month));
}

// Years.

boolean operator==(year const& a, year const& b) {
  return a.number == b.number;
}
boolean operator<(year const& a, year const& b) {
  return a.number < b.number;
}
boolean operator<=(year const& a, year const& b) {
  return a.number <= b.number;
}
year operator+(year const& y, month_count const& n) {
  return Checked(year{y.number.get() + FlooredQuotient(n.months.get(), kMonthsPerYear)});
}
year operator+(month_count const& n, year const& y) {
  return y + n;
}
year operator-(year const& y, month_count const& n) {
  return Checked(year{y.number.get() - CeilingQuotient(n.months.get(), kMonthsPerYear)});
}
month_count operator-(year const& a, year const& b) {
  return month_count{(a.number - b.number) * kMonthsPerYear};
}
boolean IsLeapYear(Of, year const& y) {
  return y.Leap();
}
time_interval LengthOfYear(Of, year const& y) {
  return integer(y.Leap() ? 366 : 365) * day_of();
}
year IntegerAsYear(integer const& n) {
  return Checked(year{n});
}
integer YearAsInteger(year const& y) {
  return y.number;
}
year StringAsYear(inspector_string const& text) {
  return IntegerAsYear(asInteger(text));
}
inspector_string YearAsString(year const& y) {
  return Decimal(y.number);
}

// Month counts.

month_count OneMonth() {
  return month_count{1};
}
month_count OneYear() {
  return month_count{kMonthsPerYear};
}
boolean operator==(month_count const& a, month_count const& b) {
  return a.months == b.months;
}
boolean operator<(month_count const& a, month_count const& b) {
  return a.months < b.months;
}
boolean operator<=(month_count const& a, month_count const& b) {
  return a.months <= b.months;
}
month_count operator-(month_count const& n) {
  return month_count{-n.months};
}
month_count operator+(month_count const& a, month_count const& b) {
  return month_count{a.months + b.months};
}
month_count operator-(month_count const& a, month_count const& b) {
  return month_count{a.months - b.months};
}
month_count operator*(integer const& k, month_count const& n) {
  return month_count{k * n.months};
}
month_count operator*(month_count const& n, integer const& k) {
  return month_count{n.months * k};
}
integer operator/(month_count const& a, month_count const& b) {
  return a.months / b.months;
}
month_count operator/(month_count const& n, integer const& k) {
  return month_count{n.months / k};
}
month_count operator%(month_count const& a, month_count const& b) {
  return month_count{a.months % b.months};
}
inspector_string MonthCountAsString(month_count const& n) {
  // The magnitude in unsigned arithmetic, so that the least count has one too.
  std::int64_t const count = n.months.get();
  std::uint64_t const magnitude =
      count < 0 ? 0 - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
  std::uint64_t const years = magnitude / kMonthsPerYear;
  std::uint64_t const months = magnitude % kMonthsPerYear;
  std::string text = count < 0 ? "-" : "";
  if (years != 0) text += std::to_string(years) + " years";
  if (years != 0 && months != 0) text += ", ";
  if (years == 0 || months != 0) text += std::to_string(months) + " months";
  return Text(text);
}

// Fingerprints: a day of the week or a month as the byte of its number, the others
// as their integer.

Fingerprinter& operator<<(Fingerprinter& f, day_of_week const& d) {
  Fingerprint_Byte_Range(f, &d.day, &d.day + 1);
  return f;
}
Fingerprinter& operator<<(Fingerprinter& f, day_of_month const& d) {
  return f << d.day;
}
Fingerprinter& operator<<(Fingerprinter& f, month_of_year const& m) {
  Fingerprint_Byte_Range(f, &m.month, &m.month + 1);
  return f;
}
Fingerprinter& operator<<(Fingerprinter& f, year const& y) {
  return f << y.number;
}
Fingerprinter& operator<<(Fingerprinter& f, month_count const& n) {
  return f << n.months;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;

Type<day_of_week, kFingerprinted> const dayOfWeekType;
Type<day_of_month, kFingerprinted> const dayOfMonthType;
Type<month_of_year, kFingerprinted> const monthType;
Type<year, kFingerprinted> const yearType;
Type<month_count, kFingerprinted> const monthCountType;

// Days of the week: equal or not, with no order of their own but that of their
// unique values.
UniqueValuesInspectorRegistration<day_of_week> const uniqueDaysOfWeek(kPure);
RelationEqual<day_of_week, day_of_week> const sameDayOfWeek(kPure);
PropPerPhrase const namedDaysOfWeek(kDayOfWeekPhrases, &DayOfWeekNamed, kPure);
OperatorPlus<day_of_week, time_interval, day_of_week> const dayOfWeekLater(kPure);
OperatorPlus<time_interval, day_of_week, day_of_week> const dayOfWeekLaterFromLeft(kPure);
BinaryOperatorMinus<day_of_week, time_interval, day_of_week> const dayOfWeekEarlier(kPure);
BinaryOperatorMinus<day_of_week, day_of_week, time_interval> const daysOfWeekApart(kPure);
Prop const dayOfWeekNamed("day_of_week", "days_of_week", &StringAsDayOfWeek, kPure);
Cast<inspector_string, day_of_week> const dayOfWeekFromString("day_of_week", &StringAsDayOfWeek,
                                                              kPure);
Cast<day_of_week, inspector_string> const dayOfWeekToString("string", &DayOfWeekAsString, kPure);
Cast<day_of_week, inspector_string> const dayOfWeekToThreeLetters("three letters",
                                                                  &DayOfWeekAsThreeLetters, kPure);

// Days of the month.
ComparableInspectorRegistration<day_of_month> const comparableDaysOfMonth(kPure);
OperatorPlus<day_of_month, time_interval, day_of_month> const dayOfMonthLater(kPure);
OperatorPlus<time_interval, day_of_month, day_of_month> const dayOfMonthLaterFromLeft(kPure);
BinaryOperatorMinus<day_of_month, time_interval, day_of_month> const dayOfMonthEarlier(kPure);
BinaryOperatorMinus<day_of_month, day_of_month, time_interval> const daysOfMonthApart(kPure);
Prop const dayOfMonthNumbered("day_of_month", "days_of_month", &IntegerAsDayOfMonth, kPure);
Cast<integer, day_of_month> const dayOfMonthFromInteger("day_of_month", &IntegerAsDayOfMonth,
                                                        kPure);
Cast<day_of_month, integer> const dayOfMonthToInteger("integer", &DayOfMonthAsInteger, kPure);
Prop const dayOfMonthNamed("day_of_month", "days_of_month", &StringAsDayOfMonth, kPure);
Cast<inspector_string, day_of_month> const dayOfMonthFromString("day_of_month", &StringAsDayOfMonth,
                                                                kPure);
Cast<day_of_month, inspector_string> const dayOfMonthToString("string", &DayOfMonthAsString, kPure);
Cast<day_of_month, inspector_string> const dayOfMonthToTwoDigits("two digits",
                                                                 &DayOfMonthAsTwoDigits, kPure);

// Months of the year.
ComparableInspectorRegistration<month_of_year> const comparableMonths(kPure);
PropPerPhrase const namedMonths(kMonthPhrases, &MonthNamed, kPure);
OperatorPlus<month_of_year, month_count, month_of_year> const monthLater(kPure);
OperatorPlus<month_count, month_of_year, month_of_year> const monthLaterFromLeft(kPure);
BinaryOperatorMinus<month_of_year, month_count, month_of_year> const monthEarlier(kPure);
BinaryOperatorMinus<month_of_year, month_of_year, month_count> const monthsApart(kPure);
Prop const monthNumbered("month", "months", &IntegerAsMonth, kPure);
Cast<integer, month_of_year> const monthFromInteger("month", &IntegerAsMonth, kPure);
Cast<month_of_year, integer> const monthToInteger("integer", &MonthAsInteger, kPure);
Prop const monthNamed("month", "months", &StringAsMonth, kPure);
Cast<inspector_string, month_of_year> const monthFromString("month", &StringAsMonth, kPure);
Cast<month_of_year, inspector_string> const monthToString("string", &MonthAsString, kPure);
Cast<month_of_year, inspector_string> const monthToThreeLetters("three letters",
                                                                &MonthAsThreeLetters, kPure);
Cast<month_of_year, inspector_string> const monthToTwoDigits("two digits", &MonthAsTwoDigits,
                                                             kPure);

// Years.
ComparableInspectorRegistration<year> const comparableYears(kPure);
OperatorPlus<year, month_count, year> const yearLater(kPure);
OperatorPlus<month_count, year, year> const yearLaterFromLeft(kPure);
BinaryOperatorMinus<year, month_count, year> const yearEarlier(kPure);
BinaryOperatorMinus<year, year, month_count> const yearsApart(kPure);
Prop const leap("leap", "leaps", &IsLeapYear, kPure);
Prop const yearLength("length", "lengths", &LengthOfYear, kPure);
Prop const yearNumbered("year", "years", &IntegerAsYear, kPure);
Cast<integer, year> const yearFromInteger("year", &IntegerAsYear, kPure);
Cast<year, integer> const yearToInteger("integer", &YearAsInteger, kPure);
Prop const yearNamed("year", "years", &StringAsYear, kPure);
Cast<inspector_string, year> const yearFromString("year", &StringAsYear, kPure);
Cast<year, inspector_string> const yearToString("string", &YearAsString, kPure);

// Month counts.
ComparableInspectorRegistration<month_count> const comparableMonthCounts(kPure);
Prop const oneMonth("month", "months", &OneMonth, kPure);
Prop const oneYear("year", "years", &OneYear, kPure);
UnaryOperatorMinus<month_count, month_count> const monthCountNegation(kPure);
OperatorPlus<month_count, month_count, month_count> const monthCountSum(kPure);
BinaryOperatorMinus<month_count, month_count, month_count> const monthCountDifference(kPure);
OperatorTimes<integer, month_count, month_count> const monthCountScaledFromLeft(kPure);
OperatorTimes<month_count, integer, month_count> const monthCountScaled(kPure);
OperatorDivide<month_count, month_count, integer> const monthCountRatio(kPure);
OperatorDivide<month_count, integer, month_count> const monthCountDivided(kPure);
OperatorModulo<month_count, month_count, month_count> const monthCountRemainder(kPure);
Cast<month_count, inspector_string> const monthCountToString("string", &MonthCountAsString, kPure);

}  // namespace

}  // namespace inspectors
