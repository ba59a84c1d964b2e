// Weighted moments of observed values, kept around their mean so that values far from
// zero keep their spread, and the statistics and straight-line fits derived from them.
//
// Sums of powers (n, Σx, Σx^2, ...) lose the spread of values that are large against
// it: the variance of 10^9 + 1, 10^9 + 2 and 10^9 + 3 is Σx^2/n - (Σx/n)^2, a difference
// of two numbers near 10^18 whose true value is 2/3, and in doubles it comes out as
// whatever the last bits of 10^18 happen to hold. Central moments are combined by
// the pairwise update instead (Chan, Golub and LeVeque for the second moment, Pebay
// for the third and fourth, with real weights): the spread stays exact when the
// values are, and combining is associative up to rounding. The sums of powers remain
// available for whoever wants them, converted on the way out and in.
#pragma once

#include <array>

// Exported for callers outside the library; the rest of the library is hidden.
#pragma GCC visibility push(default)

namespace inspectors {

// Values with weights: the total weight, the weighted mean and the weighted central
// sums Σw(x - mean)^k for k = 2, 3, 4. No weight at all is the zero block.
struct CentredMoments {
  double weight = 0.0;
  double mean = 0.0;
  double m2 = 0.0;
  double m3 = 0.0;
  double m4 = 0.0;
};

// Both blocks together, as if every value of b had been added to a. Once a mean is
// infinite, the mean follows the sums and the central sums are NaN, as the sums of
// powers would have them.
CentredMoments& operator+=(CentredMoments& a, CentredMoments const& b);
// Every weight multiplied by w.
CentredMoments Weighted(CentredMoments const& m, double w);

// The sums of powers n = Σw, Σwx, Σwx^2, Σwx^3, Σwx^4, and the moments they describe.
std::array<double, 5> SumsOfPowers(CentredMoments const& m);
CentredMoments FromSumsOfPowers(double n, double s1, double s2, double s3, double s4);

// Population statistics, with the divisor Σw. No weight gives NaN.
double Mean(CentredMoments const& m);
double Variance(CentredMoments const& m);
double Skewness(CentredMoments const& m);
double Kurtosis(CentredMoments const& m);  // excess kurtosis: 0 for a normal distribution

// The same statistics from sums of powers: a convenience for sums already at hand,
// with the cancellation those sums bring.
double SkewnessFromSumsOfPowers(double n, double s1, double s2, double s3);
double KurtosisFromSumsOfPowers(double n, double s1, double s2, double s3, double s4);

// Values observed over time: the moments of the values, and the mean time, the
// central second moment of the times and the central co-moment Σw(x - mean)(t - mean
// time), weighted as the values are.
struct MomentsOverTime {
  CentredMoments values;
  double meanTime = 0.0;
  double m2Time = 0.0;
  double coMoment = 0.0;
};

MomentsOverTime& operator+=(MomentsOverTime& a, MomentsOverTime const& b);
// A block of values all observed at time t, each weighted by w.
MomentsOverTime AtTime(CentredMoments const& m, double t, double w);

// A straight line y = slope x + intercept fitted by least squares, and the
// correlation coefficient of x and y. No divisor is guarded: where the fit does not
// exist the IEEE results (infinities, NaN) stand. All three are NaN by default.
struct LinearRegression {
  double slope;
  double intercept;
  double correlationCoefficient;

  LinearRegression() noexcept;
  // From sums over the points (x, y): n, Σx, Σy, Σx^2, Σxy, Σy^2.
  LinearRegression(double n, double sumX, double sumY, double sumXX, double sumXY,
                   double sumYY) noexcept;
};

// The values fitted over time, y the values and x the times, from central moments.
LinearRegression RegressionOverTime(MomentsOverTime const& m) noexcept;

}  // namespace inspectors

#pragma GCC visibility pop
