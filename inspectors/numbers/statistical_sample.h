// One observation of a value, or several combined, as the statistical bins take them:
// whether it succeeded, the moments of its values and of the logarithms of their
// magnitudes, and its least and greatest value.
#pragma once

#include <limits>

#include "inspectors/numbers/statistical_moments.h"

// Exported for callers outside the library; the rest of the library is hidden.
#pragma GCC visibility push(default)

namespace inspectors {

struct StatisticalSample {
  // 1 for a sample that was taken, 0 for one that failed (an error sample).
  double sampleCount = 0.0;
  // The values, each of weight 1: their weight is the value count. A NaN is no value.
  CentredMoments values;
  // ln|x| of the values other than 0 and NaN: their weight is the non-zero count.
  CentredMoments logarithms;
  double minimum = std::numeric_limits<double>::infinity();
  double maximum = -std::numeric_limits<double>::infinity();

  // The error sample: nothing observed.
  StatisticalSample() noexcept = default;
  // A sample of the one value x.
  explicit StatisticalSample(double x) noexcept;
  static StatisticalSample Error() noexcept { return StatisticalSample(); }

  // An error sample stays one, whatever is added to it, and makes the sample it is
  // added to one. Otherwise the values and their logarithms are combined, and the
  // extremes are those of both; the sample count stays 1.
  StatisticalSample& operator+=(StatisticalSample const& other) noexcept;

  double ValueCount() const noexcept { return values.weight; }
  double NonZeroCount() const noexcept { return logarithms.weight; }
  // Σx, 0 when there are no values.
  double Sum() const noexcept { return values.weight * values.mean; }
};

// A sample and the bin time it was taken at.
struct TimedStatisticalSample {
  double time = 0.0;
  StatisticalSample sample;
};

}  // namespace inspectors

#pragma GCC visibility pop
