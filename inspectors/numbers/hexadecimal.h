// Hexadecimal text: integers and byte strings to and from hexadecimal digits.
#pragma once

#include "framework/contract/evaluator.h"

namespace inspectors {

// Reads hexadecimal digits of either case, most significant first, as the 64-bit
// pattern of an integer: "ffffffffffffffff" is -1. Leading zeros are allowed in any
// number; no prefix, sign, blank or separator is. Empty text, any other byte, or
// more than 16 significant digits: NoSuchObject.
integer HexadecimalInteger(unsigned char const* bytes, unsigned long length);

// Reads pairs of hexadecimal digits of either case, each pair one byte, high nibble
// first: "4142" is "AB". Odd length or any other byte: NoSuchObject.
inspector_string HexadecimalString(unsigned char const* bytes, unsigned long length);

// The integer's 64-bit two's-complement pattern in lower-case digits, without leading
// zeros: 255 is "ff", 0 is "0", -1 is sixteen "f".
inspector_string IntegerAsHexadecimal(integer const& n);

// Each byte as two lower-case digits, high nibble first. A string too long for its
// text to be a string (more than 2^31 - 1 bytes): NoSuchObject.
inspector_string StringAsHexadecimal(inspector_string const& s);

}  // namespace inspectors
