// The evaluator: every checked node becomes a stream, a pull-based producer of
// values. A consumer asks for the next value; nothing upstream is computed before it
// is needed, and nothing is kept after it is consumed except what the values still
// refer to.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

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

// The values of a node that preparing the query computed once: their bytes one after
// another when each value is all in its bytes (literal integers, booleans and
// strings, which point into the tree), else the values themselves.
struct FoldedNode {
  ValueType const* type = nullptr;
  std::size_t count = 0;
  std::vector<unsigned char> bytes;
  std::vector<ValueRef> boxes;
};

// What preparing the query computed once: the values of the nodes marked `folded`,
// and the digests of the long strings among them.
struct FoldedValues {
  std::unordered_map<Node const*, FoldedNode> nodes;
  KnownDigests digests;
};

// What every stream of one run shares.
struct RunContext {
  ResultCache* cache = nullptr;          // null: no caching
  FoldedValues const* folded = nullptr;  // null: nothing folded
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

  // Next, with null where a singular node has no value instead of MissingValue, for
  // `exists`: a stream that knows at once that it has none says so without the cost
  // of an exception. A MissingValue from deeper down may still be thrown.
  virtual ValueRef NextOrNone() { return Next(); }

  // The bytes of the next value, or null after the last, lent until the next call on
  // the stream or its end: for a consumer that only reads each value, which a stream
  // can then make without a box of its own per value.
  virtual void const* NextLent() {
    lent_ = Next();
    return lent_ ? lent_->data() : nullptr;
  }
  // What keeps the value (or the run of values) last lent alive, for a consumer that
  // keeps it after all; null when nothing needs to (it lives as long as the prepared
  // query).
  virtual KeepAlive KeepLent() { return lent_; }

  // Up to `max` (at least 1) next values, lent as NextLent lends one: `count` values,
  // `stride` bytes apart from `first`; none after the last. A stream that makes its
  // values one at a time lends one.
  struct LentRun {
    unsigned char const* first = nullptr;
    std::size_t count = 0;
    std::size_t stride = 0;
  };
  virtual LentRun NextLentRun(std::size_t max) {
    (void)max;
    void const* v = NextLent();
    return {static_cast<unsigned char const*>(v), v != nullptr ? 1u : 0u, 0};
  }

 private:
  ValueRef lent_;
};

// A stream of the node's values. The tree and the run context must outlive it.
std::unique_ptr<Stream> OpenStream(Node const& node, Environment const& environment,
                                   RunContext& run);

}  // namespace evaluator
