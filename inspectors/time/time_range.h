// The inspector type "time range": the closed span between two moments, never
// reversed. Ranges grow to cover moments and other ranges, intersect, contain, and
// are cut at a moment or to a length. A range whose end cannot be counted (beyond
// the moments of 64-bit microseconds), an empty intersection and a cut outside the
// range have no value.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/time_interval.h"

namespace inspectors {

class time_range {
 public:
  // The range between two moments given in either order.
  time_range(moment const& a, moment const& b);

  moment const& Start() const noexcept { return start_; }
  moment const& End() const noexcept { return end_; }

  static char const* TypeName() noexcept { return "time range"; }

 private:
  moment start_;
  moment end_;
};

// Both ends equal.
boolean operator==(time_range const& a, time_range const& b);
// By start, then by end.
boolean operator<(time_range const& a, time_range const& b);

// The concatenations: the range between two moments; from a moment for an interval,
// or for an interval up to a moment (a negative interval reaches the other way);
// and the smallest range that covers a range and a moment, or two ranges.
time_range RangeBetweenMoments(moment const& a, moment const& b);
time_range RangeAfterMoment(moment const& m, time_interval const& i);
time_range RangeBeforeMoment(time_interval const& i, moment const& m);
time_range RangeFromRangeToMoment(time_range const& r, moment const& m);
time_range RangeFromMomentToRange(moment const& m, time_range const& r);
time_range RangeAroundRanges(time_range const& a, time_range const& b);

moment StartOfTimeRange(Of, time_range const& r);
moment EndOfTimeRange(Of, time_range const& r);
// End less start; a range longer than the greatest interval has no length.
time_interval LengthOfTimeRange(Of, time_range const& r);

// The smallest range that covers both, even when they are apart.
time_range operator+(time_range const& a, time_range const& b);
// The moments in both; ranges that only touch meet in one moment, ranges apart have
// no intersection.
time_range operator*(time_range const& a, time_range const& b);

// Ends included.
boolean RangeContainsMoment(time_range const& r, moment const& m);
boolean RangeContainsRange(time_range const& outer, time_range const& inner);

// The part of r up to m, and from m on; m outside r has neither.
time_range TimeRangeBefore(moment const& m, Of, time_range const& r);
time_range TimeRangeAfter(moment const& m, Of, time_range const& r);
// The first and the last i of r, or all of r when it is no longer than i; a negative
// i has neither.
time_range InitialTimeRange(time_interval const& i, Of, time_range const& r);
time_range FinalTimeRange(time_interval const& i, Of, time_range const& r);

// "Sun, 06 Nov 1994 08:49:37 +0100 to Sun, 06 Nov 1994 09:49:37 +0100": each end in
// the machine's zone in force at that end, as a time's own text.
inspector_string asString(time_range const& r);

Fingerprinter& operator<<(Fingerprinter& f, time_range const& r);

}  // namespace inspectors
