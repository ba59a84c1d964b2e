// "mean" and "standard deviation" of a sequence of floating-point values or integers,
// as floating-point values that carry the significance and the exception flags of
// their computation.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/numbers/floating_point.h"

namespace inspectors {

// The state of both aggregates: the count and the sum of the elements and, for the
// standard deviation (`Spread`), their spread around the running mean.
//
// The mean is the sum divided by the count, in floating-point arithmetic: thresholds
// combine through the sum and are divided by the count. An integer counts as exact to
// its units place. The mean of nothing is 0 / 0: NaN, flagged invalid.
//
// The standard deviation is the population form (divisor n). The spread is
// accumulated around the running mean, so that values far from zero keep their
// differences: the deviation of 10^15 + 1 and 10^15 + 3 is exactly 1. The result is
// significant to the threshold of the mean; its flags join those of the mean with
// those raised by the spread's own arithmetic. The deviation of nothing is NaN,
// flagged invalid.
//
// Integers are summed exactly, in 128 bits, and the sum is rounded once: the mean is
// inexact only when that sum has more digits than a floating-point value holds, and
// integers count as exact to their units (the sum's threshold is the square root of
// their number). The spread of integers is exact too: the differences from the first
// one, and the sum of their squares, are kept in 128 bits, and the variance
// (n * sum of squares - sum^2) / n^2 is rounded at the end. Once a square or the sum
// of squares would not fit, the spread is rounded into the running mean and squared
// deviations and goes on as for floating-point values, reading the flags of each
// element's steps.
// 2^63 integers of 64 bits, or their differences, cannot overflow its sums.
__extension__ using exact_sum = __int128;

template <bool Spread>
class moments {
 public:
  void Initialize();
  void AggregateFloat(Of, floating_point const& x);
  void AggregateInteger(Of, integer const& i);
  floating_point FirstFinal();
  floating_point NextFinal();

 private:
  // The sum: of floating-point values as accumulated, of integers the exact sum
  // rounded, significant to the square root of their number.
  floating_point Sum() const;
  // Adds x to the exact spread of integers; false, changing nothing, when it no longer
  // fits.
  bool AddExactly(std::int64_t x) noexcept;
  // Moves the exact spread into the running mean and squared deviations.
  void Round() noexcept;
  // Adds x to the running mean and squared deviations, reading the flags it raises.
  void AddRounded(std::int64_t x) noexcept;
  // The variance of the integers from the exact spread, raising its flags in `flags`.
  long double ExactVariance(std::uint32_t& flags) const noexcept;

  floating_point sum_;
  std::int64_t count_ = 0;
  std::int64_t integers_ = 0;  // of the count, the integers: all of it or none
  exact_sum integerSum_ = 0;
  std::int64_t origin_ = 0;    // the first integer; the spread is of differences from it
  exact_sum differences_ = 0;  // their sum
  exact_sum squares_ = 0;      // the sum of their squares
  bool rounded_ = false;       // the spread went on in runningMean_ and squaredDeviations_
  long double runningMean_ = 0.0L;
  long double squaredDeviations_ = 0.0L;  // the sum of squared differences from the mean
  std::uint32_t flags_ = 0;               // raised while accumulating the spread
};

using mean = moments<false>;
using standard_deviation = moments<true>;

}  // namespace inspectors
