#include "inspectors/numbers/linear_projection.h"

#include "framework/inspector.h"

namespace inspectors {

InspectorRate LinearProjectionRate(Of, LinearProjection const& p) {
  return InspectorRate{ProjectedSlope(p)};
}

floating_point LinearExtrapolation(moment const& t, Of, LinearProjection const& p) {
  return ProjectedLine(p, InstantToBinTime(AsInstant(t)));
}

floating_point LinearProjectionCorrelationCoefficient(Of, LinearProjection const& p) {
  return ProjectedCorrelation(p);
}

namespace {

Type<LinearProjection, kNotFingerprinted> const linearProjectionType;
Prop const rate("rate", "rates", &LinearProjectionRate, kDependsOnlyOnParameters);
Prop const extrapolation("extrapolation", "extrapolations", &LinearExtrapolation,
                         kDependsOnlyOnParameters);
Prop const correlationCoefficient("correlation coefficient", "correlation coefficients",
                                  &LinearProjectionCorrelationCoefficient,
                                  kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
