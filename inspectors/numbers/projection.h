// What the linear and exponential projections share: a trend fitted over bin time,
// the bin time of moments and the bin durations of intervals, and the making of a
// projected floating-point value.
//
// Bin time is a moment's distance from 1 January 1970 00:00:00 GMT in seconds; a bin
// duration is an interval's length in seconds. Both are doubles.
#pragma once

#include "inspectors/numbers/floating_point.h"
#include "inspectors/time/clock.h"

namespace inspectors {

// A trend fitted over bin time, as whoever fitted it filled it in: the slope per
// second and the intercept (the trend at bin time 0, or its logarithm for an
// exponential trend), the correlation coefficient of the fit, and the precision of
// its results relative to their values.
struct Projection {
  double slope = 0.0;
  double intercept = 0.0;
  double correlationCoefficient = 0.0;
  double relativePrecision = 0.0;
};

double InstantToBinTime(Instant i) noexcept;
double TimeIntervalToBinDuration(TimeInterval d) noexcept;

// The results of projection p, each computed in double precision and widened. The
// threshold of each is the magnitude of the result times p's relative precision; the
// flags are those that computing it raised.
floating_point ProjectedSlope(Projection const& p);                   // slope
floating_point ProjectedLine(Projection const& p, double t);          // slope t + intercept
floating_point ProjectedGrowthFactor(Projection const& p, double d);  // exp(slope d)
floating_point ProjectedExponential(Projection const& p, double t);   // exp(slope t + intercept)
floating_point ProjectedCorrelation(Projection const& p);             // correlation coefficient

}  // namespace inspectors
