#include "inspectors/time/wall_clock.h"

#include <limits>

#include "foundation/exceptions.h"
#include "foundation/overflow.h"
#include "inspectors/time/floored_division.h"
#include "platform/local_time_zone.h"

namespace inspectors {
namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1000000;

}  // namespace

void TimeOfDay::SetSecondOfDay(std::int64_t seconds) noexcept {
  auto const s = static_cast<std::int32_t>(FlooredRemainder(seconds, kSecondsPerDay));
  hour = static_cast<std::uint8_t>(s / 3600);
  minute = static_cast<std::uint8_t>(s / 60 % 60);
  second = static_cast<std::uint8_t>(s % 60);
}

TimeOfDay& TimeOfDay::operator+=(std::int64_t seconds) noexcept {
  SetSecondOfDay(SecondOfDay() + FlooredRemainder(seconds, kSecondsPerDay));
  return *this;
}

TimeOfDay& TimeOfDay::operator-=(std::int64_t seconds) noexcept {
  SetSecondOfDay(SecondOfDay() - FlooredRemainder(seconds, kSecondsPerDay));
  return *this;
}

TimeZone TimeZone::Local() {
  return TimeZone(MacintoshPlatform::CurrentGMTOffsetSeconds());
}

TimeZone TimeZone::LocalAt(Instant instant) {
  std::int64_t const seconds = FlooredQuotient(instant.microseconds, kMicrosecondsPerSecond);
  return TimeZone(MacintoshPlatform::ReadLocalZoneAt(seconds).secondsEastOfGMT);
}

TimeObject::TimeObject(Instant instant, TimeZone z) : zone(z) {
  // At most 2^63 / 10^6 seconds either way, so adding the offset cannot overflow.
  std::int64_t const local =
      FlooredQuotient(instant.microseconds, kMicrosecondsPerSecond) + z.secondsEastOfGMT;
  date.SetAbsoluteDay(kDayNumberOf1970 + FlooredQuotient(local, kSecondsPerDay));
  time.SetSecondOfDay(local);
}

std::int64_t TimeObject::SecondsSince1970() const {
  // Day numbers stay below 2^41, so the product and sums stay far inside 64 bits.
  return (date.AbsoluteDay() - kDayNumberOf1970) * kSecondsPerDay + time.SecondOfDay() -
         zone.secondsEastOfGMT;
}

TimeObject& TimeObject::operator+=(std::int64_t seconds) {
  std::int64_t const clock = time.SecondOfDay() + FlooredRemainder(seconds, kSecondsPerDay);
  std::int64_t const days = FlooredQuotient(seconds, kSecondsPerDay) + clock / kSecondsPerDay;
  date += days;  // leaves the date as it was when it throws
  time.SetSecondOfDay(clock);
  return *this;
}

TimeObject TimeObject::operator-(std::int64_t seconds) const {
  // 2^63 seconds is far past the calendar's last year.
  if (seconds == std::numeric_limits<std::int64_t>::min()) throw TimeOutOfRange();
  return *this + -seconds;
}

void TimeObject::SetTimeZone(TimeZone z) {
  *this += z - zone;
  zone = z;
}

std::int64_t TimeObject::operator-(TimeObject const& other) const {
  return SecondsSince1970() - other.SecondsSince1970();
}

bool operator==(TimeObject const& a, TimeObject const& b) {
  return a.SecondsSince1970() == b.SecondsSince1970();
}

std::weak_ordering operator<=>(TimeObject const& a, TimeObject const& b) {
  return a.SecondsSince1970() <=> b.SecondsSince1970();
}

Instant InstantOf(TimeObject const& time) {
  std::int64_t const seconds = time.SecondsSince1970();
  if (!CanMultiply(seconds, kMicrosecondsPerSecond)) throw TimeOutOfRange();
  return Instant(seconds * kMicrosecondsPerSecond);
}

TimeObject TimeZero() noexcept {
  return TimeObject();
}

DateRecord Today(TimeZone zone) {
  return TimeObject(Instant::Now(), zone).date;
}

void ZonedTimeOfDay::SetTimeZone(TimeZone z) noexcept {
  time += z - zone;
  zone = z;
}

bool operator==(ZonedTimeOfDay const& a, ZonedTimeOfDay const& b) noexcept {
  return FlooredRemainder(std::int64_t{a.time.SecondOfDay()} - a.zone.secondsEastOfGMT, kSecondsPerDay) ==
         FlooredRemainder(std::int64_t{b.time.SecondOfDay()} - b.zone.secondsEastOfGMT, kSecondsPerDay);
}

}  // namespace inspectors
