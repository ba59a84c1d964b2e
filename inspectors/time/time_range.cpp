#include "inspectors/time/time_range.h"

#include <cstdint>
#include <string>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"
#include "inspectors/time/time_text.h"

namespace inspectors {
namespace {

std::int64_t Count(moment const& m) noexcept {
  return m.sinceJanuary1970.microseconds.get();
}
std::int64_t Count(time_interval const& i) noexcept {
  return i.microseconds.get();
}
moment MomentAt(std::int64_t microseconds) noexcept {
  return moment{time_interval{integer(microseconds)}};
}

moment Earlier(moment const& a, moment const& b) {
  return b < a ? b : a;
}
moment Later(moment const& a, moment const& b) {
  return a < b ? b : a;
}

// m + i, or no value when that moment cannot be counted.
moment Shifted(moment const& m, time_interval const& i) {
  if (!CanAdd(Count(m), Count(i))) throw NoSuchObject();
  return MomentAt(Count(m) + Count(i));
}
moment ShiftedBack(moment const& m, time_interval const& i) {
  if (!CanSubtract(Count(m), Count(i))) throw NoSuchObject();
  return MomentAt(Count(m) - Count(i));
}

// How far the end lies after the start: never negative, so it always fits 64
// unsigned bits.
std::uint64_t Span(time_range const& r) noexcept {
  return static_cast<std::uint64_t>(Count(r.End())) - static_cast<std::uint64_t>(Count(r.Start()));
}

// A cut to length i: no value for a negative i; whether the range is longer than i.
bool LongerThan(time_range const& r, time_interval const& i) {
  if (Count(i) < 0) throw NoSuchObject();
  return static_cast<std::uint64_t>(Count(i)) < Span(r);
}

void AppendLocalText(std::string& text, moment const& m) {
  Instant const instant = AsInstant(m);
  try {
    text += TimeToText(instant, TimeZone::LocalAt(instant)).Bytes().AsStringView();
  } catch (TimeOutOfRange const&) {
    throw NoSuchObject();
  }
}

}  // namespace

time_range::time_range(moment const& a, moment const& b)
    : start_(Earlier(a, b)), end_(Later(a, b)) {}

boolean operator==(time_range const& a, time_range const& b) {
  return a.Start() == b.Start() && a.End() == b.End();
}
boolean operator<(time_range const& a, time_range const& b) {
  if (a.Start() == b.Start()) return a.End() < b.End();
  return a.Start() < b.Start();
}

time_range RangeBetweenMoments(moment const& a, moment const& b) {
  return time_range(a, b);
}
time_range RangeAfterMoment(moment const& m, time_interval const& i) {
  return time_range(m, Shifted(m, i));
}
time_range RangeBeforeMoment(time_interval const& i, moment const& m) {
  return time_range(ShiftedBack(m, i), m);
}
time_range RangeFromRangeToMoment(time_range const& r, moment const& m) {
  return time_range(Earlier(r.Start(), m), Later(r.End(), m));
}
time_range RangeFromMomentToRange(moment const& m, time_range const& r) {
  return RangeFromRangeToMoment(r, m);
}
time_range RangeAroundRanges(time_range const& a, time_range const& b) {
  return time_range(Earlier(a.Start(), b.Start()), Later(a.End(), b.End()));
}

moment StartOfTimeRange(Of, time_range const& r) {
  return r.Start();
}
moment EndOfTimeRange(Of, time_range const& r) {
  return r.End();
}
time_interval LengthOfTimeRange(Of, time_range const& r) {
  if (!CanSubtract(Count(r.End()), Count(r.Start()))) throw NoSuchObject();
  return r.End() - r.Start();
}

time_range operator+(time_range const& a, time_range const& b) {
  return RangeAroundRanges(a, b);
}
time_range operator*(time_range const& a, time_range const& b) {
  if (a.End() < b.Start() || b.End() < a.Start()) throw NoSuchObject();
  return time_range(Later(a.Start(), b.Start()), Earlier(a.End(), b.End()));
}

boolean RangeContainsMoment(time_range const& r, moment const& m) {
  return r.Start() <= m && m <= r.End();
}
boolean RangeContainsRange(time_range const& outer, time_range const& inner) {
  return outer.Start() <= inner.Start() && inner.End() <= outer.End();
}

time_range TimeRangeBefore(moment const& m, Of, time_range const& r) {
  if (!RangeContainsMoment(r, m)) throw NoSuchObject();
  return time_range(r.Start(), m);
}
time_range TimeRangeAfter(moment const& m, Of, time_range const& r) {
  if (!RangeContainsMoment(r, m)) throw NoSuchObject();
  return time_range(m, r.End());
}
// Within the range the cut end lies between its two ends, so it always fits.
time_range InitialTimeRange(time_interval const& i, Of, time_range const& r) {
  if (!LongerThan(r, i)) return r;
  return time_range(r.Start(), MomentAt(Count(r.Start()) + Count(i)));
}
time_range FinalTimeRange(time_interval const& i, Of, time_range const& r) {
  if (!LongerThan(r, i)) return r;
  return time_range(MomentAt(Count(r.End()) - Count(i)), r.End());
}

inspector_string asString(time_range const& r) {
  std::string text;
  AppendLocalText(text, r.Start());
  text += " to ";
  AppendLocalText(text, r.End());
  return CopyToInspectorString(std::string_view(text));
}

Fingerprinter& operator<<(Fingerprinter& f, time_range const& r) {
  return f << r.Start() << r.End();
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
using Range = time_range;

Type<Range, kFingerprinted> const timeRangeType;
UniqueValuesInspectorRegistration<Range> const uniqueValues(kPure);
RelationEqual<Range, Range> const equal(kPure);
OperatorConcatenate<moment, moment, Range> const between(kPure, &RangeBetweenMoments);
OperatorConcatenate<moment, time_interval, Range> const after(kPure, &RangeAfterMoment);
OperatorConcatenate<time_interval, moment, Range> const before(kPure, &RangeBeforeMoment);
OperatorConcatenate<Range, moment, Range> const toMoment(kPure, &RangeFromRangeToMoment);
OperatorConcatenate<moment, Range, Range> const fromMoment(kPure, &RangeFromMomentToRange);
OperatorConcatenate<Range, Range, Range> const around(kPure, &RangeAroundRanges);
Prop const start("start", "starts", &StartOfTimeRange, kPure);
Prop const end("end", "ends", &EndOfTimeRange, kPure);
Prop const length("length", "lengths", &LengthOfTimeRange, kPure);
OperatorPlus<Range, Range, Range> const cover(kPure);
OperatorTimes<Range, Range, Range> const intersection(kPure);
RelationContains<Range, moment> const containsMoment(kPure, &RangeContainsMoment);
RelationContains<Range, Range> const containsRange(kPure, &RangeContainsRange);
Prop const rangeBefore("range before", "ranges before", &TimeRangeBefore, kPure);
Prop const rangeAfter("range after", "ranges after", &TimeRangeAfter, kPure);
Prop const initialPart("initial part", "initial parts", &InitialTimeRange, kPure);
Prop const finalPart("final part", "final parts", &FinalTimeRange, kPure);
// Each end is written in the machine's zone.
Cast<Range, inspector_string> const toString("string", &asString, kDependsOnLocalTimeZone);
TimedValueRegistration<integer> const timedIntegers;
TimedValueRegistration<boolean> const timedBooleans;

}  // namespace

}  // namespace inspectors
