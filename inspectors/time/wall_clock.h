// Wall-clock time: the time of day, time zones as offsets from GMT, and the date and
// time as read in a zone, with the conversions between them and instants.
#pragma once

#include <compare>
#include <cstdint>

#include "inspectors/time/calendar.h"
#include "inspectors/time/clock.h"

namespace inspectors {

inline constexpr std::int64_t kSecondsPerDay = 86400;
// The day number of 1 January 1970.
inline constexpr std::int64_t kDayNumberOf1970 = 719528;

// Hours, minutes and seconds; valid below 24:00:00 (no leap seconds). Arithmetic goes
// through the second of the day and wraps around midnight in either direction.
struct TimeOfDay {
  std::uint8_t hour = 0;
  std::uint8_t minute = 0;
  std::uint8_t second = 0;

  constexpr TimeOfDay() noexcept = default;
  constexpr TimeOfDay(std::uint8_t h, std::uint8_t m, std::uint8_t s) noexcept
      : hour(h), minute(m), second(s) {}

  constexpr bool Valid() const noexcept { return hour < 24 && minute < 60 && second < 60; }
  constexpr std::int32_t SecondOfDay() const noexcept { return hour * 3600 + minute * 60 + second; }
  // Any count of seconds, reduced to the day (floored: -1 is 23:59:59).
  void SetSecondOfDay(std::int64_t seconds) noexcept;

  TimeOfDay& operator+=(std::int64_t seconds) noexcept;
  TimeOfDay& operator-=(std::int64_t seconds) noexcept;
  // Seconds from `other` to this time within one day, from -86399 to 86399.
  constexpr std::int32_t operator-(TimeOfDay const& other) const noexcept {
    return SecondOfDay() - other.SecondOfDay();
  }

  friend constexpr auto operator<=>(TimeOfDay const&, TimeOfDay const&) noexcept = default;
};

// The offset of local time from GMT in seconds, positive east of Greenwich: +0100 is
// 3600 and -0500 is -18000.
struct TimeZone {
  std::int32_t secondsEastOfGMT = 0;

  constexpr TimeZone() noexcept = default;
  constexpr explicit TimeZone(std::int32_t seconds) noexcept : secondsEastOfGMT(seconds) {}

  // The machine's zone now, read afresh at each call.
  static TimeZone Local();
  // The machine's zone at the given instant: the daylight-saving rules in force then,
  // not those of today.
  static TimeZone LocalAt(Instant instant);

  // This offset minus the other's, in seconds.
  constexpr std::int64_t operator-(TimeZone const& other) const noexcept {
    return std::int64_t{secondsEastOfGMT} - other.secondsEastOfGMT;
  }
  friend constexpr auto operator<=>(TimeZone const&, TimeZone const&) noexcept = default;
};

// The date and time of day as read on a clock in a zone. Two of them compare and
// subtract by the instants they name, so the same instant read in two zones is equal;
// the calculations throw `NoSuchDate` for a date that is not valid.
struct TimeObject {
  DateRecord date;
  TimeOfDay time;
  TimeZone zone;

  // 1 January 1970 00:00:00 +0000.
  constexpr TimeObject() noexcept = default;
  constexpr TimeObject(DateRecord d, TimeOfDay t, TimeZone z) noexcept : date(d), time(t), zone(z) {}
  constexpr TimeObject(std::uint8_t day, Month month, std::uint32_t year, std::uint8_t hour,
                       std::uint8_t minute, std::uint8_t second, TimeZone z) noexcept
      : date(day, month, year), time(hour, minute, second), zone(z) {}
  // The instant as read in the zone; the microseconds within the second are dropped,
  // rounding down (one microsecond before 1970 is 23:59:59 on 31 December 1969). An
  // instant before year 0 throws `TimeOutOfRange`.
  TimeObject(Instant instant, TimeZone z);

  bool Valid() const noexcept { return date.Valid() && time.Valid(); }

  // Seconds since 1 January 1970 00:00:00 GMT of the instant named.
  std::int64_t SecondsSince1970() const;

  // Moves the clock by seconds, carrying into the date; `TimeOutOfRange` when the date
  // leaves the calendar.
  TimeObject& operator+=(std::int64_t seconds);
  TimeObject operator+(std::int64_t seconds) const { return TimeObject(*this) += seconds; }
  TimeObject operator-(std::int64_t seconds) const;
  // Reads the same instant on a clock in another zone.
  void SetTimeZone(TimeZone z);

  // Seconds from `other`'s instant to this one's.
  std::int64_t operator-(TimeObject const& other) const;
  friend bool operator==(TimeObject const& a, TimeObject const& b);
  friend std::weak_ordering operator<=>(TimeObject const& a, TimeObject const& b);
};

// The instant a wall-clock reading names; `TimeOutOfRange` beyond 64-bit microseconds.
Instant InstantOf(TimeObject const& time);

// 1 January 1970 00:00:00 +0000.
TimeObject TimeZero() noexcept;
// The date of `Instant::Now()` in the zone.
DateRecord Today(TimeZone zone);

// A time of day in a zone, without a date.
struct ZonedTimeOfDay {
  TimeOfDay time;
  TimeZone zone;

  constexpr ZonedTimeOfDay() noexcept = default;
  constexpr ZonedTimeOfDay(TimeOfDay t, TimeZone z) noexcept : time(t), zone(z) {}

  // The same moment of the day on a clock in another zone, wrapping around midnight.
  void SetTimeZone(TimeZone z) noexcept;

  // Equal when they are the same moment of the day in GMT.
  friend bool operator==(ZonedTimeOfDay const& a, ZonedTimeOfDay const& b) noexcept;
};

}  // namespace inspectors
