#include "inspectors/numbers/statistical_moments.h"

#include <cmath>
#include <limits>

namespace inspectors {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

CentredMoments& operator+=(CentredMoments& a, CentredMoments const& b) {
  if (b.weight == 0.0) return a;
  if (a.weight == 0.0) return a = b;
  double const wa = a.weight;
  double const wb = b.weight;
  double const w = wa + wb;
  double const delta = b.mean - a.mean;
  if (!std::isfinite(delta)) {
    a = CentredMoments{w, wa / w * a.mean + wb / w * b.mean, kNaN, kNaN, kNaN};
    return a;
  }
  double const d = delta / w;
  double const dd = d * d;
  double const wab = wa * wb;
  // Each sum from the old ones of both blocks: the m2 and m3 on the right are still a's.
  a.m4 += b.m4 + delta * d * dd * wab * (wa * wa - wab + wb * wb) +
          6.0 * dd * (wa * wa * b.m2 + wb * wb * a.m2) + 4.0 * d * (wa * b.m3 - wb * a.m3);
  a.m3 += b.m3 + delta * dd * wab * (wa - wb) + 3.0 * d * (wa * b.m2 - wb * a.m2);
  a.m2 += b.m2 + delta * d * wab;
  a.mean += wb * d;
  a.weight = w;
  return a;
}

CentredMoments Weighted(CentredMoments const& m, double w) {
  return CentredMoments{m.weight * w, m.mean, m.m2 * w, m.m3 * w, m.m4 * w};
}

std::array<double, 5> SumsOfPowers(CentredMoments const& m) {
  double const u = m.mean;
  double const s1 = m.weight * u;
  return {m.weight, s1, m.m2 + s1 * u, m.m3 + 3.0 * u * m.m2 + s1 * u * u,
          m.m4 + 4.0 * u * m.m3 + 6.0 * u * u * m.m2 + s1 * u * u * u};
}

CentredMoments FromSumsOfPowers(double n, double s1, double s2, double s3, double s4) {
  if (n == 0.0) return CentredMoments{};
  double const u = s1 / n;
  return CentredMoments{n, u, s2 - s1 * u, s3 - 3.0 * u * s2 + 2.0 * u * u * s1,
                        s4 - 4.0 * u * s3 + 6.0 * u * u * s2 - 3.0 * u * u * u * s1};
}

double Mean(CentredMoments const& m) {
  return m.weight == 0.0 ? kNaN : m.mean;
}

double Variance(CentredMoments const& m) {
  return m.m2 / m.weight;
}

double Skewness(CentredMoments const& m) {
  return m.m3 / m.weight / std::pow(Variance(m), 1.5);
}

double Kurtosis(CentredMoments const& m) {
  double const v = Variance(m);
  return m.m4 / m.weight / (v * v) - 3.0;
}

double SkewnessFromSumsOfPowers(double n, double s1, double s2, double s3) {
  return n == 0.0 ? kNaN : Skewness(FromSumsOfPowers(n, s1, s2, s3, 0.0));
}

double KurtosisFromSumsOfPowers(double n, double s1, double s2, double s3, double s4) {
  return n == 0.0 ? kNaN : Kurtosis(FromSumsOfPowers(n, s1, s2, s3, s4));
}

MomentsOverTime& operator+=(MomentsOverTime& a, MomentsOverTime const& b) {
  if (b.values.weight == 0.0) return a;
  if (a.values.weight == 0.0) return a = b;
  double const wa = a.values.weight;
  double const wb = b.values.weight;
  double const share = wb / (wa + wb);
  double const dt = b.meanTime - a.meanTime;
  double const dx = b.values.mean - a.values.mean;
  a.m2Time += b.m2Time + dt * dt * wa * share;
  a.coMoment = std::isfinite(dx) ? a.coMoment + b.coMoment + dx * dt * wa * share : kNaN;
  a.meanTime += dt * share;
  a.values += b.values;
  return a;
}

MomentsOverTime AtTime(CentredMoments const& m, double t, double w) {
  return MomentsOverTime{Weighted(m, w), t, 0.0, 0.0};
}

LinearRegression::LinearRegression() noexcept
    : slope(kNaN), intercept(kNaN), correlationCoefficient(kNaN) {}

LinearRegression::LinearRegression(double n, double sumX, double sumY, double sumXX, double sumXY,
                                   double sumYY) noexcept {
  double const d = n * sumXX - sumX * sumX;
  double const c = n * sumXY - sumX * sumY;
  slope = c / d;
  intercept = (sumY - sumX * slope) / n;
  correlationCoefficient = c / std::sqrt((n * sumYY - sumY * sumY) * d);
}

LinearRegression RegressionOverTime(MomentsOverTime const& m) noexcept {
  LinearRegression r;
  r.slope = m.coMoment / m.m2Time;
  r.intercept = m.values.mean - r.slope * m.meanTime;
  r.correlationCoefficient = m.coMoment / std::sqrt(m.m2Time * m.values.m2);
  return r;
}

}  // namespace inspectors
