// The query parser: recursive descent over the grammar, lowest precedence first.
// Phrase names are the longest run of words that the vocabulary knows.
#pragma once

#include <string_view>

#include "host/syntax_tree.h"
#include "host/tokenizer.h"
#include "host/vocabulary.h"

namespace evaluator {

// Deepest nesting of terms (parentheses, prefix operators, `of` chains) and the
// greatest height of the tree; a deeper query is a syntax error.
inline constexpr int kMaxNesting = 200;
inline constexpr int kMaxTreeHeight = 400;

// Parses a whole query. Throws SyntaxError.
NodePtr Parse(std::string_view query, Vocabulary const& vocabulary);

}  // namespace evaluator
