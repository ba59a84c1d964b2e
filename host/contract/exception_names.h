// Naming the exception being handled, for error messages: the evaluator reports a
// failed inspector call by its exception's class name.
#pragma once

#include <string>

namespace evaluator {

// Inside a catch block: the demangled name of the current exception's dynamic type,
// without a leading "inspectors::" or "evaluator::" ("NoSuchObject",
// "std::runtime_error"). "" when no exception is being handled.
std::string CurrentExceptionClassName();

}  // namespace evaluator
