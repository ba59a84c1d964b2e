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
// The mean of integers sums them exactly, in 128 bits, and rounds the sum once: it
// is inexact only when that sum has more digits than a floating-point value holds.
//
// For the standard deviation, an integer element takes the same steps as a
// floating-point one of threshold 1,
// without thresholds of its own: the sum's threshold is then the square root of the
// number of integers, taken once at the end, and the flags of all of an element's
// steps are read once for the element.
template <bool Spread>
class moments {
 public:
  void Initialize();
  void AggregateFloat(Of, floating_point const& x);
  void AggregateInteger(Of, integer const& i);
  floating_point FirstFinal();
  floating_point NextFinal();

 private:
  // The sum, its threshold completed by that of the integers added.
  floating_point Sum() const;

  floating_point sum_;
  std::int64_t count_ = 0;
  std::int64_t integers_ = 0;  // of the count, the integers, which sum_.threshold leaves out
  __extension__ using exact_sum = __int128;  // 2^63 integers of 64 bits cannot overflow it
  exact_sum integerSum_ = 0;                 // the mean's integers
  long double runningMean_ = 0.0L;
  long double squaredDeviations_ = 0.0L;  // the sum of squared differences from the mean
  std::uint32_t flags_ = 0;               // raised while accumulating the spread
};

using mean = moments<false>;
using standard_deviation = moments<true>;

}  // namespace inspectors
