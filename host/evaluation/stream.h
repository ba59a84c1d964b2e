// The evaluator: every checked node becomes a stream, a pull-based producer of
// values. A consumer asks for the next value; nothing upstream is computed before it
// is needed, and nothing is kept after it is consumed except what the values still
// refer to.
#pragma once

#include <memory>
#include <string>

#include "host/evaluation/result_cache.h"
#include "host/evaluation/values.h"
#include "host/query/query_errors.h"
#include "host/query/syntax_tree.h"

namespace evaluator {

// Evaluation failed: an inspector threw, an operation overflowed, a singular phrase
// had several values.
class QueryFailure : public QueryError {
 public:
  using QueryError::QueryError;
};

// A singular phrase has no value. `exists`, `number of` and `whose` absorb it;
// anywhere else it fails the query with "no such object: <phrase>".
class MissingValue : public QueryFailure {
 public:
  explicit MissingValue(Node const& node)
      : QueryFailure("no such object: " + node.phrase(), node.column) {}
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
