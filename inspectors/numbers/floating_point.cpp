#include "inspectors/numbers/floating_point.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/numbers/floating_point_text.h"

namespace inspectors {

static_assert(FE_INVALID == kFloatingPointInvalid && FE_DIVBYZERO == kFloatingPointDivideByZero &&
                  FE_OVERFLOW == kFloatingPointOverflow &&
                  FE_UNDERFLOW == kFloatingPointUnderflow && FE_INEXACT == kFloatingPointInexact,
              "the flag numbers are those of the x86 floating-point environment");
static_assert(LDBL_MANT_DIG == 64, "the arithmetic is that of the x87 80-bit extended format");

namespace {

constexpr int kAllFlags = static_cast<int>(kFloatingPointAllFlags);

// The smallest change that is still a change: the 1 % threshold of derived places.
constexpr long double kOnePercent = 0.01;

// The value must be in memory here and may have been changed by this point: the
// compiler can neither compute it earlier or later than where it stands between the
// flag operations, nor fold it into a constant. The memory clobber also keeps the
// point in order with the calls that clear and read the flags.
inline void Settle(long double& x) noexcept {
  __asm__ __volatile__("" : "+m"(x) : : "memory");
}

inline void ClearFlags() noexcept {
  std::feclearexcept(kAllFlags);
}

inline std::uint32_t RaisedFlags() noexcept {
  return static_cast<std::uint32_t>(std::fetestexcept(kAllFlags)) & kFloatingPointAllFlags;
}

// One step between clearing and reading the flags.
template <class Step>
flagged_long_double Flagged(Step step, long double a, long double b) noexcept {
  ClearFlags();
  Settle(a);
  Settle(b);
  long double result = step(a, b);
  Settle(result);
  return {result, RaisedFlags()};
}

template <class Step>
flagged_long_double Flagged(Step step, long double a) noexcept {
  ClearFlags();
  Settle(a);
  long double result = step(a);
  Settle(result);
  return {result, RaisedFlags()};
}

long double Exact(integer const& i) noexcept {
  return static_cast<long double>(i.get());
}

long double Magnitude(integer const& i) noexcept {
  return std::fabs(Exact(i));
}

// The threshold of a product: each factor's threshold scaled by the other's value,
// and the product of the thresholds.
long double ProductThreshold(floating_point const& a, floating_point const& b) noexcept {
  return std::hypot(std::hypot(a.threshold * b.value, a.value * b.threshold),
                    a.threshold * b.threshold);
}

floating_point Made(flagged_long_double computed, std::uint32_t operandFlags,
                    long double threshold) noexcept {
  return floating_point{computed.value, threshold, operandFlags | computed.flags};
}

long double PowerOfTen(std::uint64_t n) noexcept {
  return std::pow(10.0L, static_cast<long double>(n));
}

}  // namespace

flagged_long_double FlaggedSum(long double a, long double b) {
  return Flagged([](long double x, long double y) { return x + y; }, a, b);
}
flagged_long_double FlaggedDifference(long double a, long double b) {
  return Flagged([](long double x, long double y) { return x - y; }, a, b);
}
flagged_long_double FlaggedProduct(long double a, long double b) {
  return Flagged([](long double x, long double y) { return x * y; }, a, b);
}
flagged_long_double FlaggedQuotient(long double a, long double b) {
  return Flagged([](long double x, long double y) { return x / y; }, a, b);
}
flagged_long_double FlaggedSquareRoot(long double a) {
  return Flagged([](long double x) { return std::sqrt(x); }, a);
}

floating_point operator-(floating_point const& x) {
  auto const v = Flagged([](long double a) { return -a; }, x.value);
  return Made(v, x.flags, x.threshold);
}

floating_point operator+(floating_point const& a, floating_point const& b) {
  auto const v = FlaggedSum(a.value, b.value);
  return Made(v, a.flags | b.flags, std::hypot(a.threshold, b.threshold));
}

floating_point operator-(floating_point const& a, floating_point const& b) {
  auto const v = FlaggedDifference(a.value, b.value);
  return Made(v, a.flags | b.flags, std::hypot(a.threshold, b.threshold));
}

floating_point operator*(floating_point const& a, floating_point const& b) {
  auto const v = FlaggedProduct(a.value, b.value);
  return Made(v, a.flags | b.flags, ProductThreshold(a, b));
}

floating_point operator/(floating_point const& a, floating_point const& b) {
  auto const v = FlaggedQuotient(a.value, b.value);
  return Made(v, a.flags | b.flags, ProductThreshold(a, b) / b.value / b.value);
}

floating_point operator+(integer const& i, floating_point const& x) {
  return Made(FlaggedSum(Exact(i), x.value), x.flags, x.threshold);
}
floating_point operator-(integer const& i, floating_point const& x) {
  return Made(FlaggedDifference(Exact(i), x.value), x.flags, x.threshold);
}
floating_point operator*(integer const& i, floating_point const& x) {
  return Made(FlaggedProduct(Exact(i), x.value), x.flags, Magnitude(i) * x.threshold);
}
floating_point operator/(integer const& i, floating_point const& x) {
  return Made(FlaggedQuotient(Exact(i), x.value), x.flags,
              Magnitude(i) * x.threshold / x.value / x.value);
}
floating_point operator+(floating_point const& x, integer const& i) {
  return Made(FlaggedSum(x.value, Exact(i)), x.flags, x.threshold);
}
floating_point operator-(floating_point const& x, integer const& i) {
  return Made(FlaggedDifference(x.value, Exact(i)), x.flags, x.threshold);
}
floating_point operator*(floating_point const& x, integer const& i) {
  return Made(FlaggedProduct(x.value, Exact(i)), x.flags, Magnitude(i) * x.threshold);
}
floating_point operator/(floating_point const& x, integer const& i) {
  return Made(FlaggedQuotient(x.value, Exact(i)), x.flags, x.threshold / Magnitude(i));
}

bool operator==(floating_point const& a, floating_point const& b) noexcept {
  return a.value == b.value;
}
bool operator<(floating_point const& a, floating_point const& b) noexcept {
  return a.value < b.value;
}
bool operator<=(floating_point const& a, floating_point const& b) noexcept {
  return a.value <= b.value;
}
bool operator==(integer const& i, floating_point const& x) noexcept {
  return Exact(i) == x.value;
}
bool operator<(integer const& i, floating_point const& x) noexcept {
  return Exact(i) < x.value;
}
bool operator<=(integer const& i, floating_point const& x) noexcept {
  return Exact(i) <= x.value;
}
bool operator==(floating_point const& x, integer const& i) noexcept {
  return x.value == Exact(i);
}
bool operator<(floating_point const& x, integer const& i) noexcept {
  return x.value < Exact(i);
}
bool operator<=(floating_point const& x, integer const& i) noexcept {
  return x.value <= Exact(i);
}

floating_point asFloatingPoint(integer const& i) {
  auto const v = Flagged([](long double a) { return a; }, Exact(i));
  return Made(v, 0, 1.0L);
}

floating_point asFloatingPoint(inspector_string const& text) {
  try {
    return ReadAsciiFloatingPoint(AsConstData(text));
  } catch (NotAFloatingPoint const&) {
    throw NoSuchObject();
  }
}

floating_point MakeFloatingPoint(unsigned char const* bytes, unsigned long length) {
  return asFloatingPoint(inspector_string{bytes, static_cast<std::uint32_t>(length)});
}

floating_point FloatingPointFromFloatingPoint(floating_point const& x) {
  return x;
}

inspector_string asString(floating_point const& x) {
  return CopyToInspectorString(MakeAsciiFloatingPoint(x.value, x.threshold).Bytes());
}
inspector_string asStandardNotation(floating_point const& x) {
  return CopyToInspectorString(StandardNotation(x.value, x.threshold).Bytes());
}
inspector_string asScientificNotation(floating_point const& x) {
  return CopyToInspectorString(ScientificNotation(x.value, x.threshold).Bytes());
}

integer ConvertToInteger(long double integral) {
  if (!std::isfinite(integral) || integral > 9223372036854775807.0L ||
      integral < -9223372036854775808.0L) {
    throw NoSuchObject();
  }
  return integer(static_cast<std::int64_t>(integral));
}

integer IntegerFloor(floating_point const& x) {
  return ConvertToInteger(std::floor(x.value));
}
integer IntegerCeiling(floating_point const& x) {
  return ConvertToInteger(std::ceil(x.value));
}
integer asRoundedInteger(floating_point const& x) {
  return ConvertToInteger(x.value - std::remainder(x.value, 1.0L));
}

floating_point significance_threshold(floating_point const& x) {
  auto const v = Flagged([](long double a) { return a; }, x.threshold);
  return Made(v, 0, x.threshold * kOnePercent);
}

floating_point absolute_significance(floating_point const& x) {
  auto const v = Flagged([](long double t) { return std::log10(t); }, x.threshold);
  return Made(v, 0, kOnePercent);
}

floating_point relative_significance(floating_point const& x) {
  auto const v =
      Flagged([](long double a, long double t) { return std::log10(std::fabs(a)) - std::log10(t); },
              x.value, x.threshold);
  return Made(v, 0, kOnePercent);
}

floating_point more_digits(std::uint64_t n, floating_point const& x) {
  return floating_point{x.value, x.threshold / PowerOfTen(n), x.flags};
}
floating_point fewer_digits(std::uint64_t n, floating_point const& x) {
  return floating_point{x.value, x.threshold * PowerOfTen(n), x.flags};
}
floating_point absolute_significance(std::uint64_t n, floating_point const& x) {
  return floating_point{x.value, PowerOfTen(n), x.flags};
}
floating_point relative_significance(std::uint64_t n, floating_point const& x) {
  return floating_point{x.value, std::fabs(x.value) / PowerOfTen(n), x.flags};
}

boolean DivideByZero(floating_point const& x) noexcept {
  return (x.flags & kFloatingPointDivideByZero) != 0;
}
boolean Inexact(floating_point const& x) noexcept {
  return (x.flags & kFloatingPointInexact) != 0;
}
boolean Invalid(floating_point const& x) noexcept {
  return (x.flags & kFloatingPointInvalid) != 0;
}
boolean Overflow(floating_point const& x) noexcept {
  return (x.flags & kFloatingPointOverflow) != 0;
}
boolean Underflow(floating_point const& x) noexcept {
  return (x.flags & kFloatingPointUnderflow) != 0;
}

boolean IsFinite(floating_point const& x) noexcept {
  return std::isfinite(x.value);
}
boolean IsInfinite(floating_point const& x) noexcept {
  return std::isinf(x.value);
}
boolean IsNaN(floating_point const& x) noexcept {
  return std::isnan(x.value);
}
boolean IsNormal(floating_point const& x) noexcept {
  return std::isnormal(x.value);
}

namespace {

// The order of the unique-value and extremum aggregates: by value, with every NaN
// after every number and all NaNs alike. The relation "<" cannot serve here, since
// NaN compares false with everything and would make a sorted container lose
// elements or miscount them.
struct TotalOrder {
  bool operator()(floating_point const& a, floating_point const& b) const noexcept {
    if (std::isnan(b.value)) return !std::isnan(a.value);
    return a.value < b.value;
  }
};

// Each distinct value with the number of times it occurred, ascending.
class unique_floating_point_aggregator {
 public:
  void Initialize() {
    counts_.clear();
    position_ = counts_.end();
  }
  void Aggregate(Of, floating_point const& x) { ++counts_[x]; }
  WithMultiplicity<floating_point> FirstFinal() {
    position_ = counts_.begin();
    return Current();
  }
  WithMultiplicity<floating_point> NextFinal() {
    if (position_ != counts_.end()) ++position_;
    return Current();
  }

  static integer Multiplicity(Of, WithMultiplicity<floating_point> const& counted) {
    return integer(counted.multiplicity);
  }

 private:
  using Counts = std::map<floating_point, std::int64_t, TotalOrder>;

  WithMultiplicity<floating_point> Current() const {
    if (position_ == counts_.end()) throw NoSuchObject();
    return WithMultiplicity<floating_point>{position_->first, position_->second};
  }

  Counts counts_;
  Counts::const_iterator position_ = counts_.end();
};

// The least and greatest values in the same order; the first of equal values stays.
template <class R>
class floating_point_extremum_aggregator {
 public:
  void Initialize() {
    minimum_.reset();
    maximum_.reset();
  }
  void Aggregate(Of, floating_point const& x) {
    if (!minimum_ || TotalOrder()(x, *minimum_)) minimum_ = x;
    if (!maximum_ || TotalOrder()(*maximum_, x)) maximum_ = x;
  }
  floating_point Minimum() { return *Seen(minimum_); }
  floating_point Maximum() { return *Seen(maximum_); }
  InspectorTuple2<floating_point, floating_point> Extrema() {
    return InspectorTuple2<floating_point, floating_point>(*Seen(minimum_), *Seen(maximum_));
  }
  R NextFinal() { throw NoSuchObject(); }

 private:
  static std::optional<floating_point> const& Seen(std::optional<floating_point> const& x) {
    if (!x) throw NoSuchObject();
    return x;
  }

  std::optional<floating_point> minimum_;
  std::optional<floating_point> maximum_;
};

using Single = floating_point_extremum_aggregator<floating_point>;
using Pair = floating_point_extremum_aggregator<InspectorTuple2<floating_point, floating_point>>;
using Unique = unique_floating_point_aggregator;
using FP = floating_point;

constexpr FingerprintFunction kPure = &DependsOnlyOnParameters;

floating_point (*const kAbsolutePlace)(FP const&) = &absolute_significance;
floating_point (*const kRelativePlace)(FP const&) = &relative_significance;
floating_point (*const kAbsolutePlaceN)(std::uint64_t, FP const&) = &absolute_significance;
floating_point (*const kRelativePlaceN)(std::uint64_t, FP const&) = &relative_significance;
floating_point (*const kFromInteger)(integer const&) = &asFloatingPoint;
floating_point (*const kFromString)(inspector_string const&) = &asFloatingPoint;

Type<FP, kNotFingerprinted> const floatingPointType;

// Relations, unique values and extrema.
RelationEqual<FP, FP> const equal(kPure);
RelationLess<FP, FP> const less(kPure);
RelationLessOrEqual<FP, FP> const lessOrEqual(kPure);
DerivedType<WithMultiplicity<FP>, FP, kNotFingerprinted> const withMultiplicityType;
Prop const uniqueValues("unique value", "unique values", &Unique::Initialize, &Unique::Aggregate,
                        &Unique::FirstFinal, &Unique::NextFinal, kPure);
Prop const multiplicity("multiplicity", "multiplicities", &Unique::Multiplicity, kPure);
Prop const minimum("minimum", "minima", &Single::Initialize, &Single::Aggregate, &Single::Minimum,
                   &Single::NextFinal, kPure);
Prop const maximum("maximum", "maxima", &Single::Initialize, &Single::Aggregate, &Single::Maximum,
                   &Single::NextFinal, kPure);
Prop const extrema("extrema", "extremas", &Pair::Initialize, &Pair::Aggregate, &Pair::Extrema,
                   &Pair::NextFinal, kPure);

// Arithmetic.
UnaryOperatorMinus<FP, FP> const negation(kPure);
OperatorPlus<FP, FP, FP> const plus(kPure);
BinaryOperatorMinus<FP, FP, FP> const minus(kPure);
OperatorTimes<FP, FP, FP> const times(kPure);
OperatorDivide<FP, FP, FP> const divide(kPure);
OperatorPlus<integer, FP, FP> const integerPlus(kPure);
BinaryOperatorMinus<integer, FP, FP> const integerMinus(kPure);
OperatorTimes<integer, FP, FP> const integerTimes(kPure);
OperatorDivide<integer, FP, FP> const integerDivide(kPure);
OperatorPlus<FP, integer, FP> const plusInteger(kPure);
BinaryOperatorMinus<FP, integer, FP> const minusInteger(kPure);
OperatorTimes<FP, integer, FP> const timesInteger(kPure);
OperatorDivide<FP, integer, FP> const divideByInteger(kPure);
Cast<integer, FP> const integerAsFloatingPoint("floating point", kFromInteger, kPure);

// Significance.
Property<FP, FP> const threshold("significance threshold", "significance thresholds",
                                 &significance_threshold, kPure);
Property<FP, FP> const place("significance place", "significance places", kAbsolutePlace, kPure);
Property<FP, FP> const relativePlace("relative significance place", "relative significance places",
                                     kRelativePlace, kPure);
NumberedProperty<FP, FP> const moreDigits("more significance", "more significances", &more_digits,
                                          kPure);
NumberedProperty<FP, FP> const fewerDigits("less significance", "less significances", &fewer_digits,
                                           kPure);
NumberedProperty<FP, FP> const placeN("significance place", "significance places", kAbsolutePlaceN,
                                      kPure);
NumberedProperty<FP, FP> const relativePlaceN("relative significance place",
                                              "relative significance places", kRelativePlaceN,
                                              kPure);

// Flags and classification.
Property<FP, boolean> const divideByZero("divided by zero", "divided by zeroes", &DivideByZero,
                                         kPure);
Property<FP, boolean> const inexact("inexact", "inexacts", &Inexact, kPure);
Property<FP, boolean> const invalid("invalid", "invalids", &Invalid, kPure);
Property<FP, boolean> const overflow("overflow", "overflows", &Overflow, kPure);
Property<FP, boolean> const underflow("underflow", "underflows", &Underflow, kPure);
Property<FP, boolean> const finite("finite", "finites", &IsFinite, kPure);
Property<FP, boolean> const infinite("infinite", "infinites", &IsInfinite, kPure);
Property<FP, boolean> const nan("nan", "nans", &IsNaN, kPure);
Property<FP, boolean> const normal("normal", "normals", &IsNormal, kPure);

// Comparisons with integers.
RelationEqual<integer, FP> const integerEqual(kPure);
RelationLessOrEqual<integer, FP> const integerLessOrEqual(kPure);
RelationLess<integer, FP> const integerLess(kPure);
RelationEqual<FP, integer> const equalInteger(kPure);
RelationLessOrEqual<FP, integer> const lessOrEqualInteger(kPure);
RelationLess<FP, integer> const lessInteger(kPure);

// Conversions.
Property<FP, integer> const integerFloor("integer floor", "integer floors", &IntegerFloor, kPure);
Property<FP, integer> const integerCeiling("integer ceiling", "integer ceilings", &IntegerCeiling,
                                           kPure);
Cast<FP, integer> const roundedInteger("integer", &asRoundedInteger, kPure);
Cast<FP, inspector_string> const string("string", &asString, kPure);
Cast<FP, inspector_string> const scientific("scientific notation", &asScientificNotation, kPure);
Cast<FP, inspector_string> const standard("standard notation", &asStandardNotation, kPure);
Cast<inspector_string, FP> const stringAsFloatingPoint("floating point", kFromString, kPure);
NamedGlobalProperty<FP> const named("floating point", "floating points", &MakeFloatingPoint, kPure);
Property<FP, FP> const copy("floating point", "floating points", &FloatingPointFromFloatingPoint,
                            kPure);
Cast<FP, FP> const copyCast("floating point", &FloatingPointFromFloatingPoint, kPure);

}  // namespace

}  // namespace inspectors
