// Day numbers against an independent day-by-day walk of the calendar, and the edges of
// the calendar's range. Days of the week are checked against the C library's in
// wall_clock_test.cpp, leap years and the names through queries.
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

// Values outside the enumerations give empty text rather than a read past a table.
TEST(Names, OutsideTheirEnumerationsAreEmpty) {
  for (auto const month : {static_cast<Month>(0), static_cast<Month>(13)}) {
    EXPECT_EQ(MonthToText(month), "");
    EXPECT_EQ(FullNameOfMonth(month), "");
    EXPECT_EQ(MonthToTwoDigits(month), "");
  }
  EXPECT_EQ(DayOfWeekToText(static_cast<DayOfWeek>(7)), "");
  EXPECT_EQ(FullNameOfDayOfWeek(static_cast<DayOfWeek>(7)), "");
}

}  // namespace
}  // namespace inspectors
