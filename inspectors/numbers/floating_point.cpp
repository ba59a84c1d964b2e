#include "inspectors/numbers/floating_point.h"

#include <cfenv>
#include <cmath>
#include <cstdint>

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

bool FloatingPointTotalOrder::operator()(floating_point const& a,
                                         floating_point const& b) const noexcept {
  if (std::isnan(b.value)) return !std::isnan(a.value);
  return a.value < b.value;
}

namespace {

using FP = floating_point;

Type<FP, kNotFingerprinted> const floatingPointType;

// Relations by IEEE comparison; unique values and extrema in the total order.
ComparableInspectorRegistration<FP, FloatingPointTotalOrder> const comparable(
    kDependsOnlyOnParameters);

// Arithmetic.
UnaryOperatorMinus<FP, FP> const negation(kDependsOnlyOnParameters);
ArithmeticInspectorRegistration<FP, FP, FP> const arithmetic(kDependsOnlyOnParameters);
ArithmeticInspectorRegistration<integer, FP, FP> const integerFirst(kDependsOnlyOnParameters);
ArithmeticInspectorRegistration<FP, integer, FP> const integerSecond(kDependsOnlyOnParameters);
Cast<integer, FP> const integerAsFloatingPoint("floating point", &asFloatingPoint,
                                               kDependsOnlyOnParameters);

// Significance.
Property<FP, FP> const threshold("significance threshold", "significance thresholds",
                                 &significance_threshold, kDependsOnlyOnParameters);
Property<FP, FP> const place("significance place", "significance places", &absolute_significance,
                             kDependsOnlyOnParameters);
Property<FP, FP> const relativePlace("relative significance place", "relative significance places",
                                     &relative_significance, kDependsOnlyOnParameters);
NumberedProperty<FP, FP> const moreDigits("more significance", "more significances", &more_digits,
                                          kDependsOnlyOnParameters);
NumberedProperty<FP, FP> const fewerDigits("less significance", "less significances", &fewer_digits,
                                           kDependsOnlyOnParameters);
NumberedProperty<FP, FP> const placeN("significance place", "significance places",
                                      &absolute_significance, kDependsOnlyOnParameters);
NumberedProperty<FP, FP> const relativePlaceN("relative significance place",
                                              "relative significance places",
                                              &relative_significance, kDependsOnlyOnParameters);

// Flags and classification.
Property<FP, boolean> const divideByZero("divided by zero", "divided by zeroes", &DivideByZero,
                                         kDependsOnlyOnParameters);
Property<FP, boolean> const inexact("inexact", "inexacts", &Inexact, kDependsOnlyOnParameters);
Property<FP, boolean> const invalid("invalid", "invalids", &Invalid, kDependsOnlyOnParameters);
Property<FP, boolean> const overflow("overflow", "overflows", &Overflow, kDependsOnlyOnParameters);
Property<FP, boolean> const underflow("underflow", "underflows", &Underflow,
                                      kDependsOnlyOnParameters);
Property<FP, boolean> const finite("finite", "finites", &IsFinite, kDependsOnlyOnParameters);
Property<FP, boolean> const infinite("infinite", "infinites", &IsInfinite,
                                     kDependsOnlyOnParameters);
Property<FP, boolean> const nan("nan", "nans", &IsNaN, kDependsOnlyOnParameters);
Property<FP, boolean> const normal("normal", "normals", &IsNormal, kDependsOnlyOnParameters);

// Comparisons with integers.
RelationEqual<integer, FP> const integerEqual(kDependsOnlyOnParameters);
RelationLessOrEqual<integer, FP> const integerLessOrEqual(kDependsOnlyOnParameters);
RelationLess<integer, FP> const integerLess(kDependsOnlyOnParameters);
RelationEqual<FP, integer> const equalInteger(kDependsOnlyOnParameters);
RelationLessOrEqual<FP, integer> const lessOrEqualInteger(kDependsOnlyOnParameters);
RelationLess<FP, integer> const lessInteger(kDependsOnlyOnParameters);

// Conversions.
Property<FP, integer> const integerFloor("integer floor", "integer floors", &IntegerFloor,
                                         kDependsOnlyOnParameters);
Property<FP, integer> const integerCeiling("integer ceiling", "integer ceilings", &IntegerCeiling,
                                           kDependsOnlyOnParameters);
Cast<FP, integer> const roundedInteger("integer", &asRoundedInteger, kDependsOnlyOnParameters);
Cast<FP, inspector_string> const string("string", &asString, kDependsOnlyOnParameters);
Cast<FP, inspector_string> const scientific("scientific notation", &asScientificNotation,
                                            kDependsOnlyOnParameters);
Cast<FP, inspector_string> const standard("standard notation", &asStandardNotation,
                                          kDependsOnlyOnParameters);
Cast<inspector_string, FP> const stringAsFloatingPoint("floating point", &asFloatingPoint,
                                                       kDependsOnlyOnParameters);
NamedGlobalProperty<FP> const named("floating point", "floating points", &MakeFloatingPoint,
                                    kDependsOnlyOnParameters);
Property<FP, FP> const copy("floating point", "floating points", &FloatingPointFromFloatingPoint,
                            kDependsOnlyOnParameters);
Cast<FP, FP> const copyCast("floating point", &FloatingPointFromFloatingPoint,
                            kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
