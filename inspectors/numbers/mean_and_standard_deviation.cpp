#include "inspectors/numbers/mean_and_standard_deviation.h"

#include <cfenv>
#include <cmath>

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

// Folds the flags of one step into `flags` and gives its value.
long double Step(flagged_long_double const& step, std::uint32_t& flags) noexcept {
  flags |= step.flags;
  return step.value;
}

constexpr int kAllFlags = static_cast<int>(kFloatingPointAllFlags);

// The flags that the steps between its construction and Raised() raise, for an
// aggregate that has recorded `recorded` already. Flags are sticky, and the steps of
// the aggregate's elements leave theirs raised: only a flag that it has not recorded
// was raised by other work, and only then are the flags cleared, so that a run of
// elements reads the flags twice per element and seldom clears them.
class FlagWindow {
 public:
  explicit FlagWindow(std::uint32_t recorded) noexcept {
    auto const raised = static_cast<std::uint32_t>(std::fetestexcept(kAllFlags));
    if ((raised & ~recorded) != 0) std::feclearexcept(kAllFlags);
  }
  FlagWindow(FlagWindow const&) = delete;
  FlagWindow& operator=(FlagWindow const&) = delete;

  // `x` is the last result of the steps: it is computed before the flags are read.
  static std::uint32_t Raised(long double& x) noexcept {
    __asm__ __volatile__("" : "+m"(x) : : "memory");
    return static_cast<std::uint32_t>(std::fetestexcept(kAllFlags)) & kFloatingPointAllFlags;
  }
};

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
  if constexpr (!Spread) {
    integerSum_ += i.get();
    ++count_;
    ++integers_;
    return;
  }
  FlagWindow const window(sum_.flags);
  long double const x = static_cast<long double>(i.get());  // exact
  long double sum = sum_.value;
  __asm__ __volatile__("" : "+m"(sum) : : "memory");
  sum += x;
  ++count_;
  ++integers_;
  if constexpr (Spread) {
    long double const delta = x - runningMean_;
    runningMean_ += delta / static_cast<long double>(count_);
    squaredDeviations_ += delta * (x - runningMean_);
    __asm__ __volatile__("" : "+m"(squaredDeviations_), "+m"(runningMean_) : : "memory");
  }
  // For the standard deviation the flags of the spread's steps join those of the
  // sum; the result joins both anyway.
  sum_.flags |= FlagWindow::Raised(sum);
  sum_.value = sum;
}

template <bool Spread>
floating_point moments<Spread>::Sum() const {
  floating_point sum = sum_;
  if (!Spread && integers_ > 0) {
    auto const rounded = static_cast<long double>(integerSum_);
    // |sum| < 2^127, so the rounded sum converts back without overflow.
    bool const exact = static_cast<exact_sum>(rounded) == integerSum_;
    return floating_point{rounded, std::sqrt(static_cast<long double>(integers_)),
                          exact ? 0u : static_cast<std::uint32_t>(FE_INEXACT)};
  }
  if (integers_ > 0) {
    sum.threshold = std::hypot(sum.threshold, std::sqrt(static_cast<long double>(integers_)));
  }
  return sum;
}

template <bool Spread>
floating_point moments<Spread>::FirstFinal() {
  floating_point const m = Sum() / integer(count_);
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
