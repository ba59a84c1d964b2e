#include "inspectors/time/moment.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/time/time_automaton.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"
#include "inspectors/time/value_of_text.h"

namespace inspectors {
namespace {

// The instant a wall-clock reading names in the machine's zone. The zone is the one
// in force at that instant, found from the reading taken as GMT and checked once
// more, since the offset may change between the two.
Instant LocalInstantOf(DateRecord date, TimeOfDay time) {
  TimeZone zone = TimeZone::LocalAt(InstantOf(TimeObject(date, time, TimeZone())));
  Instant instant = InstantOf(TimeObject(date, time, zone));
  TimeZone const there = TimeZone::LocalAt(instant);
  if (there != zone) instant = InstantOf(TimeObject(date, time, there));
  return instant;
}

enum class ZonelessText { kRejected, kUniversal, kLocal };

moment Read(unsigned char const* bytes, unsigned long length, ZonelessText zoneless) {
  return ValueOfText([&] {
    TimeAutomaton automaton;
    Parse(ConstData(bytes, bytes + length), automaton);
    if (automaton.ZoneKnown()) {
      return MomentOfTimeObject(TimeObject(automaton.Date(), automaton.Time(), automaton.Zone()));
    }
    switch (zoneless) {
      case ZonelessText::kUniversal:
        return MomentOfTimeObject(TimeObject(automaton.Date(), automaton.Time(), TimeZone()));
      case ZonelessText::kLocal:
        return AsMoment(LocalInstantOf(automaton.Date(), automaton.Time()));
      case ZonelessText::kRejected:
        break;
    }
    throw NoTimeZone();
  });
}

inspector_string TextIn(moment const& m, TimeZone zone) {
  try {
    return CopyToInspectorString(TimeToText(AsInstant(m), zone).Bytes());
  } catch (TimeOutOfRange const&) {
    throw NoSuchObject();
  }
}

}  // namespace

moment january_1_1970() {
  return moment{time_interval_zero()};
}
moment AsMoment(Instant instant) noexcept {
  return moment{AsTime_interval(instant - Instant::Jan_1_1970_GMT())};
}
Instant AsInstant(moment const& m) noexcept {
  return Instant::Jan_1_1970_GMT() + AsTimeInterval(m.sinceJanuary1970);
}
moment MomentOfTimeObject(TimeObject const& time) {
  return AsMoment(InstantOf(time));
}

moment time_of(unsigned char const* bytes, unsigned long length) {
  return Read(bytes, length, ZonelessText::kRejected);
}
moment universal_time_of(unsigned char const* bytes, unsigned long length) {
  return Read(bytes, length, ZonelessText::kUniversal);
}
moment local_time_of(unsigned char const* bytes, unsigned long length) {
  return Read(bytes, length, ZonelessText::kLocal);
}
moment asTime(inspector_string const& text) {
  return time_of(text.bytes, text.length);
}
moment asUniversalTime(inspector_string const& text) {
  return universal_time_of(text.bytes, text.length);
}
moment asLocalTime(inspector_string const& text) {
  return local_time_of(text.bytes, text.length);
}

moment moment_now() {
  return AsMoment(Instant::Now());
}

boolean operator==(moment const& a, moment const& b) {
  return a.sinceJanuary1970 == b.sinceJanuary1970;
}
boolean operator<(moment const& a, moment const& b) {
  return a.sinceJanuary1970 < b.sinceJanuary1970;
}
boolean operator<=(moment const& a, moment const& b) {
  return a.sinceJanuary1970 <= b.sinceJanuary1970;
}
boolean operator>(moment const& a, moment const& b) {
  return a.sinceJanuary1970 > b.sinceJanuary1970;
}

moment operator+(moment const& m, time_interval const& t) {
  return moment{m.sinceJanuary1970 + t};
}
moment operator+(time_interval const& t, moment const& m) {
  return moment{t + m.sinceJanuary1970};
}
moment operator-(moment const& m, time_interval const& t) {
  return moment{m.sinceJanuary1970 - t};
}
time_interval operator-(moment const& a, moment const& b) {
  return a.sinceJanuary1970 - b.sinceJanuary1970;
}

inspector_string asUniversalString(moment const& m) {
  return TextIn(m, TimeZone());
}
inspector_string asLocalString(moment const& m) {
  return TextIn(m, TimeZone::LocalAt(AsInstant(m)));
}
inspector_string asString(moment const& m) {
  return asLocalString(m);
}

Fingerprinter& operator<<(Fingerprinter& f, moment const& m) {
  return f << m.sinceJanuary1970;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
constexpr auto kLocal = kDependsOnLocalTimeZone;

Type<moment, kFingerprinted> const momentType;
NamedGlobalProperty<moment> const named("time", "times", &time_of, kPure);
NamedGlobalProperty<moment> const namedLocal("local time", "local times", &local_time_of, kLocal);
NamedGlobalProperty<moment> const namedUniversal("universal time", "universal times",
                                                 &universal_time_of, kPure);
Cast<inspector_string, moment> const fromString("time", &asTime, kPure);
Cast<inspector_string, moment> const fromLocalString("local time", &asLocalTime, kLocal);
Cast<inspector_string, moment> const fromUniversalString("universal time", &asUniversalTime, kPure);
GlobalProperty<moment> const now("now", "nows", &moment_now, kDependsOnMachineState);
ComparableInspectorRegistration<moment> const comparable(kPure);
OperatorPlus<moment, time_interval, moment> const later(kPure);
OperatorPlus<time_interval, moment, moment> const laterFromLeft(kPure);
BinaryOperatorMinus<moment, time_interval, moment> const earlier(kPure);
BinaryOperatorMinus<moment, moment, time_interval> const elapsed(kPure);
// The plain string is the local one, so it depends on the zone as that one does.
Cast<moment, inspector_string> const toString("string", &asString, kLocal);
Cast<moment, inspector_string> const toLocalString("local string", &asLocalString, kLocal);
Cast<moment, inspector_string> const toUniversalString("universal string", &asUniversalString, kPure);

}  // namespace

}  // namespace inspectors
