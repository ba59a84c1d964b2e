// Tuple type names: the evaluator composes them as "(a, b)" and "(a, b, c)", and
// takes them apart again when it type-checks tuple values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace evaluator {

// The tuple type name of the given item types: "(a, b, ...)".
std::string TupleTypeName(std::vector<std::string_view> const& items);

// The item type names of a tuple type name, outermost level only (nested tuple
// names stay whole); empty when `name` is not a tuple type name of two or more
// items.
std::vector<std::string_view> SplitTupleTypeName(std::string_view name);

inline bool IsTupleTypeName(std::string_view name) {
  return !SplitTupleTypeName(name).empty();
}

}  // namespace evaluator
