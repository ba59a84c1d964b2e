#include "inspectors/numbers/mean_and_standard_deviation.h"

#include <algorithm>
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

// A 128-bit integer rounded to long double, raising inexact when it did not fit.
long double Rounded(exact_sum v, std::uint32_t& flags) noexcept {
  auto const rounded = static_cast<long double>(v);
  // |v| < 2^127, so the rounded value converts back without overflow.
  if (static_cast<exact_sum>(rounded) != v) flags |= FE_INEXACT;
  return rounded;
}

// The exact spread of `count` integers (the sum of their differences from the first
// and of the squares of those) rounded: the mean difference, and the squared
// deviations from the mean, the squares less the sum times the mean difference.
struct RoundedSpread {
  long double shift;
  long double deviations;
};
RoundedSpread RoundSpread(std::int64_t count, exact_sum differences, exact_sum squares,
                          std::uint32_t& flags) noexcept {
  long double const sum = Rounded(differences, flags);
  long double const shift = Step(FlaggedQuotient(sum, static_cast<long double>(count)), flags);
  long double const deviations = Step(
      FlaggedDifference(Rounded(squares, flags), Step(FlaggedProduct(sum, shift), flags)), flags);
  return {shift, std::max(deviations, 0.0L)};
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
bool moments<Spread>::AddExactly(std::int64_t x) noexcept {
  if (count_ == 0) origin_ = x;
  exact_sum const d = exact_sum{x} - origin_;
  if (d != static_cast<std::int64_t>(d)) return false;
  exact_sum const square = d * d;  // below 2^126
  exact_sum squares = 0;
  if (__builtin_add_overflow(squares_, square, &squares)) return false;
  squares_ = squares;
  differences_ += d;  // |d| < 2^64: 2^63 of them fit
  return true;
}

template <bool Spread>
void moments<Spread>::Round() noexcept {
  rounded_ = true;
  if (count_ == 0) return;
  RoundedSpread const spread = RoundSpread(count_, differences_, squares_, flags_);
  runningMean_ = Step(FlaggedSum(static_cast<long double>(origin_), spread.shift), flags_);
  squaredDeviations_ = spread.deviations;
}

template <bool Spread>
void moments<Spread>::AddRounded(std::int64_t x) noexcept {
  FlagWindow const window(flags_);
  auto const v = static_cast<long double>(x);  // exact
  long double const delta = v - runningMean_;
  runningMean_ += delta / static_cast<long double>(count_ + 1);
  long double deviations = squaredDeviations_ + delta * (v - runningMean_);
  __asm__ __volatile__("" : "+m"(runningMean_) : : "memory");
  flags_ |= FlagWindow::Raised(deviations);
  squaredDeviations_ = deviations;
}

template <bool Spread>
void moments<Spread>::AggregateInteger(Of, integer const& i) {
  std::int64_t const x = i.get();
  integerSum_ += x;
  ++integers_;
  if constexpr (Spread) {
    if (rounded_ || !AddExactly(x)) {
      if (!rounded_) Round();
      AddRounded(x);
    }
  }
  ++count_;
}

template <bool Spread>
long double moments<Spread>::ExactVariance(std::uint32_t& flags) const noexcept {
  auto const n = static_cast<long double>(count_);
  exact_sum scaled = 0;
  exact_sum squaredSum = 0;
  exact_sum numerator = 0;
  if (!__builtin_mul_overflow(exact_sum{count_}, squares_, &scaled) &&
      !__builtin_mul_overflow(differences_, differences_, &squaredSum) &&
      !__builtin_sub_overflow(scaled, squaredSum, &numerator)) {
    long double const divisor = Step(FlaggedProduct(n, n), flags);
    return Step(FlaggedQuotient(Rounded(numerator, flags), divisor), flags);
  }
  // Too many digits for the exact numerator: the spread rounded.
  RoundedSpread const spread = RoundSpread(count_, differences_, squares_, flags);
  return Step(FlaggedQuotient(spread.deviations, n), flags);
}

template <bool Spread>
floating_point moments<Spread>::Sum() const {
  if (integers_ > 0) {
    std::uint32_t flags = 0;
    long double const sum = Rounded(integerSum_, flags);
    return floating_point{sum, std::sqrt(static_cast<long double>(integers_)), flags};
  }
  return sum_;
}

template <bool Spread>
floating_point moments<Spread>::FirstFinal() {
  floating_point const m = Sum() / integer(count_);
  if constexpr (!Spread) {
    return m;
  } else {
    std::uint32_t flags = m.flags | flags_;
    long double const variance =
        integers_ > 0 && !rounded_
            ? ExactVariance(flags)
            : Step(FlaggedQuotient(squaredDeviations_, static_cast<long double>(count_)), flags);
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
