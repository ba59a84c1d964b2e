// The inspector type "time range": the moments from a start to an end, both
// included, never reversed. Ranges that only touch intersect in a single moment;
// the sum of two ranges covers both, and what lies between them when they are apart.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/time_interval.h"

namespace inspectors {

struct time_range {
  moment start;
  moment end;
  static char const* TypeName() noexcept { return "time range"; }
};

// The range between two moments, the earlier first.
time_range RangeBetweenMoments(moment const& a, moment const& b);
time_range RangeAfterMoment(moment const& m, time_interval const& i);
time_range RangeBeforeMoment(time_interval const& i, moment const& m);
time_range RangeFromRangeToMoment(time_range const& r, moment const& m);
time_range RangeFromMomentToRange(moment const& m, time_range const& r);
time_range RangeAroundRanges(time_range const& a, time_range const& b);
moment StartOfTimeRange(Of, time_range const& r);
moment EndOfTimeRange(Of, time_range const& r);
time_interval LengthOfTimeRange(Of, time_range const& r);
boolean operator==(time_range const& a, time_range const& b);
// By start, then end.
boolean operator<(time_range const& a, time_range const& b);
time_range operator+(time_range const& a, time_range const& b);
// Ranges apart have no intersection.
time_range operator*(time_range const& a, time_range const& b);
boolean RangeContainsMoment(time_range const& r, moment const& m);
boolean RangeContainsRange(time_range const& a, time_range const& b);
// The parts of the range before and after a moment within it; a moment outside has
// none.
time_range TimeRangeBefore(moment const& m, Of, time_range const& r);
time_range TimeRangeAfter(moment const& m, Of, time_range const& r);
// The first or last stretch of the given length, or the whole range when it is
// shorter; a negative length has none.
time_range InitialTimeRange(time_interval const& i, Of, time_range const& r);
time_range FinalTimeRange(time_interval const& i, Of, time_range const& r);
// Both ends in local time, joined by " to ".
inspector_string asString(time_range const& r);
Fingerprinter& operator<<(Fingerprinter& f, time_range const& r);

}  // namespace inspectors
