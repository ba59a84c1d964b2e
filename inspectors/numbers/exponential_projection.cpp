#include "inspectors/numbers/exponential_projection.h"

#include "framework/inspector.h"

namespace inspectors {

floating_point ExponentialProjectionRate(time_interval const& d, Of,
                                         ExponentialProjection const& p) {
  return ProjectedGrowthFactor(p, TimeIntervalToBinDuration(AsTimeInterval(d)));
}

floating_point ExponentialExtrapolation(moment const& t, Of, ExponentialProjection const& p) {
  return ProjectedExponential(p, InstantToBinTime(AsInstant(t)));
}

floating_point ExponentialProjectionCorrelationCoefficient(Of, ExponentialProjection const& p) {
  return ProjectedCorrelation(p);
}

namespace {

Type<ExponentialProjection, kNotFingerprinted> const exponentialProjectionType;
Prop const rate("rate", "rates", &ExponentialProjectionRate, kDependsOnlyOnParameters);
Prop const extrapolation("extrapolation", "extrapolations", &ExponentialExtrapolation,
                         kDependsOnlyOnParameters);
Prop const correlationCoefficient("correlation coefficient", "correlation coefficients",
                                  &ExponentialProjectionCorrelationCoefficient,
                                  kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
