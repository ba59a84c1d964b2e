#include "inspectors/time/time_interval.h"

#include <cstdint>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"
#include "inspectors/time/interval_grammar.h"
#include "inspectors/time/value_of_text.h"

namespace inspectors {
namespace {

constexpr std::int64_t kMillisecond = 1'000;
constexpr std::int64_t kSecond = 1'000'000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kWeek = 7 * kDay;

void Append(Buffer& out, ConstData text) {
  if (!out.Write(text).Empty()) throw DataOverflow();
}

void AppendDigits(Buffer& out, std::uint64_t value, std::size_t minimumDigits) {
  Append(out, MakeAsciiDecimalNumeral64(value, minimumDigits));
}

}  // namespace

TimeInterval AsTimeInterval(time_interval const& interval) noexcept {
  return TimeInterval(interval.microseconds.get());
}
time_interval AsTime_interval(TimeInterval interval) noexcept {
  return time_interval{integer(interval.microseconds)};
}

time_interval time_interval_zero() {
  return time_interval{integer(0)};
}
time_interval microsecond_of() {
  return time_interval{integer(1)};
}
time_interval millisecond_of() {
  return time_interval{integer(kMillisecond)};
}
time_interval second_of() {
  return time_interval{integer(kSecond)};
}
time_interval minute_of() {
  return time_interval{integer(kMinute)};
}
time_interval hour_of() {
  return time_interval{integer(kHour)};
}
time_interval day_of() {
  return time_interval{integer(kDay)};
}
time_interval week_of() {
  return time_interval{integer(kWeek)};
}
time_interval greatest_time_interval_of() {
  return time_interval{greatest_integer_of()};
}
time_interval least_time_interval_of() {
  return time_interval{least_integer_of()};
}

boolean operator==(time_interval const& a, time_interval const& b) {
  return a.microseconds == b.microseconds;
}
boolean operator<(time_interval const& a, time_interval const& b) {
  return a.microseconds < b.microseconds;
}
boolean operator<=(time_interval const& a, time_interval const& b) {
  return a.microseconds <= b.microseconds;
}
boolean operator>(time_interval const& a, time_interval const& b) {
  return b.microseconds < a.microseconds;
}

time_interval operator-(time_interval const& a) {
  return time_interval{-a.microseconds};
}
time_interval operator+(time_interval const& a, time_interval const& b) {
  return time_interval{a.microseconds + b.microseconds};
}
time_interval operator-(time_interval const& a, time_interval const& b) {
  return time_interval{a.microseconds - b.microseconds};
}
time_interval operator*(integer const& n, time_interval const& a) {
  return time_interval{n * a.microseconds};
}
time_interval operator*(time_interval const& a, integer const& n) {
  return time_interval{a.microseconds * n};
}
integer operator/(time_interval const& a, time_interval const& b) {
  return a.microseconds / b.microseconds;
}
time_interval operator/(time_interval const& a, integer const& n) {
  return time_interval{a.microseconds / n};
}
time_interval operator%(time_interval const& a, time_interval const& b) {
  return time_interval{a.microseconds % b.microseconds};
}
time_interval absolute_value_of(Of, time_interval const& a) {
  return time_interval{::absolute_value_of(a.microseconds)};
}

Buffer& operator<<(Buffer& out, TimeInterval t) {
  // The magnitude, without negating the least count.
  bool const negative = t.microseconds < 0;
  std::uint64_t const magnitude = negative ? 0 - static_cast<std::uint64_t>(t.microseconds)
                                           : static_cast<std::uint64_t>(t.microseconds);
  constexpr auto kDayCount = static_cast<std::uint64_t>(kDay);
  std::uint64_t const days = magnitude / kDayCount;
  std::uint64_t const rest = magnitude % kDayCount;
  if (negative) Append(out, "-");
  if (days > 0) {
    AppendDigits(out, days, 1);
    Append(out, days == 1 ? " day" : " days");
    if (rest == 0) return out;
    Append(out, ", ");
  }
  AppendDigits(out, rest / kHour, 2);
  Append(out, ":");
  AppendDigits(out, rest % kHour / kMinute, 2);
  Append(out, ":");
  AppendDigits(out, rest % kMinute / kSecond, 2);
  std::uint64_t const fraction = rest % kSecond;
  if (fraction != 0) {
    Append(out, ".");
    AppendDigits(out, fraction / kMillisecond, 3);
    if (fraction % kMillisecond != 0) AppendDigits(out, fraction % kMillisecond, 3);
  }
  return out;
}

USAsciiStringOfCapacity<32> IntervalToText(TimeInterval t) {
  BufferOfSize<32> text;
  text.GetBuffer() << t;
  return USAsciiStringOfCapacity<32>(text.Used());
}

time_interval time_interval_of(unsigned char const* bytes, unsigned long length) {
  return ValueOfText([&] { return AsTime_interval(TextToInterval(ConstData(bytes, bytes + length))); });
}

time_interval StringToTimeInterval(inspector_string const& text) {
  return time_interval_of(text.bytes, text.length);
}

inspector_string asString(time_interval const& interval) {
  return CopyToInspectorString(IntervalToText(AsTimeInterval(interval)).Bytes());
}

Fingerprinter& operator<<(Fingerprinter& f, time_interval const& t) {
  return f << t.microseconds;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;

Type<time_interval, kFingerprinted> const timeIntervalType;
GlobalProperty<time_interval> const microsecond("microsecond", "microseconds", &microsecond_of, kPure);
GlobalProperty<time_interval> const millisecond("millisecond", "milliseconds", &millisecond_of, kPure);
GlobalProperty<time_interval> const second("second", "seconds", &second_of, kPure);
GlobalProperty<time_interval> const minute("minute", "minutes", &minute_of, kPure);
GlobalProperty<time_interval> const hour("hour", "hours", &hour_of, kPure);
GlobalProperty<time_interval> const day("day", "days", &day_of, kPure);
GlobalProperty<time_interval> const week("week", "weeks", &week_of, kPure);
ComparableInspectorRegistration<time_interval> const comparable(kPure);
UnaryOperatorMinus<time_interval, time_interval> const negation(kPure);
OperatorPlus<time_interval, time_interval, time_interval> const sum(kPure);
BinaryOperatorMinus<time_interval, time_interval, time_interval> const difference(kPure);
OperatorTimes<integer, time_interval, time_interval> const scaledFromLeft(kPure);
OperatorTimes<time_interval, integer, time_interval> const scaled(kPure);
OperatorDivide<time_interval, time_interval, integer> const ratio(kPure);
OperatorDivide<time_interval, integer, time_interval> const divided(kPure);
OperatorModulo<time_interval, time_interval, time_interval> const remainder(kPure);
Prop const absoluteValue("absolute value", "absolute values", &absolute_value_of, kPure);
GlobalProperty<time_interval> const greatest("greatest time interval", "greatest time intervals",
                                             &greatest_time_interval_of, kPure);
GlobalProperty<time_interval> const least("least time interval", "least time intervals",
                                          &least_time_interval_of, kPure);
NamedGlobalProperty<time_interval> const named("time interval", "time intervals", &time_interval_of,
                                               kPure);
Cast<inspector_string, time_interval> const fromString("time interval", &StringToTimeInterval, kPure);
Cast<time_interval, inspector_string> const toString("string", &asString, kPure);

}  // namespace

}  // namespace inspectors
