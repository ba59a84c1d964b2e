#include "inspectors/numbers/mean_and_standard_deviation.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

// Folds the flags of one step into `flags` and gives its value.
long double Step(flagged_long_double const& step, std::uint32_t& flags) noexcept {
  flags |= step.flags;
  return step.value;
}

}  // namespace

template <bool Spread>
void moments<Spread>::Initialize() {
  *this = moments();
}

template <bool Spread>
void moments<Spread>::AggregateFloat(Of, floating_point const& x) {
  sum_ = sum_ + x;
  ++count_;
  if constexpr (Spread) {
    // The new mean lies between the old one and x, so both differences have the sign
    // of `delta` and the squared deviations never decrease.
    long double const delta = Step(FlaggedDifference(x.value, runningMean_), flags_);
    long double const shift =
        Step(FlaggedQuotient(delta, static_cast<long double>(count_)), flags_);
    runningMean_ = Step(FlaggedSum(runningMean_, shift), flags_);
    long double const after = Step(FlaggedDifference(x.value, runningMean_), flags_);
    long double const growth = Step(FlaggedProduct(delta, after), flags_);
    squaredDeviations_ = Step(FlaggedSum(squaredDeviations_, growth), flags_);
  }
}

template <bool Spread>
void moments<Spread>::AggregateInteger(Of, integer const& i) {
  AggregateFloat(Of{}, asFloatingPoint(i));
}

template <bool Spread>
floating_point moments<Spread>::FirstFinal() {
  floating_point const m = sum_ / integer(count_);
  if constexpr (!Spread) {
    return m;
  } else {
    std::uint32_t flags = m.flags | flags_;
    long double const variance =
        Step(FlaggedQuotient(squaredDeviations_, static_cast<long double>(count_)), flags);
    long double const deviation = Step(FlaggedSquareRoot(variance), flags);
    return floating_point{deviation, m.threshold, flags};
  }
}

template <bool Spread>
floating_point moments<Spread>::NextFinal() {
  throw NoSuchObject();
}

template class moments<false>;
template class moments<true>;

namespace {

Prop const meanOfFloats("mean", "means", &mean::Initialize, &mean::AggregateFloat,
                        &mean::FirstFinal, &mean::NextFinal, kDependsOnlyOnParameters);
Prop const meanOfIntegers("mean", "means", &mean::Initialize, &mean::AggregateInteger,
                          &mean::FirstFinal, &mean::NextFinal, kDependsOnlyOnParameters);
Prop const deviationOfFloats("standard deviation", "standard deviations",
                             &standard_deviation::Initialize, &standard_deviation::AggregateFloat,
                             &standard_deviation::FirstFinal, &standard_deviation::NextFinal,
                             kDependsOnlyOnParameters);
Prop const deviationOfIntegers("standard deviation", "standard deviations",
                               &standard_deviation::Initialize,
                               &standard_deviation::AggregateInteger,
                               &standard_deviation::FirstFinal, &standard_deviation::NextFinal,
                               kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
