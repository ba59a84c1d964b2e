#include "inspectors/time/time_of_day.h"

#include <cstdint>
#include <cstdio>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/time/floored_division.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"

namespace inspectors {
namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
constexpr std::int64_t kMicrosecondsPerDay = 86'400 * kMicrosecondsPerSecond;

// Reduced to the day first, so that no sum below can overflow, whatever the interval.
std::int64_t WithinDay(time_interval const& t) noexcept {
  return FlooredRemainder(t.microseconds.get(), kMicrosecondsPerDay);
}

time_of_day FromMicroseconds(std::int64_t microseconds) noexcept {
  return time_of_day{time_interval{integer(FlooredRemainder(microseconds, kMicrosecondsPerDay))}};
}

std::int64_t Micros(time_of_day const& t) noexcept {
  return t.sinceMidnight.microseconds.get();
}

inspector_string TwoDigits(std::int64_t n) {
  char text[3];
  std::snprintf(text, sizeof text, "%02d", static_cast<int>(n));
  return CopyToInspectorString(std::string_view(text, 2));
}

// Text that is no time of day, or names one that does not exist, has no value.
template <class Read>
auto Reading(Read read) -> decltype(read()) {
  try {
    return read();
  } catch (ParsingFailure const&) {
    throw NoSuchObject();
  } catch (StackFull const&) {
    throw NoSuchObject();
  } catch (InvalidTime const&) {
    throw NoSuchObject();
  }
}

}  // namespace

time_of_day TimeOfDayAfterMidnight(time_interval const& t) {
  return FromMicroseconds(WithinDay(t));
}
time_of_day AsTime_of_day(TimeOfDay time) noexcept {
  return FromMicroseconds(std::int64_t{time.SecondOfDay()} * kMicrosecondsPerSecond);
}
TimeOfDay AsTimeOfDay(time_of_day const& t) noexcept {
  TimeOfDay time;
  time.SetSecondOfDay(Micros(t) / kMicrosecondsPerSecond);
  return time;
}
zoned_time_of_day AsZoned_time_of_day(ZonedTimeOfDay time) noexcept {
  return zoned_time_of_day{AsTime_of_day(time.time), AsTime_zone(time.zone)};
}
ZonedTimeOfDay AsZonedTimeOfDay(zoned_time_of_day const& z) {
  return ZonedTimeOfDay(AsTimeOfDay(z.time), AsTimeZone(z.zone));
}
zoned_time_of_day ExpressedIn(zoned_time_of_day const& z, time_zone const& zone) {
  // Local time is universal time minus the zone's value.
  std::int64_t const shift = WithinDay(z.zone.universalMinusLocal) - WithinDay(zone.universalMinusLocal);
  return zoned_time_of_day{FromMicroseconds(Micros(z.time) + shift), zone};
}

time_of_day Midnight() {
  return FromMicroseconds(0);
}
time_of_day Noon() {
  return FromMicroseconds(kMicrosecondsPerDay / 2);
}
boolean operator==(time_of_day const& a, time_of_day const& b) {
  return Micros(a) == Micros(b);
}
boolean operator<(time_of_day const& a, time_of_day const& b) {
  return Micros(a) < Micros(b);
}
boolean operator<=(time_of_day const& a, time_of_day const& b) {
  return Micros(a) <= Micros(b);
}
boolean operator>(time_of_day const& a, time_of_day const& b) {
  return Micros(a) > Micros(b);
}
time_of_day operator+(time_of_day const& t, time_interval const& i) {
  return FromMicroseconds(Micros(t) + WithinDay(i));
}
time_of_day operator+(time_interval const& i, time_of_day const& t) {
  return t + i;
}
time_of_day operator-(time_of_day const& t, time_interval const& i) {
  return FromMicroseconds(Micros(t) - WithinDay(i));
}
time_interval operator-(time_of_day const& a, time_of_day const& b) {
  return FromMicroseconds(Micros(a) - Micros(b)).sinceMidnight;
}
integer HourOfDay(Of, time_of_day const& t) {
  return integer(Micros(t) / (3600 * kMicrosecondsPerSecond));
}
integer MinuteOfHour(Of, time_of_day const& t) {
  return integer(Micros(t) / (60 * kMicrosecondsPerSecond) % 60);
}
integer SecondOfMinute(Of, time_of_day const& t) {
  return integer(Micros(t) / kMicrosecondsPerSecond % 60);
}
inspector_string TwoDigitHour(Of, time_of_day const& t) {
  return TwoDigits(HourOfDay(Of{}, t).get());
}
inspector_string TwoDigitMinute(Of, time_of_day const& t) {
  return TwoDigits(MinuteOfHour(Of{}, t).get());
}
inspector_string TwoDigitSecond(Of, time_of_day const& t) {
  return TwoDigits(SecondOfMinute(Of{}, t).get());
}
time_of_day StringAsTimeOfDay(inspector_string const& text) {
  return Reading([&] { return AsTime_of_day(TextToTimeOfDay(AsConstData(text))); });
}
inspector_string TimeOfDayAsString(time_of_day const& t) {
  return CopyToInspectorString(TimeOfDayToText(AsTimeOfDay(t)).Bytes());
}

boolean operator==(zoned_time_of_day const& a, zoned_time_of_day const& b) {
  return ExpressedIn(a, b.zone).time == b.time;
}
boolean operator<(zoned_time_of_day const& a, zoned_time_of_day const& b) {
  return ExpressedIn(a, b.zone).time < b.time;
}
time_of_day TimeOfZonedTimeOfDay(Of, zoned_time_of_day const& z) {
  return z.time;
}
time_zone ZoneOfZonedTimeOfDay(Of, zoned_time_of_day const& z) {
  return z.zone;
}
zoned_time_of_day TimeOfDayAndTimeZone(time_of_day const& t, time_zone const& zone) {
  return zoned_time_of_day{t, zone};
}
zoned_time_of_day TimeZoneAndTimeOfDay(time_zone const& zone, time_of_day const& t) {
  return zoned_time_of_day{t, zone};
}
zoned_time_of_day ZonedTimeOfDayAndTimeZone(zoned_time_of_day const& z, time_zone const& zone) {
  return ExpressedIn(z, zone);
}
zoned_time_of_day TimeZoneAndZonedTimeOfDay(time_zone const& zone, zoned_time_of_day const& z) {
  return ExpressedIn(z, zone);
}
zoned_time_of_day operator+(zoned_time_of_day const& z, time_interval const& i) {
  return zoned_time_of_day{z.time + i, z.zone};
}
zoned_time_of_day operator+(time_interval const& i, zoned_time_of_day const& z) {
  return z + i;
}
zoned_time_of_day operator-(zoned_time_of_day const& z, time_interval const& i) {
  return zoned_time_of_day{z.time - i, z.zone};
}
time_interval operator-(zoned_time_of_day const& a, zoned_time_of_day const& b) {
  return ExpressedIn(a, b.zone).time - b.time;
}
integer ZonedHourOfDay(Of, zoned_time_of_day const& z) {
  return HourOfDay(Of{}, z.time);
}
integer ZonedMinuteOfHour(Of, zoned_time_of_day const& z) {
  return MinuteOfHour(Of{}, z.time);
}
integer ZonedSecondOfMinute(Of, zoned_time_of_day const& z) {
  return SecondOfMinute(Of{}, z.time);
}
inspector_string ZonedTwoDigitHour(Of, zoned_time_of_day const& z) {
  return TwoDigitHour(Of{}, z.time);
}
inspector_string ZonedTwoDigitMinute(Of, zoned_time_of_day const& z) {
  return TwoDigitMinute(Of{}, z.time);
}
inspector_string ZonedTwoDigitSecond(Of, zoned_time_of_day const& z) {
  return TwoDigitSecond(Of{}, z.time);
}
zoned_time_of_day StringAsZonedTimeOfDay(inspector_string const& text) {
  return Reading([&] { return AsZoned_time_of_day(TextToZonedTimeOfDay(AsConstData(text))); });
}
zoned_time_of_day StringAsUniversalZonedTimeOfDay(inspector_string const& text) {
  return Reading(
      [&] { return AsZoned_time_of_day(TextToZonedTimeOfDay(AsConstData(text), TimeZone())); });
}
zoned_time_of_day StringAsLocalZonedTimeOfDay(inspector_string const& text) {
  return Reading([&] {
    return AsZoned_time_of_day(TextToZonedTimeOfDay(AsConstData(text), TimeZone::Local()));
  });
}
inspector_string ZonedTimeOfDayAsString(zoned_time_of_day const& z) {
  return CopyToInspectorString(ZonedTimeOfDayToText(AsZonedTimeOfDay(z)).Bytes());
}
zoned_time_of_day TimeOfMoment(time_zone const& zone, Of, moment const& m) {
  std::int64_t const local = WithinDay(m.sinceJanuary1970) - WithinDay(zone.universalMinusLocal);
  return zoned_time_of_day{FromMicroseconds(local), zone};
}
zoned_time_of_day CurrentTimeInZone(time_zone const& zone) {
  return TimeOfMoment(zone, Of{}, moment_now());
}
zoned_time_of_day CurrentTime() {
  return CurrentTimeInZone(local_time_zone_of());
}

Fingerprinter& operator<<(Fingerprinter& f, time_of_day const& t) {
  return f << t.sinceMidnight;
}
Fingerprinter& operator<<(Fingerprinter& f, zoned_time_of_day const& z) {
  return f << z.time << z.zone;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
// The current readings depend on the clock and the machine's zone.
constexpr auto kClock = kDependsOnMachineState;

Type<time_of_day, kFingerprinted> const timeOfDayType;
Type<zoned_time_of_day, kFingerprinted> const zonedTimeOfDayType;

ComparableInspectorRegistration<time_of_day> const comparable(kPure);
OperatorPlus<time_of_day, time_interval, time_of_day> const later(kPure);
OperatorPlus<time_interval, time_of_day, time_of_day> const laterFromLeft(kPure);
BinaryOperatorMinus<time_of_day, time_interval, time_of_day> const earlier(kPure);
BinaryOperatorMinus<time_of_day, time_of_day, time_interval> const apart(kPure);
Prop const midnight("midnight", "midnights", &Midnight, kPure);
Prop const noon("noon", "noons", &Noon, kPure);
Prop const hourOfDay("hour_of_day", "hours_of_day", &HourOfDay, kPure);
Prop const minuteOfHour("minute_of_hour", "minutes_of_hour", &MinuteOfHour, kPure);
Prop const secondOfMinute("second_of_minute", "seconds_of_minute", &SecondOfMinute, kPure);
Prop const twoDigitHour("two digit hour", "two digit hours", &TwoDigitHour, kPure);
Prop const twoDigitMinute("two digit minute", "two digit minutes", &TwoDigitMinute, kPure);
Prop const twoDigitSecond("two digit second", "two digit seconds", &TwoDigitSecond, kPure);
Prop const timeOfDayNamed("time_of_day", "times_of_day", &StringAsTimeOfDay, kPure);
Cast<inspector_string, time_of_day> const fromString("time_of_day", &StringAsTimeOfDay, kPure);
Cast<time_of_day, inspector_string> const toString("string", &TimeOfDayAsString, kPure);

UniqueValuesInspectorRegistration<zoned_time_of_day> const zonedUniqueValues(kPure);
RelationEqual<zoned_time_of_day, zoned_time_of_day> const zonedEqual(kPure);
Prop const timeOfZoned("time", "times", &TimeOfZonedTimeOfDay, kPure);
Prop const zoneOfZoned("zone", "zones", &ZoneOfZonedTimeOfDay, kPure);
OperatorConcatenate<time_of_day, time_zone, zoned_time_of_day> const timeAndZone(
    kPure, &TimeOfDayAndTimeZone);
OperatorConcatenate<time_zone, time_of_day, zoned_time_of_day> const zoneAndTime(
    kPure, &TimeZoneAndTimeOfDay);
OperatorConcatenate<zoned_time_of_day, time_zone, zoned_time_of_day> const zonedAndZone(
    kPure, &ZonedTimeOfDayAndTimeZone);
OperatorConcatenate<time_zone, zoned_time_of_day, zoned_time_of_day> const zoneAndZoned(
    kPure, &TimeZoneAndZonedTimeOfDay);
OperatorPlus<zoned_time_of_day, time_interval, zoned_time_of_day> const zonedLater(kPure);
OperatorPlus<time_interval, zoned_time_of_day, zoned_time_of_day> const zonedLaterFromLeft(kPure);
BinaryOperatorMinus<zoned_time_of_day, time_interval, zoned_time_of_day> const zonedEarlier(kPure);
BinaryOperatorMinus<zoned_time_of_day, zoned_time_of_day, time_interval> const zonedApart(kPure);
Prop const zonedHourOfDay("hour_of_day", "hours_of_day", &ZonedHourOfDay, kPure);
Prop const zonedMinuteOfHour("minute_of_hour", "minutes_of_hour", &ZonedMinuteOfHour, kPure);
Prop const zonedSecondOfMinute("second_of_minute", "seconds_of_minute", &ZonedSecondOfMinute,
                               kPure);
Prop const zonedTwoDigitHour("two digit hour", "two digit hours", &ZonedTwoDigitHour, kPure);
Prop const zonedTwoDigitMinute("two digit minute", "two digit minutes", &ZonedTwoDigitMinute,
                               kPure);
Prop const zonedTwoDigitSecond("two digit second", "two digit seconds", &ZonedTwoDigitSecond,
                               kPure);
Prop const zonedNamed("zoned time_of_day", "zoned times_of_day", &StringAsZonedTimeOfDay, kPure);
Cast<inspector_string, zoned_time_of_day> const zonedFromString("zoned time_of_day",
                                                                &StringAsZonedTimeOfDay, kPure);
Cast<inspector_string, zoned_time_of_day> const universalFromString(
    "universal zoned time_of_day", &StringAsUniversalZonedTimeOfDay, kPure);
Cast<inspector_string, zoned_time_of_day> const localFromString(
    "local zoned time_of_day", &StringAsLocalZonedTimeOfDay, kDependsOnLocalTimeZone);
Cast<zoned_time_of_day, inspector_string> const zonedToString("string", &ZonedTimeOfDayAsString,
                                                              kPure);
Prop const timeOfMoment("time", "times", &TimeOfMoment, kPure);
Prop const currentTimeInZone("current time_of_day", "current times_of_day", &CurrentTimeInZone,
                             kClock);
Prop const currentTime("current time_of_day", "current times_of_day", &CurrentTime, kClock);

}  // namespace

}  // namespace inspectors
