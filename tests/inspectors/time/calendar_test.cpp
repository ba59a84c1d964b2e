// Day numbers against an independent day-by-day walk of the calendar, leap rules,
// weekdays of dates known from history, and the edges of the calendar's range.
#include "inspectors/time/calendar.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

// The walk's own calendar, kept apart from the one under test.
struct WalkedDate {
  unsigned day = 1;
  unsigned month = 1;
  std::uint64_t year = 0;

  void Advance() {
    static constexpr unsigned kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool const leap = year % 400 == 0 || (year % 100 != 0 && year % 4 == 0);
    unsigned const length = kLengths[month - 1] + (month == 2 && leap ? 1 : 0);
    if (++day <= length) return;
    day = 1;
    if (++month <= 12) return;
    month = 1;
    ++year;
  }
};

void ExpectWalkAgrees(WalkedDate walked, std::int64_t firstDayNumber, std::int64_t days) {
  for (std::int64_t n = firstDayNumber; n < firstDayNumber + days; ++n, walked.Advance()) {
    DateRecord const expected(static_cast<std::uint8_t>(walked.day), static_cast<Month>(walked.month),
                              static_cast<std::uint32_t>(walked.year));
    ASSERT_EQ(expected.AbsoluteDay(), n) << walked.day << "/" << walked.month << "/" << walked.year;
    DateRecord computed;
    computed.SetAbsoluteDay(n);
    ASSERT_EQ(computed, expected) << n;
  }
}

TEST(DayNumbers, AgreeWithADayByDayWalkFromYearZero) {
  // Years 0 to 2739: every leap rule, the Gregorian reform and 1970.
  ExpectWalkAgrees(WalkedDate{}, 0, 1000000);
}

TEST(DayNumbers, AgreeWithTheWalkAtTheLastYears) {
  std::uint32_t const first = DateRecord::kLastYear - 2;
  // The first day number of that year, counted independently of DaysBefore.
  std::int64_t const y = first;
  std::int64_t const start = 365 * y + (y - 1) / 4 - (y - 1) / 100 + (y - 1) / 400 + 1;
  ExpectWalkAgrees(WalkedDate{1, 1, first}, start, 3 * 365);
  EXPECT_EQ(DateRecord::EndOfDayNumbers(), start + 3 * 365);
}

TEST(DayNumbers, KnownAnchors) {
  EXPECT_EQ(DateRecord::DaysBefore(1), 366);
  EXPECT_EQ(DateRecord::DaysBefore(1970), 719528);
  EXPECT_EQ(DateRecord(1, Month::January, 1970).AbsoluteDay(), 719528);
  EXPECT_EQ(DateRecord(6, Month::November, 1994) - DateRecord(1, Month::January, 1970), 9075);
}

TEST(LeapYears, FollowTheCenturyRules) {
  struct {
    std::uint32_t year;
    bool leap;
  } const cases[] = {{0, true},     {4, true},     {100, false},  {1900, false}, {1996, true},
                     {1999, false}, {2000, true},  {2100, false}, {2400, true},  {4294967295u, false}};
  for (auto const& c : cases) {
    EXPECT_EQ(DateRecord::IsLeapYear(c.year), c.leap) << c.year;
    EXPECT_EQ(DateRecord::DaysIn(c.year), c.leap ? 366 : 365) << c.year;
    EXPECT_EQ(DateRecord(29, Month::February, c.year).Valid(), c.leap) << c.year;
  }
}

TEST(DateRecords, ValidOnlyForDaysOfTheMonth) {
  struct {
    DateRecord date;
    bool valid;
  } const cases[] = {
      {{31, Month::January, 2001}, true},         {{32, Month::January, 2001}, false},
      {{0, Month::March, 2001}, false},           {{30, Month::April, 2001}, true},
      {{31, Month::April, 2001}, false},          {{1, static_cast<Month>(0), 2001}, false},
      {{1, static_cast<Month>(13), 2001}, false}, {{31, Month::December, 4294967295u}, true},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(c.date.Valid(), c.valid) << int{c.date.day} << "/" << int(c.date.month);
    if (!c.valid) {
      EXPECT_THROW(c.date.AbsoluteDay(), NoSuchDate);
      EXPECT_THROW(c.date.DayOfWeek(), NoSuchDate);
    }
  }
}

TEST(Weekdays, OfDatesKnownFromHistory) {
  struct {
    DateRecord date;
    DayOfWeek expected;
  } const cases[] = {
      {{1, Month::January, 1970}, DayOfWeek::Thursday},  {{6, Month::November, 1994}, DayOfWeek::Sunday},
      {{4, Month::July, 1776}, DayOfWeek::Thursday},     {{15, Month::October, 1582}, DayOfWeek::Friday},
      {{1, Month::January, 2000}, DayOfWeek::Saturday},  {{29, Month::February, 2024}, DayOfWeek::Thursday},
      {{11, Month::September, 2001}, DayOfWeek::Tuesday}, {{20, Month::July, 1969}, DayOfWeek::Sunday},
  };
  for (auto const& c : cases) EXPECT_EQ(c.date.DayOfWeek(), c.expected) << int(c.date.year);
}

TEST(DateRecords, MoveByDaysAcrossYearsAndTheCalendarsEnds) {
  struct {
    DateRecord from;
    std::int64_t days;
    DateRecord expected;
  } const cases[] = {
      {{31, Month::December, 1999}, 1, {1, Month::January, 2000}},
      {{1, Month::March, 2000}, -1, {29, Month::February, 2000}},
      {{1, Month::March, 1900}, -1, {28, Month::February, 1900}},
      {{1, Month::January, 1}, -366, {1, Month::January, 0}},
      {{1, Month::January, 1970}, 146097, {1, Month::January, 2370}},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(c.from + c.days, c.expected) << c.days;
    EXPECT_EQ(c.expected - c.days, c.from) << c.days;
    EXPECT_EQ(c.expected - c.from, c.days);
  }
  constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
  constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();
  DateRecord first(1, Month::January, 0);
  DateRecord last(31, Month::December, DateRecord::kLastYear);
  EXPECT_THROW(first -= 1, TimeOutOfRange);
  EXPECT_THROW(last += 1, TimeOutOfRange);
  EXPECT_THROW(first += kMost, TimeOutOfRange);
  EXPECT_THROW(first -= kLeast, TimeOutOfRange);
  EXPECT_THROW(last += kLeast, TimeOutOfRange);
  // A failed move leaves the date as it was.
  EXPECT_EQ(first, DateRecord(1, Month::January, 0));
  EXPECT_THROW(DateRecord::YearOf(-1), TimeOutOfRange);
}

TEST(DaysOfTheYear, PastTheYearsEnd) {
  DateRecord date(1, Month::January, 2001);
  EXPECT_THROW(date.SetDayOfYear(365), NoSuchDate);
  date.year = 2000;
  date.SetDayOfYear(365);
  EXPECT_EQ(date, DateRecord(31, Month::December, 2000));
  EXPECT_EQ(MonthOf(400, false), Month::December);
}

TEST(Names, TheTablesEnds) {
  EXPECT_EQ(DayOfWeekToText(DayOfWeek::Saturday), "Sat");
  EXPECT_EQ(FullNameOfDayOfWeek(DayOfWeek::Wednesday), "Wednesday");
  EXPECT_EQ(MonthToText(Month::December), "Dec");
  EXPECT_EQ(FullNameOfMonth(Month::September), "September");
  EXPECT_EQ(MonthToTwoDigits(Month::January), "01");
  EXPECT_EQ(MonthToText(static_cast<Month>(13)), "");
}

}  // namespace
}  // namespace inspectors
