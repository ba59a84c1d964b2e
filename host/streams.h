// The evaluator: every checked node becomes a stream, a pull-based producer of
// values. A consumer asks for the next value; nothing upstream is computed before it
// is needed, and nothing is kept after it is consumed except what the values still
// refer to.
#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/result_cache.h"
#include "host/syntax_tree.h"
#include "host/values.h"

namespace evaluator {

// A singular phrase has no value. `exists`, `number of` and `whose` absorb it;
// anywhere else it fails the query with "no such object: <phrase>".
class MissingValue : public std::runtime_error {
 public:
  explicit MissingValue(Node const& node)
      : std::runtime_error("no such object: " + node.phrase), column_(node.column) {}
  std::size_t column() const noexcept { return column_; }

 private:
  std::size_t column_;
};

// Evaluation failed: an inspector threw, an operation overflowed, a singular phrase
// had several values.
class QueryFailure : public std::runtime_error {
 public:
  QueryFailure(std::string const& what, std::size_t column)
      : std::runtime_error(what), column_(column) {}
  std::size_t column() const noexcept { return column_; }

 private:
  std::size_t column_;
};

// What every stream of one run shares.
struct RunContext {
  ResultCache* cache = nullptr;  // null: no caching
};

// The bindings a stream is opened with: the innermost element of `whose`.
struct Environment {
  ValueRef it;
};

class Stream {
 public:
  virtual ~Stream() = default;
  // The next value, or null after the last. A singular node yields exactly one
  // value or throws MissingValue.
  virtual ValueRef Next() = 0;
};

// A stream of the node's values. The tree and the run context must outlive it.
std::unique_ptr<Stream> OpenStream(Node const& node, Environment const& environment,
                                   RunContext& run);

}  // namespace evaluator
