#include "inspectors/time/zoned_time_of_day.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"
#include "inspectors/time/value_of_text.h"

namespace inspectors {
namespace {

// The clock reading t of zone `from` as read on the clock of zone `to`. Each zone is
// reduced to the day first, so that no zone, however far out, makes it overflow.
time_of_day Clock(time_of_day const& t, time_zone const& from, time_zone const& to) {
  return time_of_day(t.SinceMidnight() + WithinOneDay(from.universalMinusLocal) -
                     WithinOneDay(to.universalMinusLocal));
}

template <class Read>
zoned_time_of_day ReadZoned(inspector_string const& text, Read read) {
  return ValueOfText(
      [&] { return AsZoned_time_of_day(read(ConstData(text.bytes, text.bytes + text.length))); });
}

}  // namespace

zoned_time_of_day AsZoned_time_of_day(ZonedTimeOfDay time) {
  return zoned_time_of_day{AsTime_of_day(time.time), AsTime_zone(time.zone)};
}
ZonedTimeOfDay AsZonedTimeOfDay(zoned_time_of_day const& time) {
  return ZonedTimeOfDay(AsTimeOfDay(time.time), AsTimeZone(time.zone));
}

zoned_time_of_day InZone(zoned_time_of_day const& z, time_zone const& zone) {
  return zoned_time_of_day{Clock(z.time, z.zone, zone), zone};
}
time_of_day UniversalTimeOfDay(zoned_time_of_day const& z) {
  return Clock(z.time, z.zone, universal_time_zone_of());
}

boolean operator==(zoned_time_of_day const& a, zoned_time_of_day const& b) {
  return UniversalTimeOfDay(a) == UniversalTimeOfDay(b);
}
boolean operator<(zoned_time_of_day const& a, zoned_time_of_day const& b) {
  return UniversalTimeOfDay(a) < UniversalTimeOfDay(b);
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
  return InZone(z, zone);
}
zoned_time_of_day TimeZoneAndZonedTimeOfDay(time_zone const& zone, zoned_time_of_day const& z) {
  return InZone(z, zone);
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
  return Clock(a.time, a.zone, b.zone) - b.time;
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
  return ReadZoned(text, [](ConstData t) { return TextToZonedTimeOfDay(t); });
}
zoned_time_of_day StringAsUniversalZonedTimeOfDay(inspector_string const& text) {
  return ReadZoned(text, [](ConstData t) { return TextToZonedTimeOfDay(t, TimeZone()); });
}
zoned_time_of_day StringAsLocalZonedTimeOfDay(inspector_string const& text) {
  return ReadZoned(text, [](ConstData t) { return TextToZonedTimeOfDay(t, TimeZone::Local()); });
}

inspector_string ZonedTimeOfDayAsString(zoned_time_of_day const& z) {
  return CopyToInspectorString(ZonedTimeOfDayToText(AsZonedTimeOfDay(z)).Bytes());
}

zoned_time_of_day TimeOfMoment(time_zone const& zone, Of, moment const& m) {
  time_of_day const universal(m.sinceJanuary1970);
  return zoned_time_of_day{Clock(universal, universal_time_zone_of(), zone), zone};
}
zoned_time_of_day CurrentTimeInZone(time_zone const& zone) {
  return TimeOfMoment(zone, Of{}, moment_now());
}
zoned_time_of_day CurrentTime() {
  return CurrentTimeInZone(local_time_zone_of());
}

Fingerprinter& operator<<(Fingerprinter& f, zoned_time_of_day const& z) {
  return f << z.time << z.zone;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
using Zoned = zoned_time_of_day;

Type<Zoned, kFingerprinted> const zonedTimeOfDayType;
UniqueValuesInspectorRegistration<Zoned> const uniqueValues(kPure);
RelationEqual<Zoned, Zoned> const equal(kPure);
Prop const clockReading("time", "times", &TimeOfZonedTimeOfDay, kPure);
Prop const zoneOfClock("zone", "zones", &ZoneOfZonedTimeOfDay, kPure);
OperatorConcatenate<time_of_day, time_zone, Zoned> const timeAndZone(kPure, &TimeOfDayAndTimeZone);
OperatorConcatenate<time_zone, time_of_day, Zoned> const zoneAndTime(kPure, &TimeZoneAndTimeOfDay);
OperatorConcatenate<Zoned, time_zone, Zoned> const zonedAndZone(kPure, &ZonedTimeOfDayAndTimeZone);
OperatorConcatenate<time_zone, Zoned, Zoned> const zoneAndZoned(kPure, &TimeZoneAndZonedTimeOfDay);
OperatorPlus<Zoned, time_interval, Zoned> const later(kPure);
OperatorPlus<time_interval, Zoned, Zoned> const laterFromLeft(kPure);
BinaryOperatorMinus<Zoned, time_interval, Zoned> const earlier(kPure);
BinaryOperatorMinus<Zoned, Zoned, time_interval> const apart(kPure);
Prop const hourOfDay("hour_of_day", "hours_of_day", &ZonedHourOfDay, kPure);
Prop const minuteOfHour("minute_of_hour", "minutes_of_hour", &ZonedMinuteOfHour, kPure);
Prop const secondOfMinute("second_of_minute", "seconds_of_minute", &ZonedSecondOfMinute, kPure);
Prop const twoDigitHour("two digit hour", "two digit hours", &ZonedTwoDigitHour, kPure);
Prop const twoDigitMinute("two digit minute", "two digit minutes", &ZonedTwoDigitMinute, kPure);
Prop const twoDigitSecond("two digit second", "two digit seconds", &ZonedTwoDigitSecond, kPure);
Prop const named("zoned time_of_day", "zoned times_of_day", &StringAsZonedTimeOfDay, kPure);
Cast<inspector_string, Zoned> const fromString("zoned time_of_day", &StringAsZonedTimeOfDay, kPure);
Cast<inspector_string, Zoned> const fromUniversalString("universal zoned time_of_day",
                                                        &StringAsUniversalZonedTimeOfDay, kPure);
// Text without a zone is read in the machine's zone, so the result depends on it.
Cast<inspector_string, Zoned> const fromLocalString("local zoned time_of_day",
                                                    &StringAsLocalZonedTimeOfDay,
                                                    kDependsOnLocalTimeZone);
Cast<Zoned, inspector_string> const toString("string", &ZonedTimeOfDayAsString, kPure);
Prop const timeOfMoment("time", "times", &TimeOfMoment, kPure);
// The clock is read afresh each time: never cached.
Prop const currentInZone("current time_of_day", "current times_of_day", &CurrentTimeInZone,
                         kDependsOnMachineState);
Prop const current("current time_of_day", "current times_of_day", &CurrentTime,
                   kDependsOnMachineState);

}  // namespace

}  // namespace inspectors
