// The proleptic Gregorian calendar with a year 0: months, days of the week, and the
// date record with its day-number arithmetic. Day number 0 is 1 January of year 0 and
// 1 January 1970 is day 719528; every year from 0 to 4294967295 has day numbers, so
// a day number is a signed 64-bit count that never overflows within that range.
#pragma once

#include <compare>
#include <cstdint>
#include <string_view>

namespace inspectors {

enum class Month : std::uint8_t {
  January = 1,
  February,
  March,
  April,
  May,
  June,
  July,
  August,
  September,
  October,
  November,
  December
};

enum class DayOfWeek : std::uint8_t { Sunday = 0, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

// The names. A value outside its enumeration gives empty text.
std::string_view DayOfWeekToText(DayOfWeek day) noexcept;      // "Sun"
std::string_view FullNameOfDayOfWeek(DayOfWeek day) noexcept;  // "Sunday"
std::string_view MonthToText(Month month) noexcept;            // "Jan"
std::string_view FullNameOfMonth(Month month) noexcept;        // "January"
std::string_view MonthToTwoDigits(Month month) noexcept;       // "01"

constexpr bool IsMonth(Month month) noexcept {
  return month >= Month::January && month <= Month::December;
}

// Days in the month; February has 29 when `leap`. Not a month: 0.
std::uint8_t DaysIn(Month month, bool leap) noexcept;
// Days of the year before the month's first day. Not a month: 0.
std::uint16_t DaysBefore(Month month, bool leap) noexcept;
// The month containing a zero-based day of the year; a day past the year's end
// gives December.
Month MonthOf(std::uint16_t dayOfYear, bool leap) noexcept;

// A calendar date. Any field values can be stored; `Valid()` says whether they name a
// day. Every calculation from the fields (day of the year, day number, day of the
// week, moving, subtracting) throws `NoSuchDate` on a record that is not valid, and
// every result before year 0 or past year 4294967295 throws `TimeOutOfRange`.
struct DateRecord {
  std::uint8_t day = 1;
  Month month = Month::January;
  std::uint32_t year = 1970;

  constexpr DateRecord() noexcept = default;
  constexpr DateRecord(std::uint8_t d, Month m, std::uint32_t y) noexcept : day(d), month(m), year(y) {}

  static constexpr std::uint32_t kLastYear = 0xFFFFFFFFu;

  static constexpr bool IsLeapYear(std::uint32_t y) noexcept {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
  }
  static constexpr std::uint16_t DaysIn(std::uint32_t y) noexcept { return IsLeapYear(y) ? 366 : 365; }
  // Days in all the years from 0 up to y - 1: 0 for year 0, 366 for year 1.
  static constexpr std::int64_t DaysBefore(std::uint32_t y) noexcept {
    std::int64_t const n = y;
    return 365 * n + (n + 3) / 4 - (n + 99) / 100 + (n + 399) / 400;
  }
  // The year containing the day number; `TimeOutOfRange` outside the calendar.
  static std::uint32_t YearOf(std::int64_t dayNumber);
  // The first day number past the calendar: 1 January of the year after the last.
  static std::int64_t EndOfDayNumbers() noexcept;

  bool Valid() const noexcept;

  // Zero-based: 1 January is 0.
  std::uint16_t DayOfYear() const;
  // Month and day from a zero-based day of the record's year; a day past the end of
  // that year throws `NoSuchDate`.
  void SetDayOfYear(std::uint16_t dayOfYear);

  std::int64_t AbsoluteDay() const;
  void SetAbsoluteDay(std::int64_t dayNumber);
  inspectors::DayOfWeek DayOfWeek() const;

  // Moves by whole days, backward for a negative count.
  DateRecord& operator+=(std::int64_t days);
  DateRecord& operator-=(std::int64_t days);
  friend DateRecord operator+(DateRecord date, std::int64_t days) { return date += days; }
  friend DateRecord operator-(DateRecord date, std::int64_t days) { return date -= days; }
  // Days from `other` to this date.
  std::int64_t operator-(DateRecord const& other) const { return AbsoluteDay() - other.AbsoluteDay(); }

  friend constexpr bool operator==(DateRecord const&, DateRecord const&) noexcept = default;
  // By year, then month, then day.
  friend constexpr std::strong_ordering operator<=>(DateRecord const& a, DateRecord const& b) noexcept {
    if (auto c = a.year <=> b.year; c != 0) return c;
    if (auto c = a.month <=> b.month; c != 0) return c;
    return a.day <=> b.day;
  }
};

}  // namespace inspectors
