// "rate": a quantity per second, held as a floating-point value with its threshold
// and flags, so that every result carries the significance and the exception flags of
// its computation as floating-point values do.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/numbers/floating_point.h"
#include "inspectors/time/time_interval.h"

namespace inspectors {

struct InspectorRate {
  floating_point perSecond;

  static char const* TypeName() noexcept { return "rate"; }
};

// Comparisons are those of the values per second; anything compared with NaN is
// false. Unique values and extrema order rates as floating-point values are ordered.
bool operator==(InspectorRate const& a, InspectorRate const& b) noexcept;
bool operator<(InspectorRate const& a, InspectorRate const& b) noexcept;
bool operator<=(InspectorRate const& a, InspectorRate const& b) noexcept;
struct RateTotalOrder {
  bool operator()(InspectorRate const& a, InspectorRate const& b) const noexcept;
};

// The floating-point operations on the values per second.
InspectorRate operator-(InspectorRate const& r);
InspectorRate operator+(InspectorRate const& a, InspectorRate const& b);
InspectorRate operator-(InspectorRate const& a, InspectorRate const& b);
InspectorRate operator*(InspectorRate const& r, floating_point const& x);
InspectorRate operator*(floating_point const& x, InspectorRate const& r);
InspectorRate operator/(InspectorRate const& r, floating_point const& x);

// The quantity over an interval: the rate times the interval's microseconds, divided
// by a million. An interval is exact and brings no threshold of its own.
floating_point operator*(InspectorRate const& r, time_interval const& t);
floating_point operator*(time_interval const& t, InspectorRate const& r);
// x per second: x divided by the interval's microseconds, times a million. Over a
// zero interval the rate is an infinity or NaN, flagged as a division by zero is.
InspectorRate operator/(floating_point const& x, time_interval const& t);

// The value's text to its last significant digit, then " per second".
inspector_string asString(InspectorRate const& r);

}  // namespace inspectors
