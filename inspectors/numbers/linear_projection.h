// "linear projection": a straight-line trend over time, fitted elsewhere, with its
// rate, its value at a given time and the correlation coefficient of its fit. No
// inspector of the library makes one; projections come from whoever fits them.
#pragma once

#include "framework/registration_object.h"
#include "inspectors/numbers/floating_point.h"
#include "inspectors/numbers/projection.h"
#include "inspectors/numbers/rate.h"
#include "inspectors/time/moment.h"

namespace inspectors {

// The trend is slope * (bin time of t) + intercept.
struct LinearProjection : Projection {
  static char const* TypeName() noexcept { return "linear projection"; }
};

// The slope, per second.
InspectorRate LinearProjectionRate(Of, LinearProjection const& p);
// The trend's value at t.
floating_point LinearExtrapolation(moment const& t, Of, LinearProjection const& p);
floating_point LinearProjectionCorrelationCoefficient(Of, LinearProjection const& p);

}  // namespace inspectors
