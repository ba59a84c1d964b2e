// The type checker: chooses one registration for every phrase, cast and operator of
// a parsed query and computes every node's static type and plurality. Nothing is
// evaluated before the whole query checks.
#pragma once

#include "host/catalog/registry.h"
#include "host/evaluation/values.h"
#include "host/query/query_errors.h"
#include "host/query/syntax_tree.h"

namespace evaluator {

// Checks the tree in place, filling the checker's fields of every node; the types
// come from `types`, which must outlive the tree. Throws TypeError.
void CheckTypes(Node& root, Registry const& registry, TypeTable& types);

}  // namespace evaluator
