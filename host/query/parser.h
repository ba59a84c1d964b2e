// The query parser: recursive descent over the grammar, lowest precedence first.
// Phrase names are the longest run of words that the registry knows as a name.
#pragma once

#include <string_view>

#include "host/catalog/registry.h"
#include "host/query/syntax_tree.h"
#include "host/query/tokenizer.h"

namespace evaluator {

// Deepest nesting of terms (parentheses, prefix operators, `of` chains) and the
// greatest height of the tree; a deeper query is a syntax error.
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxTreeHeight = 400;

// Parses a whole query. Throws SyntaxError.
NodePtr Parse(std::string_view query, Registry const& registry);

}  // namespace evaluator
