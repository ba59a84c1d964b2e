// "numeric value": the first run of decimal digits in a text, as an integer.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// Skips to the first decimal digit and reads the digits that follow it. Signs,
// points and exponents are not read: "-12.5" gives 12. No value when the text has
// no digit or the run is too large for a signed 64-bit integer (leading zeros do
// not count towards that).
integer NumericValue(Of, inspector_string const& text);

}  // namespace inspectors
