#include "inspectors/time/time_range.h"

#include <string>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

moment Earlier(moment const& a, moment const& b) {
  return b < a ? b : a;
}
moment Later(moment const& a, moment const& b) {
  return a < b ? b : a;
}

}  // namespace

time_range RangeBetweenMoments(moment const& a, moment const& b) {
  return time_range{Earlier(a, b), Later(a, b)};
}
time_range RangeAfterMoment(moment const& m, time_interval const& i) {
  return RangeBetweenMoments(m, m + i);
}
time_range RangeBeforeMoment(time_interval const& i, moment const& m) {
  return RangeBetweenMoments(m - i, m);
}
time_range RangeFromRangeToMoment(time_range const& r, moment const& m) {
  return time_range{Earlier(r.start, m), Later(r.end, m)};
}
time_range RangeFromMomentToRange(moment const& m, time_range const& r) {
  return RangeFromRangeToMoment(r, m);
}
time_range RangeAroundRanges(time_range const& a, time_range const& b) {
  return time_range{Earlier(a.start, b.start), Later(a.end, b.end)};
}
moment StartOfTimeRange(Of, time_range const& r) {
  return r.start;
}
moment EndOfTimeRange(Of, time_range const& r) {
  return r.end;
}
time_interval LengthOfTimeRange(Of, time_range const& r) {
  return r.end - r.start;
}
boolean operator==(time_range const& a, time_range const& b) {
  return a.start == b.start && a.end == b.end;
}
boolean operator<(time_range const& a, time_range const& b) {
  return a.start < b.start || (a.start == b.start && a.end < b.end);
}
time_range operator+(time_range const& a, time_range const& b) {
  return RangeAroundRanges(a, b);
}
time_range operator*(time_range const& a, time_range const& b) {
  if (a.end < b.start || b.end < a.start) throw NoSuchObject();
  return time_range{Later(a.start, b.start), Earlier(a.end, b.end)};
}
boolean RangeContainsMoment(time_range const& r, moment const& m) {
  return r.start <= m && m <= r.end;
}
boolean RangeContainsRange(time_range const& a, time_range const& b) {
  return a.start <= b.start && b.end <= a.end;
}
time_range TimeRangeBefore(moment const& m, Of, time_range const& r) {
  if (!RangeContainsMoment(r, m)) throw NoSuchObject();
  return time_range{r.start, m};
}
time_range TimeRangeAfter(moment const& m, Of, time_range const& r) {
  if (!RangeContainsMoment(r, m)) throw NoSuchObject();
  return time_range{m, r.end};
}
time_range InitialTimeRange(time_interval const& i, Of, time_range const& r) {
  if (i < time_interval_zero()) throw NoSuchObject();
  // Measured from the start, so that no length is computed that could overflow.
  if (r.end - i < r.start) return r;
  return time_range{r.start, r.start + i};
}
time_range FinalTimeRange(time_interval const& i, Of, time_range const& r) {
  if (i < time_interval_zero()) throw NoSuchObject();
  if (r.end - i < r.start) return r;
  return time_range{r.end - i, r.end};
}
inspector_string asString(time_range const& r) {
  inspector_string const start = asLocalString(r.start);
  inspector_string const end = asLocalString(r.end);
  std::string text(reinterpret_cast<char const*>(start.bytes), start.length);
  text += " to ";
  text.append(reinterpret_cast<char const*>(end.bytes), end.length);
  return CopyToInspectorString(std::string_view(text));
}
Fingerprinter& operator<<(Fingerprinter& f, time_range const& r) {
  return f << r.start << r.end;
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;

Type<time_range, kFingerprinted> const timeRangeType;
UniqueValuesInspectorRegistration<time_range> const uniqueValues(kPure);
RelationEqual<time_range, time_range> const equal(kPure);
OperatorConcatenate<moment, moment, time_range> const between(kPure, &RangeBetweenMoments);
OperatorConcatenate<moment, time_interval, time_range> const after(kPure, &RangeAfterMoment);
OperatorConcatenate<time_interval, moment, time_range> const before(kPure, &RangeBeforeMoment);
OperatorConcatenate<time_range, moment, time_range> const rangeToMoment(kPure,
                                                                        &RangeFromRangeToMoment);
OperatorConcatenate<moment, time_range, time_range> const momentToRange(kPure,
                                                                        &RangeFromMomentToRange);
OperatorConcatenate<time_range, time_range, time_range> const around(kPure, &RangeAroundRanges);
Prop const start("start", "starts", &StartOfTimeRange, kPure);
Prop const end("end", "ends", &EndOfTimeRange, kPure);
Prop const length("length", "lengths", &LengthOfTimeRange, kPure);
OperatorPlus<time_range, time_range, time_range> const unionOfRanges(kPure);
OperatorTimes<time_range, time_range, time_range> const intersection(kPure);
RelationContains<time_range, moment> const containsMoment(kPure, &RangeContainsMoment);
RelationContains<time_range, time_range> const containsRange(kPure, &RangeContainsRange);
Prop const rangeBefore("range before", "ranges before", &TimeRangeBefore, kPure);
Prop const rangeAfter("range after", "ranges after", &TimeRangeAfter, kPure);
Prop const initialPart("initial part", "initial parts", &InitialTimeRange, kPure);
Prop const finalPart("final part", "final parts", &FinalTimeRange, kPure);
// Local time: the text follows the machine's zone.
Cast<time_range, inspector_string> const toString("string", &asString, kDependsOnLocalTimeZone);

}  // namespace

}  // namespace inspectors
