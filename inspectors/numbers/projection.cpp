#include "inspectors/numbers/projection.h"

#include <cfenv>
#include <cmath>
#include <cstdint>

namespace inspectors {

namespace {

constexpr double kMicrosecondsPerSecond = 1e6;

// As in floating_point.cpp: the value must be in memory at this point, so that it is
// computed neither before the flags are cleared nor after they are read.
inline void Settle(double& x) noexcept {
  __asm__ __volatile__("" : "+m"(x) : : "memory");
}

// One computation of a result between a clearing and a reading of the flags.
template <class Step>
floating_point Projected(Projection const& p, Step step, double x) {
  std::feclearexcept(static_cast<int>(kFloatingPointAllFlags));
  double a = p.slope;
  double b = p.intercept;
  Settle(a);
  Settle(b);
  Settle(x);
  double value = step(a, b, x);
  Settle(value);
  auto const flags =
      static_cast<std::uint32_t>(std::fetestexcept(static_cast<int>(kFloatingPointAllFlags)));
  double const threshold = std::fabs(value * p.relativePrecision);
  return floating_point{value, threshold, flags & kFloatingPointAllFlags};
}

}  // namespace

double InstantToBinTime(Instant i) noexcept {
  return static_cast<double>((i - Instant::Jan_1_1970_GMT()).microseconds) / kMicrosecondsPerSecond;
}

double TimeIntervalToBinDuration(TimeInterval d) noexcept {
  return static_cast<double>(d.microseconds) / kMicrosecondsPerSecond;
}

floating_point ProjectedSlope(Projection const& p) {
  return Projected(
      p, [](double slope, double, double) { return slope; }, 0.0);
}

floating_point ProjectedLine(Projection const& p, double t) {
  return Projected(
      p, [](double slope, double intercept, double x) { return slope * x + intercept; }, t);
}

floating_point ProjectedGrowthFactor(Projection const& p, double d) {
  return Projected(
      p, [](double slope, double, double x) { return std::exp(slope * x); }, d);
}

floating_point ProjectedExponential(Projection const& p, double t) {
  return Projected(
      p, [](double slope, double intercept, double x) { return std::exp(slope * x + intercept); },
      t);
}

floating_point ProjectedCorrelation(Projection const& p) {
  double const r = p.correlationCoefficient;
  return Projected(
      p, [r](double, double, double) { return r; }, 0.0);
}

}  // namespace inspectors
