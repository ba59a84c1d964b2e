// Statistical samples and bins, which no query reaches: the bins that samples make,
// against sums and statistics worked out here from the samples themselves.
#include "inspectors/numbers/statistical_bin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace inspectors {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TimedStatisticalSample At(double t, double x) {
  return {t, StatisticalSample(x)};
}

void ExpectClose(double got, double expected) {
  EXPECT_NEAR(got, expected, 1e-12 * std::fmax(1, std::fabs(expected)));
}

void ExpectFieldsNear(StatisticalBin const& bin, StatisticalBin::Fields const& expected) {
  StatisticalBin::Fields const got = bin.AsFields();
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (std::isinf(expected[i])) {
      EXPECT_EQ(got[i], expected[i]) << "field " << i;
    } else {
      EXPECT_NEAR(got[i], expected[i], 1e-9 * (1 + std::fabs(expected[i]))) << "field " << i;
    }
  }
}

// Values at times 0, 1, 2, ..., each standing for one second and weighing all of it.
StatisticalBin BinOf(std::vector<double> const& xs, double firstTime = 0) {
  StatisticalBin bin;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    AddRegularPartsOfSample(bin, At(firstTime + static_cast<double>(i), xs[i]), 1, 1);
  }
  return bin;
}

TEST(StatisticalSample, HoldsItsValueAndTheLogarithmOfItsMagnitude) {
  struct {
    double x, valueCount, nonZeroCount, logarithm, minimum, maximum;
  } const cases[] = {
      {-4, 1, 1, std::log(4.0), -4, -4},
      {0, 1, 0, 0, 0, 0},
      {kNaN, 0, 0, 0, kInf, -kInf},
  };
  for (auto const& c : cases) {
    StatisticalSample const s(c.x);
    EXPECT_EQ(s.sampleCount, 1);
    EXPECT_EQ(s.ValueCount(), c.valueCount) << c.x;
    EXPECT_EQ(s.NonZeroCount(), c.nonZeroCount) << c.x;
    EXPECT_EQ(s.logarithms.weight * s.logarithms.mean, c.logarithm) << c.x;
    EXPECT_EQ(s.minimum, c.minimum) << c.x;
    EXPECT_EQ(s.maximum, c.maximum) << c.x;
  }
  StatisticalSample good(2);
  good += StatisticalSample(6);
  EXPECT_EQ(good.sampleCount, 1);
  EXPECT_EQ(Variance(good.values), 4);
  // An error sample spoils whatever it joins, and stays an error.
  StatisticalSample error = StatisticalSample::Error();
  error += good;
  good += StatisticalSample::Error();
  for (StatisticalSample const* s : {&good, &error}) {
    EXPECT_EQ(s->sampleCount, 0);
    EXPECT_EQ(s->ValueCount(), 0);
  }
}

TEST(StatisticalBin, AddsNothingOutsideItsRules) {
  StatisticalBin const empty;
  StatisticalBin bin;
  struct {
    double I, w, t;
  } const weights[] = {{1, 0, 0}, {1, -1, 0}, {1, 2, 0}, {1, kNaN, 0}, {kNaN, 1, 0}, {1, 1, kNaN}};
  for (auto const& c : weights) AddRegularPartsOfSample(bin, {c.t, StatisticalSample(5)}, c.I, c.w);
  // Intervals that touch the bin at one end, or are reversed or not numbers.
  AddTimedInterval(bin, 0, 10, 10, 20, StatisticalSample(5));
  AddTimedInterval(bin, 0, 10, -5, 0, StatisticalSample(5));
  AddTimedInterval(bin, 0, 10, 8, 2, StatisticalSample(5));
  AddTimedInterval(bin, 0, 10, kNaN, 5, StatisticalSample(5));
  // Stretches that end where the bin starts, start where it ends, or run backwards.
  AddSampleInterval(bin, 0, 10, At(-4, 1), At(0, 2));
  AddSampleInterval(bin, 0, 10, At(10, 1), At(14, 2));
  AddSampleInterval(bin, 0, 10, At(6, 1), At(2, 2));
  AddSampleInterval(bin, 0, 10, At(kNaN, 1), At(2, 2));
  ExpectFieldsNear(bin, empty.AsFields());
}

TEST(StatisticalBin, OneSampleCoveringTheWholeBin) {
  // The sample stands for -5 to 15: timed at 5, it covers 10 s of its 20.
  StatisticalBin bin;
  AddTimedInterval(bin, 0, 10, -5, 15, StatisticalSample(4));
  double const w = 10, I = 20, t = 5, x = 4, L = std::log(4.0);
  // clang-format off
  StatisticalBin::Fields const expected{
      w / I, w, I * w, w * t, w * t * t, w,                    // time and success
      w, w * x, w * x * x, w * x * x * x, w * x * x * x * x,   // values
      w * t, w * t * t, w * x * t,                             // values over time
      w, w * L, w * L * L, w * L * L * L, w * L * L * L * L,   // logarithms
      w * t, w * t * t, w * L * t,                             // logarithms over time
      x, x, x, x, x, x};                                       // extremes and levels
  // clang-format on
  ExpectFieldsNear(bin, expected);
  // And the bin those sums describe.
  ExpectFieldsNear(StatisticalBin(expected), expected);
  EXPECT_EQ(Mean_X(bin), 4);
  EXPECT_EQ(Variance_X(bin), 0);
  EXPECT_DOUBLE_EQ(GeometricMean_X(bin), 4);
  EXPECT_EQ(Mean_SampleInterval(bin), 20);
  EXPECT_EQ(Mean_ComputerCount(bin, 10), 1);
}

TEST(StatisticalBin, StretchesBetweenSamplesSplitAtTheirMiddle) {
  // 3 at time 0 and 5 at time 10: each holds half of the bin from 0 to 10.
  StatisticalBin bin;
  AddSampleInterval(bin, 0, 10, At(0, 3), At(10, 5));
  EXPECT_EQ(Mean_X(bin), 4);
  EXPECT_EQ(Variance_X(bin), 1);
  EXPECT_EQ(Mean_SampleRate(bin), 0.1);
  EXPECT_EQ(Mean_SampleInterval(bin), 10);
  LinearRegression const fit = Regression_X(bin);
  EXPECT_DOUBLE_EQ(fit.slope, 0.2);
  EXPECT_DOUBLE_EQ(fit.intercept, 3);
  EXPECT_DOUBLE_EQ(fit.correlationCoefficient, 1);

  // The levels of the bin from 0 to 10.
  struct {
    double t1, x1, t2, x2, low, high;
  } const cases[] = {
      {-2, 3, 4, 5, 3, 5},   // the middle inside, after a start at the first level
      {2, 5, 4, 3, -2, 0},   // a fall inside the bin
      {2, 3, 4, 5, 0, 2},    // a rise inside it
      {-4, 7, 30, 5, 7, 7},  // the first level holds past the bin's end
      {-30, 7, 4, 5, 5, 5},  // the second level is in force from before the start
      {6, 3, 20, 5, 0, 0},   // a change after the end
  };
  for (auto const& c : cases) {
    StatisticalBin levels;
    AddSampleInterval(levels, 0, 10, At(c.t1, c.x1), At(c.t2, c.x2));
    EXPECT_EQ(levels.lowLevel, c.low) << c.t1 << " to " << c.t2;
    EXPECT_EQ(levels.highLevel, c.high) << c.t1 << " to " << c.t2;
  }
}

TEST(StatisticalBin, ErrorSamplesCountAsFailuresWithoutValues) {
  StatisticalBin bin;
  AddRegularPartsOfSample(bin, At(0, 6), 1, 1);
  AddRegularPartsOfSample(bin, {1, StatisticalSample::Error()}, 4, 3);
  EXPECT_EQ(Mean_Success(bin), 0.25);
  EXPECT_EQ(Mean_Failure(bin), 0.75);
  EXPECT_EQ(Mean_FailingComputerCount(bin, 2), 1.5);
  EXPECT_EQ(Mean_ValueCount(bin), 0.25);
  EXPECT_EQ(Mean_X(bin), 6);
  // The error sample's Σx of 0 was never observed.
  EXPECT_EQ(bin.minimumSum, 6);
  EXPECT_EQ(bin.maximumSum, 6);
}

TEST(StatisticalBin, EmptyBinsHaveNoStatisticsAndCombineAsNothing) {
  StatisticalBin const empty;
  for (double v : {Mean_X(empty), Variance_X(empty), Skewness_X(empty), Kurtosis_LnAbsX(empty),
                   Mean_SampleRate(empty), Regression_X(empty).slope,
                   Regression_LnAbsX(empty).correlationCoefficient}) {
    EXPECT_TRUE(std::isnan(v));
  }
  StatisticalBin other = BinOf({3, -1, 0, 8}, 100);
  AddSampleInterval(other, 100, 104, At(98, 2), At(101, 4));
  StatisticalBin::Fields const fields = other.AsFields();
  ExpectFieldsNear(TimewiseOperations(empty) + other, fields);
  ExpectFieldsNear(TimewiseOperations(other) + empty, fields);
  ExpectFieldsNear(ComputerwiseOperations(empty) + other, fields);
  ExpectFieldsNear(ComputerwiseOperations(other) + empty, fields);
}

TEST(StatisticalBin, CombiningIsAssociativeAndAgreesWithOneBin) {
  std::vector<double> const xs[] = {{3, -1, 0}, {8, 2.5}, {1e-3, 7, -4, 0}};
  StatisticalBin parts[3];
  StatisticalBin whole;
  double t = 0;
  for (int i = 0; i < 3; ++i) {
    for (double x : xs[i]) {
      AddRegularPartsOfSample(parts[i], At(t, x), 2, 1.5);
      AddRegularPartsOfSample(whole, At(t, x), 2, 1.5);
      ++t;
    }
  }
  auto const& [a, b, c] = parts;
  StatisticalBin::Fields const left = (ComputerwiseOperations(a) + b + c).AsFields();
  ExpectFieldsNear(ComputerwiseOperations(a) + (ComputerwiseOperations(b) + c), left);
  ExpectFieldsNear(ComputerwiseOperations(c) + a + b, left);
  ExpectFieldsNear(whole, left);
  ExpectFieldsNear(TimewiseOperations(a) + (TimewiseOperations(b) + c),
                   (TimewiseOperations(a) + b + c).AsFields());
}

// Population statistics of xs worked out around their mean, two passes over the data.
struct Reference {
  double mean = 0, variance = 0, skewness = 0, kurtosis = 0;
  explicit Reference(std::vector<double> const& xs) {
    double const n = static_cast<double>(xs.size());
    for (double x : xs) mean += x / n;
    double m3 = 0, m4 = 0;
    for (double x : xs) {
      variance += (x - mean) * (x - mean) / n;
      m3 += std::pow(x - mean, 3) / n;
      m4 += std::pow(x - mean, 4) / n;
    }
    skewness = m3 / std::pow(variance, 1.5);
    kurtosis = m4 / (variance * variance) - 3;
  }
};

TEST(StatisticalBin, StatisticsOfValuesAndOfTheirLogarithms) {
  std::vector<double> const xs = {1, 2, 3, 10, -0.5};
  Reference const r(xs);
  StatisticalBin const bin = BinOf(xs);
  ExpectClose(Mean_X(bin), r.mean);
  ExpectClose(Variance_X(bin), r.variance);
  ExpectClose(Skewness_X(bin), r.skewness);
  ExpectClose(Kurtosis_X(bin), r.kurtosis);
  StatisticalBin::Fields const f = bin.AsFields();
  ExpectClose(SkewnessFromSumsOfPowers(f[6], f[7], f[8], f[9]), r.skewness);
  ExpectClose(KurtosisFromSumsOfPowers(f[6], f[7], f[8], f[9], f[10]), r.kurtosis);

  // ln|x| of 1, -e and e^2 are 0, 1 and 2, at times 0, 1 and 3; the zero at time 2
  // has no logarithm.
  StatisticalBin const logs = BinOf({1, -std::exp(1.0), 0, std::exp(2.0)});
  ExpectClose(Mean_LnAbsX(logs), 1);
  ExpectClose(Variance_LnAbsX(logs), 2.0 / 3);
  ExpectClose(GeometricMean_X(logs), std::exp(1.0));
  EXPECT_EQ(Mean_ZeroValueCount(logs), 0.25);
  EXPECT_EQ(Mean_NonzeroValueCount(logs), 0.75);
  ExpectClose(Regression_LnAbsX(logs).slope, 9.0 / 14);
}

TEST(StatisticalBin, LargeValuesAtLateTimesKeepTheirSpread) {
  // Around 10^9 at times around 2023, where sums of powers keep no digit of the spread.
  StatisticalBin const bin = BinOf({1e9 + 1, 1e9 + 2, 1e9 + 3}, 1.7e9);
  EXPECT_NEAR(Variance_X(bin), 2.0 / 3, 1e-12);
  EXPECT_NEAR(Kurtosis_X(bin), -1.5, 1e-9);
  LinearRegression const fit = Regression_X(bin);
  EXPECT_NEAR(fit.slope, 1, 1e-12);
  EXPECT_NEAR(fit.intercept, 1e9 + 1 - 1.7e9, 1e-3);
  EXPECT_NEAR(fit.correlationCoefficient, 1, 1e-12);
  EXPECT_EQ(Variance_X(BinOf({1e15, 1e15, 1e15, 1e15, 1e15})), 0);
}

TEST(LinearRegression, FromSumsOverExactPoints) {
  struct {
    double n, sumX, sumY, sumXX, sumXY, sumYY, slope, intercept, r;
  } const cases[] = {
      {3, 6, 6, 14, 14, 14, 1, 0, 1},      // (1, 1), (2, 2), (3, 3)
      {4, 6, 24, 14, 26, 164, -2, 9, -1},  // (0, 9), (1, 7), (2, 5), (3, 3)
      {3, 3, 4, 5, 4, 8, 0, 4.0 / 3, 0},   // (0, 2), (1, 0), (2, 2)
  };
  for (auto const& c : cases) {
    LinearRegression const fit(c.n, c.sumX, c.sumY, c.sumXX, c.sumXY, c.sumYY);
    EXPECT_DOUBLE_EQ(fit.slope, c.slope);
    EXPECT_DOUBLE_EQ(fit.intercept, c.intercept);
    EXPECT_DOUBLE_EQ(fit.correlationCoefficient, c.r);
  }
  EXPECT_TRUE(std::isnan(LinearRegression().slope));
}

}  // namespace
}  // namespace inspectors
