#include "inspectors/numbers/integer_aggregates.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

template <Operation op, std::int64_t Start>
void checked_integer_aggregate<op, Start>::Aggregate(Of, integer const& x) noexcept {
  if (overflowed_) return;
  if (!Fits<op, std::int64_t>(value_, x.get())) {
    overflowed_ = true;
  } else if constexpr (op == Operation::kAdd) {
    value_ += x.get();
  } else {
    value_ *= x.get();
  }
}

template <Operation op, std::int64_t Start>
integer checked_integer_aggregate<op, Start>::FirstFinal() {
  if (overflowed_) throw NoSuchObject();
  return integer(value_);
}

template <Operation op, std::int64_t Start>
integer checked_integer_aggregate<op, Start>::NextFinal() {
  throw NoSuchObject();
}

template class checked_integer_aggregate<Operation::kAdd, 0>;
template class checked_integer_aggregate<Operation::kMultiply, 1>;

namespace {

Prop const product("product", "products", &integer_product::Initialize, &integer_product::Aggregate,
                   &integer_product::FirstFinal, &integer_product::NextFinal,
                   kDependsOnlyOnParameters);
Prop const sum("sum", "sums", &integer_sum::Initialize, &integer_sum::Aggregate,
               &integer_sum::FirstFinal, &integer_sum::NextFinal, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
