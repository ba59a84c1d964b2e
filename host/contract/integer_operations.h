// The evaluator's checked integer arithmetic (declared in framework/contract/evaluator.h)
// and the failure of parsing text as an integer.
#pragma once

#include <exception>

#include "framework/contract/evaluator.h"

namespace evaluator {

// asInteger was given text that is not an optional sign followed by decimal digits.
class NotAnInteger : public std::exception {
 public:
  char const* what() const noexcept override { return "NotAnInteger"; }
};

}  // namespace evaluator
