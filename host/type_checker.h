// The type checker: chooses one registration for every phrase, cast and operator of
// a parsed query and computes every node's static type and plurality. Nothing is
// evaluated before the whole query checks.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/syntax_tree.h"
#include "host/values.h"
#include "host/vocabulary.h"

namespace evaluator {

// A query that does not type-check: the message names the phrase and the types.
class TypeError : public std::runtime_error {
 public:
  TypeError(std::string const& what, std::size_t column)
      : std::runtime_error(what), column_(column) {}
  std::size_t column() const noexcept { return column_; }

 private:
  std::size_t column_;
};

// Checks the tree in place, filling the checker's fields of every node; the types
// come from `types`, which must outlive the tree. Throws TypeError.
void CheckTypes(Node& root, Vocabulary const& vocabulary, TypeTable& types);

}  // namespace evaluator
