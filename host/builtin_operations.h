// The evaluator's own operations on integers, strings and booleans: arithmetic,
// comparisons, concatenation, casts and the aggregates over integers and strings.
// They are registration records with callbacks of the same forms a library uses,
// so that the evaluator runs them exactly as it runs the library's; the type
// checker consults them only when the library has no registration for the types.
#pragma once

#include <cstdint>
#include <exception>
#include <string_view>
#include <vector>

#include "framework/contract/evaluator.h"
#include "host/registry.h"

namespace evaluator {

// The evaluator's own derived type: what "unique values" of integers yields.
inline constexpr char kIntegerWithMultiplicity[] = "integer with multiplicity";
struct IntegerWithMultiplicity {
  integer value;
  std::int64_t count = 0;
};

// Every operation, in a fixed order.
std::vector<Registration> const& BuiltinOperations();

std::vector<Registration const*> BuiltinProperties(std::string_view name);
std::vector<Registration const*> BuiltinCasts(std::string_view name);
std::vector<Registration const*> BuiltinBinaryOperators(unsigned long code);
std::vector<Registration const*> BuiltinUnaryOperators(unsigned long code);
// The evaluator's own derived types ("integer with multiplicity"), or null.
Registration const* BuiltinType(std::string_view name);

// Names (lower case, single spaces) for the parser's longest match.
bool IsBuiltinNameOrNamePrefix(std::string_view words);
bool IsBuiltinName(std::string_view words);

// Whether `r` is one of the evaluator's own operations. They are cheaper to run
// again than to look up, so the result cache leaves them out.
bool IsBuiltinOperation(Registration const* r);

// Appends nothing: the evaluator's operations depend only on their operands.
void BuiltinFingerprint(Fingerprinter& f);

}  // namespace evaluator
