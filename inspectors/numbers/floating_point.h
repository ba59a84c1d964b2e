// "floating point": a long double together with its significance threshold and the
// exception flags raised anywhere in its computation. Arithmetic with itself and with
// integers, comparisons, flags, classification, the significance algebra and the
// conversions to and from integers and text.
//
// Every operation that computes a value clears the five exception flags, computes the
// value, joins the flags now raised with those of its operands, and only then computes
// the new threshold (whose own flags are not recorded). The computation itself is kept
// apart from the flag reads, so the flags are exact at every optimisation level.
#pragma once

#include <cfloat>
#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// The exception flags, numbered as the x86 floating-point environment numbers them.
inline constexpr std::uint32_t kFloatingPointInvalid = 1;
inline constexpr std::uint32_t kFloatingPointDivideByZero = 4;
inline constexpr std::uint32_t kFloatingPointOverflow = 8;
inline constexpr std::uint32_t kFloatingPointUnderflow = 16;
inline constexpr std::uint32_t kFloatingPointInexact = 32;
// The flags every operation clears before and reads after computing a value. The x86
// denormal-operand flag (2) is never recorded.
inline constexpr std::uint32_t kFloatingPointAllFlags = 61;

struct floating_point {
  long double value = 0.0L;
  // Quantities smaller than this are not significant in `value`. The default is the
  // smallest positive normal long double, so that a default value (the zero of a sum)
  // barely changes the threshold of what is added to it.
  long double threshold = LDBL_MIN;
  std::uint32_t flags = 0;

  static char const* TypeName() noexcept { return "floating point"; }
};

// A long double and the exception flags raised while computing it.
struct flagged_long_double {
  long double value = 0.0L;
  std::uint32_t flags = 0;
};

// Single long double steps, each between a clearing and a reading of the five flags.
// For code that combines `floating_point` values in ways the operators below do not
// (a square root of a variance, say): join the flags of the steps it takes.
flagged_long_double FlaggedSum(long double a, long double b);
flagged_long_double FlaggedDifference(long double a, long double b);
flagged_long_double FlaggedProduct(long double a, long double b);
flagged_long_double FlaggedQuotient(long double a, long double b);
flagged_long_double FlaggedSquareRoot(long double a);

// Arithmetic. Thresholds combine as absolute uncertainties: the square root of the sum
// of squares. An integer operand is exact and brings no threshold of its own. Division
// by zero is not an error: the value is an infinity or NaN and the flags say so.
floating_point operator-(floating_point const& x);
floating_point operator+(floating_point const& a, floating_point const& b);
floating_point operator-(floating_point const& a, floating_point const& b);
floating_point operator*(floating_point const& a, floating_point const& b);
floating_point operator/(floating_point const& a, floating_point const& b);
floating_point operator+(integer const& i, floating_point const& x);
floating_point operator-(integer const& i, floating_point const& x);
floating_point operator*(integer const& i, floating_point const& x);
floating_point operator/(integer const& i, floating_point const& x);
floating_point operator+(floating_point const& x, integer const& i);
floating_point operator-(floating_point const& x, integer const& i);
floating_point operator*(floating_point const& x, integer const& i);
floating_point operator/(floating_point const& x, integer const& i);

// Comparisons look at the values only; anything compared with NaN is false.
bool operator==(floating_point const& a, floating_point const& b) noexcept;
bool operator<(floating_point const& a, floating_point const& b) noexcept;
bool operator<=(floating_point const& a, floating_point const& b) noexcept;
bool operator==(integer const& i, floating_point const& x) noexcept;
bool operator<(integer const& i, floating_point const& x) noexcept;
bool operator<=(integer const& i, floating_point const& x) noexcept;
bool operator==(floating_point const& x, integer const& i) noexcept;
bool operator<(floating_point const& x, integer const& i) noexcept;
bool operator<=(floating_point const& x, integer const& i) noexcept;

// The order of unique values and extrema: by value, with every NaN after every number
// and all NaNs alike. The relation "<" cannot serve there, since NaN compares false
// with everything and would make a sorted container lose elements or miscount them.
struct FloatingPointTotalOrder {
  bool operator()(floating_point const& a, floating_point const& b) const noexcept;
};

// An integer is exact and significant to its units place: threshold 1.
floating_point asFloatingPoint(integer const& i);
// Reads standard or scientific notation, or an infinity or NaN word; the threshold is
// the place of the last digit given. Text that is not a number: NoSuchObject.
floating_point asFloatingPoint(inspector_string const& text);
floating_point MakeFloatingPoint(unsigned char const* bytes, unsigned long length);
floating_point FloatingPointFromFloatingPoint(floating_point const& x);

// Text printed to the place of the last significant digit. The general form is
// standard notation where that is short enough and keeps the place of the last digit,
// scientific notation otherwise.
inspector_string asString(floating_point const& x);
inspector_string asStandardNotation(floating_point const& x);
inspector_string asScientificNotation(floating_point const& x);

// Conversions to integer. A value that is not finite or outside the signed 64-bit
// range: NoSuchObject. The cast rounds half to even.
integer ConvertToInteger(long double integral);
integer IntegerFloor(floating_point const& x);
integer IntegerCeiling(floating_point const& x);
integer asRoundedInteger(floating_point const& x);

// The significance algebra. The threshold itself, and its place as a power of ten,
// absolute or relative to the value, each as a new value significant to 1 %.
floating_point significance_threshold(floating_point const& x);
floating_point absolute_significance(floating_point const& x);
floating_point relative_significance(floating_point const& x);
// x with a new threshold: 10^-n times finer or coarser than its own, 10^n, or
// |x| / 10^n.
floating_point more_digits(std::uint64_t n, floating_point const& x);
floating_point fewer_digits(std::uint64_t n, floating_point const& x);
floating_point absolute_significance(std::uint64_t n, floating_point const& x);
floating_point relative_significance(std::uint64_t n, floating_point const& x);

// The exception flags raised while computing x.
boolean DivideByZero(floating_point const& x) noexcept;
boolean Inexact(floating_point const& x) noexcept;
boolean Invalid(floating_point const& x) noexcept;
boolean Overflow(floating_point const& x) noexcept;
boolean Underflow(floating_point const& x) noexcept;

// Classification of the value; zero and subnormal values are not normal.
boolean IsFinite(floating_point const& x) noexcept;
boolean IsInfinite(floating_point const& x) noexcept;
boolean IsNaN(floating_point const& x) noexcept;
boolean IsNormal(floating_point const& x) noexcept;

}  // namespace inspectors
