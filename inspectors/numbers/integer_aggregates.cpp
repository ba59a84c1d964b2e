#include "inspectors/numbers/integer_aggregates.h"

#include "foundation/exceptions.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"

namespace inspectors {

void integer_sum::Initialize() noexcept {
  sum_ = 0;
  overflowed_ = false;
}

void integer_sum::Add(Of, integer const& x) noexcept {
  if (overflowed_) return;
  if (CanAdd(sum_, x.get())) {
    sum_ += x.get();
  } else {
    overflowed_ = true;
  }
}

integer integer_sum::FirstFinal() {
  if (overflowed_) throw NoSuchObject();
  return integer(sum_);
}

integer integer_sum::NextFinal() {
  throw NoSuchObject();
}

void integer_product::Initialize() noexcept {
  product_ = 1;
  overflowed_ = false;
}

void integer_product::Multiply(Of, integer const& x) noexcept {
  if (overflowed_) return;
  if (CanMultiply(product_, x.get())) {
    product_ *= x.get();
  } else {
    overflowed_ = true;
  }
}

integer integer_product::FirstFinal() {
  if (overflowed_) throw NoSuchObject();
  return integer(product_);
}

integer integer_product::NextFinal() {
  throw NoSuchObject();
}

namespace {

Prop const product("product", "products", &integer_product::Initialize, &integer_product::Multiply,
                   &integer_product::FirstFinal, &integer_product::NextFinal,
                   kDependsOnlyOnParameters);
Prop const sum("sum", "sums", &integer_sum::Initialize, &integer_sum::Add, &integer_sum::FirstFinal,
               &integer_sum::NextFinal, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
