// Text forms of a long double and its significance threshold, and the reading of such
// text back into a value and the threshold its digits declare.
//
// A number is written to exactly the place of its last significant digit: 3.14159
// significant to 0.01 is "3.14". Text read back gets the threshold of its last digit:
// "3.14" is significant to 0.01, "1200" to 100, "1200." to 1.
#pragma once

#include <cstddef>

#include "foundation/const_data.h"
#include "inspectors/numbers/floating_point.h"

namespace inspectors {

inline constexpr std::size_t kFloatingPointTextCapacity = 74;
using FloatingPointText = USAsciiStringOfCapacity<kFloatingPointTextCapacity>;

// The spacing of long doubles just below |x|: a unit in the last place, half of one
// at a power of two; the smallest subnormal for 0.
long double Resolution(long double x) noexcept;

// The power of ten of the last significant digit of x with threshold t. The threshold
// never counts as finer than the spacing of long doubles at x, and one within 5 % below
// a power of ten counts as that power (0.0096 gives -2). An infinite threshold counts as
// the largest long double, so the place is at most 4932, the largest a text can state.
long double LastSignificantDigit(long double x, long double t);

// Writes the decimal digits of x for the places hi down to lo and returns what is left
// of x below place lo. x must be non-negative and integral at those places.
long double PutDigits(Buffer& out, long double x, long double hi, long double lo);

// "NaN", "+infinity" or "-infinity".
FloatingPointText NonfiniteText(long double x);

// Positional notation, rounded half to even at the last significant place: 3.14159
// with threshold 0.01 is "3.14", 12345 with 100 is "12300". More than 72 integer
// places (71 with a minus sign) throw TooLargeForStandardNotation; more than 74
// characters in all throw DataOverflow.
FloatingPointText StandardNotation(long double x, long double t);

// A mantissa in standard notation and, unless it is 0, the power of ten: 12345 with
// threshold 1 is "1.2345e+4", 0.5 with 0.1 is "5e-1".
FloatingPointText ScientificNotation(long double x, long double t);

// Standard notation for values below 10^73 whose last significant place is above
// 10^-73 and whose text fits; scientific notation otherwise, and for a value that rounds
// to zero above the units place ("0e+2", where standard notation would write "0").
// What it writes reads back with the place of its last digit; it never throws.
FloatingPointText MakeAsciiFloatingPoint(long double x, long double t);

// The text without leading and trailing spaces (byte 32 only).
ConstData WithoutSpaces(ConstData text);

// Adds the decimal digits of the text to acc, its last digit at place p; spaces are
// skipped, any other byte throws NotAFloatingPoint.
long double ReadDigits(ConstData text, long double p, long double acc);
// The same after leading spaces and an optional sign; a minus negates the whole sum.
long double ReadSignedDigits(ConstData text, long double p, long double acc);
// +infinity for "inf" or "infinity" in any case; anything else throws
// NotAFloatingPoint.
long double ReadInfinityWord(ConstData text);

// Reads standard or scientific notation (spaces allowed among the digits), or the
// words "inf", "infinity" with an optional sign and "nan", in any case. The threshold
// is the place of the last digit given, or the value's own resolution if that is
// coarser. A value too large for a long double is an infinity with the overflow and
// inexact flags; a non-zero number too small for a normal long double has the
// underflow and inexact flags. Anything else throws NotAFloatingPoint.
floating_point ReadAsciiFloatingPoint(ConstData text);

}  // namespace inspectors
