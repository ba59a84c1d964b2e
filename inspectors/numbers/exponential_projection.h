// "exponential projection": a trend of exponential growth over time, fitted
// elsewhere, with its growth factor over an interval, its value at a given time and
// the correlation coefficient of its fit. No inspector of the library makes one;
// projections come from whoever fits them.
#pragma once

#include "framework/registration_object.h"
#include "inspectors/numbers/floating_point.h"
#include "inspectors/numbers/projection.h"
#include "inspectors/time/moment.h"
#include "inspectors/time/time_interval.h"

namespace inspectors {

// The trend is exp(slope * (bin time of t) + intercept).
struct ExponentialProjection : Projection {
  static char const* TypeName() noexcept { return "exponential projection"; }
};

// The factor the trend grows by over d: exp(slope * d in seconds); 1 over no time.
floating_point ExponentialProjectionRate(time_interval const& d, Of,
                                         ExponentialProjection const& p);
// The trend's value at t.
floating_point ExponentialExtrapolation(moment const& t, Of, ExponentialProjection const& p);
floating_point ExponentialProjectionCorrelationCoefficient(Of, ExponentialProjection const& p);

}  // namespace inspectors
