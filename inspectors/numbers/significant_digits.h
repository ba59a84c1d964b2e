// "significant digits": an integer or a frequency rounded to a number of significant
// decimal digits.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "inspectors/numbers/hertz.h"

namespace inspectors {

// Keeps the first n decimal digits of |i|, rounds half up on the digit after them
// and restores the magnitude with zeros, keeping the sign: 2 digits of 1250 is 1300,
// of -1250 is -1300, of 999 is 1000. With n at least the number of digits, i itself;
// with n = 0, 10^L when the first of the L digits is 5 or more, else 0.
// No value when n is 2^32 or more, or when the rounded value leaves the integer range.
integer SignificantDigits(std::uint64_t n, integer const& i);
hertz SignificantDigitsOfHertz(std::uint64_t n, hertz const& h);

}  // namespace inspectors
