#include "inspectors/time/time_of_day.h"

#include <cstdint>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"
#include "inspectors/time/value_of_text.h"

namespace inspectors {
namespace {

inspector_string TwoDigits(integer const& n) {
  return CopyToInspectorString(
      MakeAsciiDecimalNumeral64(static_cast<std::uint64_t>(n.get()), 2).Bytes());
}

}  // namespace

time_interval WithinOneDay(time_interval const& t) {
  return t % day_of();
}

time_of_day::time_of_day(time_interval const& sinceMidnight)
    : sinceMidnight_(WithinOneDay(sinceMidnight)) {}

time_of_day AsTime_of_day(TimeOfDay time) {
  return time_of_day(time_interval{integer(std::int64_t{time.SecondOfDay()} * 1'000'000)});
}
TimeOfDay AsTimeOfDay(time_of_day const& time) {
  TimeOfDay clock;
  clock.SetSecondOfDay((time.SinceMidnight() / second_of()).get());
  return clock;
}

time_of_day Midnight() {
  return time_of_day();
}
time_of_day Noon() {
  return time_of_day(12 * hour_of());
}

boolean operator==(time_of_day const& a, time_of_day const& b) {
  return a.SinceMidnight() == b.SinceMidnight();
}
boolean operator<(time_of_day const& a, time_of_day const& b) {
  return a.SinceMidnight() < b.SinceMidnight();
}
boolean operator<=(time_of_day const& a, time_of_day const& b) {
  return a.SinceMidnight() <= b.SinceMidnight();
}

// The interval is reduced to the day first, so that no interval, however long,
// makes the sum overflow.
time_of_day operator+(time_of_day const& t, time_interval const& i) {
  return time_of_day(t.SinceMidnight() + WithinOneDay(i));
}
time_of_day operator+(time_interval const& i, time_of_day const& t) {
  return t + i;
}
time_of_day operator-(time_of_day const& t, time_interval const& i) {
  return time_of_day(t.SinceMidnight() - WithinOneDay(i));
}
time_interval operator-(time_of_day const& a, time_of_day const& b) {
  return WithinOneDay(a.SinceMidnight() - b.SinceMidnight());
}

integer HourOfDay(Of, time_of_day const& t) {
  return t.SinceMidnight() / hour_of();
}
integer MinuteOfHour(Of, time_of_day const& t) {
  return t.SinceMidnight() % hour_of() / minute_of();
}
integer SecondOfMinute(Of, time_of_day const& t) {
  return t.SinceMidnight() % minute_of() / second_of();
}
inspector_string TwoDigitHour(Of, time_of_day const& t) {
  return TwoDigits(HourOfDay(Of{}, t));
}
inspector_string TwoDigitMinute(Of, time_of_day const& t) {
  return TwoDigits(MinuteOfHour(Of{}, t));
}
inspector_string TwoDigitSecond(Of, time_of_day const& t) {
  return TwoDigits(SecondOfMinute(Of{}, t));
}

time_of_day StringAsTimeOfDay(inspector_string const& text) {
  return ValueOfText(
      [&] { return AsTime_of_day(TextToTimeOfDay(ConstData(text.bytes, text.bytes + text.length))); });
}

inspector_string TimeOfDayAsString(time_of_day const& t) {
  return CopyToInspectorString(TimeOfDayToText(AsTimeOfDay(t)).Bytes());
}

Fingerprinter& operator<<(Fingerprinter& f, time_of_day const& t) {
  return f << t.SinceMidnight();
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;

Type<time_of_day, kFingerprinted> const timeOfDayType;
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
Prop const named("time_of_day", "times_of_day", &StringAsTimeOfDay, kPure);
Cast<inspector_string, time_of_day> const fromString("time_of_day", &StringAsTimeOfDay, kPure);
Cast<time_of_day, inspector_string> const toString("string", &TimeOfDayAsString, kPure);

}  // namespace

}  // namespace inspectors
