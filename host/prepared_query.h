// What a prepared query holds: its text, its checked tree and the types the tree
// refers to, or the syntax or type error that stopped it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "host/embedding.h"
#include "host/syntax_tree.h"
#include "host/values.h"
#include "host/vocabulary.h"

namespace evaluator {

struct PreparedQuery::Impl {
  std::string text;
  std::optional<Error> error;
  std::string type;
  bool plural = false;
  std::unique_ptr<Vocabulary> vocabulary;
  std::unique_ptr<TypeTable> types;  // refers to the vocabulary
  NodePtr root;                      // refers to the types
};

}  // namespace evaluator
