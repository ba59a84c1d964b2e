#include "inspectors/time/time_zone.h"

#include <cstdint>
#include <limits>
#include <string>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/time/floored_division.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"
#include "inspectors/time/value_of_text.h"

namespace inspectors {
namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;

// A zone is read as the zone of a full date and time, which must come back unchanged:
// text that adds fields of its own is no zone.
constexpr char kDateAndTime[] = "09 Mar 1999 00:00:00 ";
constexpr TimeObject kDateAndTimeRead(9, Month::March, 1999, 0, 0, 0, TimeZone());

}  // namespace

TimeZone AsTimeZone(time_zone const& zone) {
  integer const east = -zone.universalMinusLocal.microseconds;
  std::int64_t const seconds = FlooredQuotient(east.get(), kMicrosecondsPerSecond);
  if (seconds < std::numeric_limits<std::int32_t>::min() ||
      seconds > std::numeric_limits<std::int32_t>::max()) {
    throw IntegerOverflow();
  }
  return TimeZone(static_cast<std::int32_t>(seconds));
}
time_zone AsTime_zone(TimeZone zone) noexcept {
  return time_zone{time_interval{integer(-std::int64_t{zone.secondsEastOfGMT} * kMicrosecondsPerSecond)}};
}

time_zone universal_time_zone_of() {
  return time_zone{time_interval_zero()};
}
time_zone local_time_zone_of() {
  return AsTime_zone(TimeZone::Local());
}

boolean operator==(time_zone const& a, time_zone const& b) {
  return a.universalMinusLocal == b.universalMinusLocal;
}
boolean operator<(time_zone const& a, time_zone const& b) {
  return a.universalMinusLocal < b.universalMinusLocal;
}

time_zone operator+(time_zone const& z, time_interval const& t) {
  return time_zone{z.universalMinusLocal + t};
}
time_zone operator+(time_interval const& t, time_zone const& z) {
  return time_zone{t + z.universalMinusLocal};
}
time_zone operator-(time_zone const& z, time_interval const& t) {
  return time_zone{z.universalMinusLocal - t};
}
time_interval operator-(time_zone const& a, time_zone const& b) {
  return a.universalMinusLocal - b.universalMinusLocal;
}

time_zone time_zone_of(unsigned char const* bytes, unsigned long length) {
  std::string text(kDateAndTime);
  text.append(reinterpret_cast<char const*>(bytes), length);
  TimeObject const read = ValueOfText([&] { return TextToTime(ConstData(text)); });
  if (read.date != kDateAndTimeRead.date || read.time != kDateAndTimeRead.time) throw NoSuchObject();
  return AsTime_zone(read.zone);
}
time_zone asTimeZone(inspector_string const& text) {
  return time_zone_of(text.bytes, text.length);
}

inspector_string asString(time_zone const& zone) {
  return CopyToInspectorString(TimeZoneToText(AsTimeZone(zone)).Bytes());
}

Fingerprinter& operator<<(Fingerprinter& f, time_zone const& z) {
  return f << z.universalMinusLocal;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;

Type<time_zone, kFingerprinted> const timeZoneType;
GlobalProperty<time_zone> const universal("universal time zone", "universal time zones",
                                          &universal_time_zone_of, kPure);
GlobalProperty<time_zone> const local("local time zone", "local time zones", &local_time_zone_of,
                                      kDependsOnMachineState);
OperatorPlus<time_zone, time_interval, time_zone> const moved(kPure);
OperatorPlus<time_interval, time_zone, time_zone> const movedFromLeft(kPure);
BinaryOperatorMinus<time_zone, time_zone, time_interval> const apart(kPure);
BinaryOperatorMinus<time_zone, time_interval, time_zone> const movedBack(kPure);
RelationEqual<time_zone, time_zone> const equal(kPure);
NamedGlobalProperty<time_zone> const named("time zone", "time zones", &time_zone_of, kPure);
Cast<inspector_string, time_zone> const fromString("time zone", &asTimeZone, kPure);
Cast<time_zone, inspector_string> const toString("string", &asString, kPure);
UniqueValuesInspectorRegistration<time_zone> const uniqueValues(kPure);

}  // namespace

}  // namespace inspectors
