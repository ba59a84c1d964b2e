#include "inspectors/time/calendar.h"

#include <array>

#include "foundation/exceptions.h"
#include "foundation/overflow.h"

namespace inspectors {
namespace {

constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 7> kFullDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<std::string_view, 12> kFullMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 12> kMonthDigits = {"01", "02", "03", "04", "05", "06",
                                                           "07", "08", "09", "10", "11", "12"};

constexpr std::array<std::uint8_t, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<std::uint16_t, 12> kDaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                            181, 212, 243, 273, 304, 334};

constexpr std::size_t MonthIndex(Month month) noexcept {
  return static_cast<std::size_t>(month) - 1;
}

template <std::size_t N>
std::string_view NameIn(std::array<std::string_view, N> const& names, std::size_t index) noexcept {
  return index < N ? names[index] : std::string_view{};
}

void RequireValid(DateRecord const& date) {
  if (!date.Valid()) throw NoSuchDate();
}

}  // namespace

std::string_view DayOfWeekToText(DayOfWeek day) noexcept {
  return NameIn(kDayNames, static_cast<std::size_t>(day));
}
std::string_view FullNameOfDayOfWeek(DayOfWeek day) noexcept {
  return NameIn(kFullDayNames, static_cast<std::size_t>(day));
}
std::string_view MonthToText(Month month) noexcept {
  return NameIn(kMonthNames, MonthIndex(month));
}
std::string_view FullNameOfMonth(Month month) noexcept {
  return NameIn(kFullMonthNames, MonthIndex(month));
}
std::string_view MonthToTwoDigits(Month month) noexcept {
  return NameIn(kMonthDigits, MonthIndex(month));
}

std::uint8_t DaysIn(Month month, bool leap) noexcept {
  if (!IsMonth(month)) return 0;
  return static_cast<std::uint8_t>(kDaysInMonth[MonthIndex(month)] + (leap && month == Month::February));
}

std::uint16_t DaysBefore(Month month, bool leap) noexcept {
  if (!IsMonth(month)) return 0;
  return static_cast<std::uint16_t>(kDaysBeforeMonth[MonthIndex(month)] + (leap && month > Month::February));
}

Month MonthOf(std::uint16_t dayOfYear, bool leap) noexcept {
  // 29 February (day 59 of a leap year) stays in February; later days shift back one.
  unsigned const d = leap && dayOfYear >= 59 ? dayOfYear - 1u : dayOfYear;
  std::size_t m = kDaysBeforeMonth.size();
  while (m > 1 && d < kDaysBeforeMonth[m - 1]) --m;
  return static_cast<Month>(m);
}

std::int64_t DateRecord::EndOfDayNumbers() noexcept {
  return DaysBefore(kLastYear) + DaysIn(kLastYear);
}

std::uint32_t DateRecord::YearOf(std::int64_t dayNumber) {
  if (dayNumber < 0 || dayNumber >= EndOfDayNumbers()) throw TimeOutOfRange();
  // 146097 days in every 400 years; the estimate is within one year of the answer.
  std::int64_t year = dayNumber / 146097 * 400 + dayNumber % 146097 * 400 / 146097;
  if (year > kLastYear) year = kLastYear;
  while (DaysBefore(static_cast<std::uint32_t>(year)) > dayNumber) --year;
  while (year < kLastYear && DaysBefore(static_cast<std::uint32_t>(year + 1)) <= dayNumber) ++year;
  return static_cast<std::uint32_t>(year);
}

bool DateRecord::Valid() const noexcept {
  return IsMonth(month) && day >= 1 && day <= inspectors::DaysIn(month, IsLeapYear(year));
}

std::uint16_t DateRecord::DayOfYear() const {
  RequireValid(*this);
  return static_cast<std::uint16_t>(day + inspectors::DaysBefore(month, IsLeapYear(year)) - 1);
}

void DateRecord::SetDayOfYear(std::uint16_t dayOfYear) {
  bool const leap = IsLeapYear(year);
  if (dayOfYear >= DaysIn(year)) throw NoSuchDate();
  month = MonthOf(dayOfYear, leap);
  day = static_cast<std::uint8_t>(dayOfYear - inspectors::DaysBefore(month, leap) + 1);
}

std::int64_t DateRecord::AbsoluteDay() const {
  return DaysBefore(year) + DayOfYear();
}

void DateRecord::SetAbsoluteDay(std::int64_t dayNumber) {
  std::uint32_t const y = YearOf(dayNumber);
  year = y;
  SetDayOfYear(static_cast<std::uint16_t>(dayNumber - DaysBefore(y)));
}

DayOfWeek DateRecord::DayOfWeek() const {
  // Day 0, 1 January of year 0, was a Saturday.
  return static_cast<inspectors::DayOfWeek>((AbsoluteDay() + 6) % 7);
}

DateRecord& DateRecord::operator+=(std::int64_t days) {
  std::int64_t const from = AbsoluteDay();
  if (!CanAdd(from, days)) throw TimeOutOfRange();
  SetAbsoluteDay(from + days);
  return *this;
}

DateRecord& DateRecord::operator-=(std::int64_t days) {
  std::int64_t const from = AbsoluteDay();
  if (!CanSubtract(from, days)) throw TimeOutOfRange();
  SetAbsoluteDay(from - days);
  return *this;
}

}  // namespace inspectors
