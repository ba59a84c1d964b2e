// Moving text between the library and the evaluator's `inspector_string`. Result
// text is copied into memory from `Allocate_Inspector_Memory`, which the library
// never frees.
#pragma once

#include <string_view>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"

namespace inspectors {

// Wraps bytes that outlive the result (evaluator memory or static storage). More
// than 2^32 - 1 bytes throw `DataOverflow`.
inspector_string AsInspectorString(ConstData bytes);
inline ConstData AsConstData(inspector_string const& text) noexcept {
  return ConstData(text.bytes, text.bytes + text.length);
}

// Copies the pieces, in order, into evaluator memory.
inspector_string CopyToInspectorString(ConstDataRopeReference rope);
inspector_string CopyToInspectorString(ConstData bytes);
inline inspector_string CopyToInspectorString(std::string_view text) {
  return CopyToInspectorString(ConstData(text));
}

}  // namespace inspectors
