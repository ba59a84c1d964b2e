#include "inspectors/numbers/statistical_bin.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace inspectors {

namespace {

// Moments over time from sums: n, Σx^k for k = 1 to 4, Σt, Σt^2 and Σxt.
MomentsOverTime FromSums(double const* f, double sumT, double sumTT, double sumXT) {
  MomentsOverTime m;
  m.values = FromSumsOfPowers(f[0], f[1], f[2], f[3], f[4]);
  if (f[0] == 0.0) return m;
  m.meanTime = sumT / f[0];
  m.m2Time = sumTT - sumT * m.meanTime;
  m.coMoment = sumXT - f[1] * m.meanTime;
  return m;
}

// The sums of powers of m, then Σt, Σt^2 and Σxt, into f[0] to f[7].
void PutSums(MomentsOverTime const& m, double* f) {
  std::array<double, 5> const sums = SumsOfPowers(m.values);
  std::copy(sums.begin(), sums.end(), f);
  double const sumT = m.values.weight * m.meanTime;
  f[5] = sumT;
  f[6] = m.m2Time + sumT * m.meanTime;
  f[7] = m.coMoment + sums[1] * m.meanTime;
}

// Adds s with weight w out of I and says whether it did.
bool AddWeighted(StatisticalBin& bin, TimedStatisticalSample const& ts, double I, double w) {
  if (!(w > 0.0) || !(w <= I) || std::isnan(ts.time)) return false;
  StatisticalSample const& s = ts.sample;
  bin.weightedRates += w / I;
  bin.times += CentredMoments{w, ts.time, 0.0, 0.0, 0.0};
  bin.weightedIntervals += I * w;
  bin.successWeight += w * s.sampleCount;
  bin.values += AtTime(s.values, ts.time, w);
  bin.logarithms += AtTime(s.logarithms, ts.time, w);
  bin.minimum = std::min(bin.minimum, s.minimum);
  bin.maximum = std::max(bin.maximum, s.maximum);
  // An error sample has no Σx: its 0 is no observation.
  if (s.sampleCount != 0.0) {
    bin.minimumSum = std::min(bin.minimumSum, s.Sum());
    bin.maximumSum = std::max(bin.maximumSum, s.Sum());
  }
  return true;
}

// What both ways of combining do alike: the sums and the extremes of the values.
void AddSumsAndExtremes(StatisticalBin& a, StatisticalBin const& b) {
  a.weightedRates += b.weightedRates;
  a.times += b.times;
  a.weightedIntervals += b.weightedIntervals;
  a.successWeight += b.successWeight;
  a.values += b.values;
  a.logarithms += b.logarithms;
  a.minimum = std::min(a.minimum, b.minimum);
  a.maximum = std::max(a.maximum, b.maximum);
  a.minimumSum = std::min(a.minimumSum, b.minimumSum);
  a.maximumSum = std::max(a.maximumSum, b.maximumSum);
}

}  // namespace

StatisticalBin::StatisticalBin(Fields const& f) noexcept
    : weightedRates(f[0]),
      weightedIntervals(f[2]),
      successWeight(f[5]),
      minimum(f[22]),
      maximum(f[23]),
      minimumSum(f[24]),
      maximumSum(f[25]),
      lowLevel(f[26]),
      highLevel(f[27]) {
  // The third and fourth moments of the times are not among the sums.
  CentredMoments const t = FromSumsOfPowers(f[1], f[3], f[4], 0.0, 0.0);
  times = CentredMoments{t.weight, t.mean, t.m2, 0.0, 0.0};
  values = FromSums(&f[6], f[11], f[12], f[13]);
  logarithms = FromSums(&f[14], f[19], f[20], f[21]);
}

StatisticalBin::Fields StatisticalBin::AsFields() const noexcept {
  Fields f{};
  f[0] = weightedRates;
  std::array<double, 5> const t = SumsOfPowers(times);
  f[1] = t[0];
  f[2] = weightedIntervals;
  f[3] = t[1];
  f[4] = t[2];
  f[5] = successWeight;
  double sums[8];
  PutSums(values, sums);
  std::copy(sums, sums + 8, &f[6]);
  PutSums(logarithms, sums);
  std::copy(sums, sums + 8, &f[14]);
  f[22] = minimum;
  f[23] = maximum;
  f[24] = minimumSum;
  f[25] = maximumSum;
  f[26] = lowLevel;
  f[27] = highLevel;
  return f;
}

void AddRegularPartsOfSample(StatisticalBin& bin, TimedStatisticalSample const& s, double I,
                             double w) noexcept {
  AddWeighted(bin, s, I, w);
}

void AddTimedInterval(StatisticalBin& bin, double binStart, double binEnd, double start, double end,
                      StatisticalSample const& sample) noexcept {
  if (std::isnan(binStart) || std::isnan(binEnd) || std::isnan(start) || std::isnan(end)) return;
  double const from = std::max(binStart, start);
  double const to = std::min(binEnd, end);
  if (!(from < to)) return;
  if (!AddWeighted(bin, {std::midpoint(start, end), sample}, end - start, to - from)) return;
  bin.lowLevel += sample.Sum();
  bin.highLevel += sample.Sum();
}

void AddSampleInterval(StatisticalBin& bin, double a, double b, TimedStatisticalSample const& s1,
                       TimedStatisticalSample const& s2) noexcept {
  double const t1 = s1.time;
  double const t2 = s2.time;
  if (std::isnan(a) || std::isnan(b) || !(t1 <= t2)) return;
  if (std::max(t1, a) >= std::min(t2, b)) return;
  double const m = std::midpoint(t1, t2);
  double const I = t2 - t1;
  if (m > a) AddWeighted(bin, s1, I, std::min(m, b) - std::max(t1, a));
  if (b > m) AddWeighted(bin, s2, I, std::min(t2, b) - std::max(m, a));
  double const x1 = s1.sample.Sum();
  double const x2 = s2.sample.Sum();
  if (t1 <= a) {
    // The level in force at the bin's start, and the change inside it if there is one.
    if (a < m && m < b) {
      bin.highLevel += std::max(x1, x2);
      bin.lowLevel += std::min(x1, x2);
    } else {
      double const start = m >= b ? x1 : x2;
      bin.highLevel += start;
      bin.lowLevel += start;
    }
  } else if (m < b) {
    (x2 > x1 ? bin.highLevel : bin.lowLevel) += x2 - x1;
  }
}

TimewiseOperations& TimewiseOperations::operator+=(StatisticalBin const& other) noexcept {
  // A bin that covers no time has no level of its own.
  if (times.weight == 0.0) {
    lowLevel = other.lowLevel;
    highLevel = other.highLevel;
  } else if (other.times.weight != 0.0) {
    lowLevel = std::min(lowLevel, other.lowLevel);
    highLevel = std::max(highLevel, other.highLevel);
  }
  AddSumsAndExtremes(*this, other);
  return *this;
}

TimewiseOperations operator+(TimewiseOperations a, StatisticalBin const& b) noexcept {
  return a += b;
}

ComputerwiseOperations& ComputerwiseOperations::operator+=(StatisticalBin const& other) noexcept {
  AddSumsAndExtremes(*this, other);
  lowLevel += other.lowLevel;
  highLevel += other.highLevel;
  return *this;
}

ComputerwiseOperations operator+(ComputerwiseOperations a, StatisticalBin const& b) noexcept {
  return a += b;
}

double Mean_ComputerCount(StatisticalBin const& b, double T) noexcept {
  return b.times.weight / T;
}
double Mean_SampleRate(StatisticalBin const& b) noexcept {
  return b.weightedRates / b.times.weight;
}
double Mean_SampleInterval(StatisticalBin const& b) noexcept {
  return b.weightedIntervals / b.times.weight;
}
double Mean_Success(StatisticalBin const& b) noexcept {
  return b.successWeight / b.times.weight;
}
double Mean_Failure(StatisticalBin const& b) noexcept {
  return (b.times.weight - b.successWeight) / b.times.weight;
}
double Mean_SuccessfulComputerCount(StatisticalBin const& b, double T) noexcept {
  return b.successWeight / T;
}
double Mean_FailingComputerCount(StatisticalBin const& b, double T) noexcept {
  return (b.times.weight - b.successWeight) / T;
}
double Mean_ValueCount(StatisticalBin const& b) noexcept {
  return b.values.values.weight / b.times.weight;
}
double Mean_NonzeroValueCount(StatisticalBin const& b) noexcept {
  return b.logarithms.values.weight / b.times.weight;
}
double Mean_ZeroValueCount(StatisticalBin const& b) noexcept {
  return (b.values.values.weight - b.logarithms.values.weight) / b.times.weight;
}

double Mean_X(StatisticalBin const& b) noexcept {
  return Mean(b.values.values);
}
double Mean_LnAbsX(StatisticalBin const& b) noexcept {
  return Mean(b.logarithms.values);
}
double GeometricMean_X(StatisticalBin const& b) noexcept {
  return std::exp(Mean_LnAbsX(b));
}
double Variance_X(StatisticalBin const& b) noexcept {
  return Variance(b.values.values);
}
double Variance_LnAbsX(StatisticalBin const& b) noexcept {
  return Variance(b.logarithms.values);
}
double StandardDeviation_X(StatisticalBin const& b) noexcept {
  return std::sqrt(Variance_X(b));
}
double StandardDeviation_LnAbsX(StatisticalBin const& b) noexcept {
  return std::sqrt(Variance_LnAbsX(b));
}
double Skewness_X(StatisticalBin const& b) noexcept {
  return Skewness(b.values.values);
}
double Skewness_LnAbsX(StatisticalBin const& b) noexcept {
  return Skewness(b.logarithms.values);
}
double Kurtosis_X(StatisticalBin const& b) noexcept {
  return Kurtosis(b.values.values);
}
double Kurtosis_LnAbsX(StatisticalBin const& b) noexcept {
  return Kurtosis(b.logarithms.values);
}
LinearRegression Regression_X(StatisticalBin const& b) noexcept {
  return RegressionOverTime(b.values);
}
LinearRegression Regression_LnAbsX(StatisticalBin const& b) noexcept {
  return RegressionOverTime(b.logarithms);
}

}  // namespace inspectors
