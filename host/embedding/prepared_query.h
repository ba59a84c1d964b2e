// What a prepared query holds: its text, its checked tree and the types the tree
// refers to, or the syntax or type error that stopped it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "host/catalog/registry.h"
#include "host/embedding/embedding.h"
#include "host/evaluation/stream.h"
#include "host/evaluation/values.h"
#include "host/query/syntax_tree.h"

namespace evaluator {

struct PreparedQuery::Impl {
  std::shared_ptr<std::string const> text;  // never null
  std::optional<Error> error;
  std::string type;
  bool plural = false;
  Registry const* registry = nullptr;
  // The registry's count of withdrawals when the query was checked: once it moved
  // on, the tree may refer to registrations that are gone.
  std::uint64_t withdrawals = 0;
  std::unique_ptr<TypeTable> types;      // refers to the registry
  NodePtr root;                          // refers to the types
  std::unique_ptr<FoldedValues> folded;  // refers to the tree and the types
};

}  // namespace evaluator
