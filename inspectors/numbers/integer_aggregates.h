// "sum" and "product" of a sequence of integers. Neither wraps: once a step leaves the
// signed 64-bit range the aggregate has no value, whatever follows.
#pragma once

#include <cstdint>

#include "foundation/overflow.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// A running value that starts at `Start` and takes one step per element, if the
// exact result of `op` fits; otherwise it is lost for good.
template <Operation op, std::int64_t Start>
class checked_integer_aggregate {
 public:
  void Initialize() noexcept {
    value_ = Start;
    overflowed_ = false;
  }
  void Aggregate(Of, integer const& x) noexcept;
  integer FirstFinal();
  integer NextFinal();

 private:
  std::int64_t value_ = Start;
  bool overflowed_ = false;
};

// The sum of no integers is 0.
using integer_sum = checked_integer_aggregate<Operation::kAdd, 0>;
// The product of no integers is 1. Once a zero is met the product stays 0, since
// nothing times 0 overflows.
using integer_product = checked_integer_aggregate<Operation::kMultiply, 1>;

}  // namespace inspectors
