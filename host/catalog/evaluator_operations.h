// The evaluator's own operations on integers, strings and booleans: arithmetic,
// comparisons, concatenation, casts and the aggregates over integers and strings;
// and the types of files' four-byte type and creator codes with their text.
// They are records of the registry like the library's, made through the same
// record functions and with callbacks of the same forms, so that the evaluator
// resolves and runs both the same way; for the same phrase and types the library's
// registration takes precedence.
#pragma once

#include <exception>

namespace evaluator {

class Registry;

// A string operation whose result would be longer than an inspector_string can hold
// (2^32 - 1 bytes).
class DataOverflow : public std::exception {
 public:
  char const* what() const noexcept override;
};

// Adds every operation, in a fixed order, as records of Origin::Evaluator.
void AddEvaluatorOperations(Registry& registry);

}  // namespace evaluator
