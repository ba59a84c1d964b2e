// The query parser: recursive descent over the grammar, lowest precedence first.
// Phrase names are the longest run of words that the registry knows as a name.
#pragma once

#include <string_view>

#include "host/catalog/registry.h"
#include "host/query/syntax_tree.h"
#include "host/query/tokenizer.h"

namespace evaluator {

// The deepest nesting: each parenthesis (of a term or of a `whose` condition), each
// prefix operator (`-`, `not`, `exists`, `number of`), each `of` (of a phrase or an
// item) and each `if` opens one level. A deeper query is a syntax error, and so is a
// tree higher than kMaxTreeHeight nodes (chains such as `1 + 1 + ...` grow the tree
// without nesting).
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxTreeHeight = 400;

// Parses a whole query; the tree refers to `query`, which must outlive it. Throws
// SyntaxError, and Interrupted (or Cancelled) with the column of the token being
// read when the interruption check fires.
NodePtr Parse(std::string_view query, Registry const& registry);

}  // namespace evaluator
