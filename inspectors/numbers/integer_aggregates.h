// "sum" and "product" of a sequence of integers. Neither wraps: once a step leaves the
// signed 64-bit range the aggregate has no value, whatever follows.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// The sum of no integers is 0.
class integer_sum {
 public:
  void Initialize() noexcept;
  void Add(Of, integer const& x) noexcept;
  integer FirstFinal();
  integer NextFinal();

 private:
  std::int64_t sum_ = 0;
  bool overflowed_ = false;
};

// The product of no integers is 1. Once a zero is met the product stays 0, since
// nothing times 0 overflows.
class integer_product {
 public:
  void Initialize() noexcept;
  void Multiply(Of, integer const& x) noexcept;
  integer FirstFinal();
  integer NextFinal();

 private:
  std::int64_t product_ = 1;
  bool overflowed_ = false;
};

}  // namespace inspectors
