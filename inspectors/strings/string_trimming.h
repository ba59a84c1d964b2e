// Trimming whitespace (tab, line feed, carriage return and space) from either end
// of a string. The results are ranges of the argument's bytes.
#pragma once

#include "framework/contract/evaluator.h"

namespace inspectors {

inspector_string LeftTrimmedString(inspector_string const& s);
inspector_string RightTrimmedString(inspector_string const& s);
inspector_string TrimmedString(inspector_string const& s);

}  // namespace inspectors
