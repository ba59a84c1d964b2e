// Statistical bins: what a series of timed samples says about one stretch of time,
// each sample weighted by the time it covers inside the bin. Bins of the same stretch
// from several sources (computers) combine computerwise, consecutive bins of one
// source timewise; means, variances, skewness, kurtosis and a fit over time follow,
// for the values x and for ln|x|.
//
// Times are bin times and weights bin durations, in seconds (projection.h). In the
// descriptions below, w is a sample's weight, I the interval it stands for and t its
// time.
#pragma once

#include <array>
#include <limits>

#include "inspectors/numbers/statistical_moments.h"
#include "inspectors/numbers/statistical_sample.h"

// Exported for callers outside the library; the rest of the library is hidden.
#pragma GCC visibility push(default)

namespace inspectors {

struct StatisticalBin {
  static constexpr double kInfinity = std::numeric_limits<double>::infinity();

  double weightedRates = 0.0;      // Σ w / I
  CentredMoments times;            // the times t, each of weight w
  double weightedIntervals = 0.0;  // Σ I w
  double successWeight = 0.0;      // Σ w sample count: the weight of samples taken
  MomentsOverTime values;          // the samples' values x, each of weight w
  MomentsOverTime logarithms;      // ln|x| of the non-zero values, each of weight w
  double minimum = kInfinity;      // of the values
  double maximum = -kInfinity;
  double minimumSum = kInfinity;  // of the Σx of the samples taken
  double maximumSum = -kInfinity;
  double lowLevel = 0.0;   // the level in force at the bin's start, plus every fall
  double highLevel = 0.0;  // the same, plus every rise

  // The empty bin.
  StatisticalBin() noexcept = default;

  // The bin as 28 sums, and back: Σw/I, Σw, ΣIw, Σwt, Σwt^2, Σw sample count,
  // Σw value count, Σw Σx^k for k = 1 to 4, Σw value count t, Σw value count t^2,
  // Σw Σx t, Σw non-zero count, Σw Σ(ln|x|)^k for k = 1 to 4, Σw non-zero count t,
  // Σw non-zero count t^2, Σw Σln|x| t, the least and greatest value, the least and
  // greatest Σx, the low and the high level. The sums carry the cancellation of sums
  // of powers: a bin made from them has only the spread they still describe.
  using Fields = std::array<double, 28>;
  explicit StatisticalBin(Fields const& fields) noexcept;
  Fields AsFields() const noexcept;
};

// Adds sample s, standing for an interval I, with weight w. Nothing happens unless
// 0 < w <= I and the time is a number.
void AddRegularPartsOfSample(StatisticalBin& bin, TimedStatisticalSample const& s, double I,
                             double w) noexcept;

// Adds a sample that stands for the interval from start to end, timed at its middle,
// with the weight of its overlap with the bin from binStart to binEnd; an overlap of
// no length adds nothing. Its Σx joins both levels.
void AddTimedInterval(StatisticalBin& bin, double binStart, double binEnd, double start, double end,
                      StatisticalSample const& sample) noexcept;

// Adds the stretch between two consecutive samples s1 and s2 (s1.time <= s2.time): its
// first half stands for s1, its second for s2. The levels start from the level in
// force at the bin's start and follow the rises and falls inside it. Samples out of
// order, or times that are not numbers, add nothing.
void AddSampleInterval(StatisticalBin& bin, double binStart, double binEnd,
                       TimedStatisticalSample const& s1, TimedStatisticalSample const& s2) noexcept;

// Consecutive bins of one source: the sums add, the extremes are those of both, the
// low level is the lower and the high level the higher of the two.
struct TimewiseOperations : StatisticalBin {
  TimewiseOperations() noexcept = default;
  explicit TimewiseOperations(StatisticalBin const& bin) noexcept : StatisticalBin(bin) {}
  TimewiseOperations& operator+=(StatisticalBin const& other) noexcept;
};
TimewiseOperations operator+(TimewiseOperations a, StatisticalBin const& b) noexcept;

// Bins of the same stretch from several sources: the sums add, the extremes are those
// of both, and the levels add.
struct ComputerwiseOperations : StatisticalBin {
  ComputerwiseOperations() noexcept = default;
  explicit ComputerwiseOperations(StatisticalBin const& bin) noexcept : StatisticalBin(bin) {}
  ComputerwiseOperations& operator+=(StatisticalBin const& other) noexcept;
};
ComputerwiseOperations operator+(ComputerwiseOperations a, StatisticalBin const& b) noexcept;

// Means over the time the samples cover (Σw, summed over computers): of the sample
// rate 1/I, the sample interval I, success (1 for a sample taken, 0 for an error
// sample), failure, and the counts of values, of non-zero values and of zeros. The
// three that take T divide by the caller's T instead: Σw, the weight of samples
// taken, and that of error samples. No divisor is guarded: an empty bin gives NaN or
// infinities.
double Mean_ComputerCount(StatisticalBin const& b, double T) noexcept;
double Mean_SampleRate(StatisticalBin const& b) noexcept;
double Mean_SampleInterval(StatisticalBin const& b) noexcept;
double Mean_Success(StatisticalBin const& b) noexcept;
double Mean_Failure(StatisticalBin const& b) noexcept;
double Mean_SuccessfulComputerCount(StatisticalBin const& b, double T) noexcept;
double Mean_FailingComputerCount(StatisticalBin const& b, double T) noexcept;
double Mean_ValueCount(StatisticalBin const& b) noexcept;
double Mean_NonzeroValueCount(StatisticalBin const& b) noexcept;
double Mean_ZeroValueCount(StatisticalBin const& b) noexcept;

// Statistics of the values, and of the logarithms of their magnitudes (zeros left
// out), each value weighted by its sample's weight; the variances are population
// variances. The geometric mean is that of the non-zero magnitudes.
double Mean_X(StatisticalBin const& b) noexcept;
double Mean_LnAbsX(StatisticalBin const& b) noexcept;
double GeometricMean_X(StatisticalBin const& b) noexcept;
double Variance_X(StatisticalBin const& b) noexcept;
double Variance_LnAbsX(StatisticalBin const& b) noexcept;
double StandardDeviation_X(StatisticalBin const& b) noexcept;
double StandardDeviation_LnAbsX(StatisticalBin const& b) noexcept;
double Skewness_X(StatisticalBin const& b) noexcept;
double Skewness_LnAbsX(StatisticalBin const& b) noexcept;
double Kurtosis_X(StatisticalBin const& b) noexcept;
double Kurtosis_LnAbsX(StatisticalBin const& b) noexcept;
// The values, and their logarithms, fitted over time: the slope is per second.
LinearRegression Regression_X(StatisticalBin const& b) noexcept;
LinearRegression Regression_LnAbsX(StatisticalBin const& b) noexcept;

}  // namespace inspectors

#pragma GCC visibility pop
