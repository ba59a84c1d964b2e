// What the families of streams share: calling into an inspector, boxes of the
// evaluator's own values, the cross product of several operands' values, and the
// opening function of each family (OpenStream picks among them).
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "host/contract/interruption.h"
#include "host/evaluation/result_cache.h"
#include "host/evaluation/stream.h"

namespace evaluator {

// Inside a catch block: fails the query with the current exception's class name,
// and its description when that says more than the class name (a platform's
// message, say); a failure to allocate memory as "out of memory".
[[noreturn]] void FailWithCurrentException(Node const& node);

// Inside a catch block of Interrupted: the query stopped while evaluating `node`,
// unless a part nearer to where it stopped said so already.
inline void RecordWhereInterrupted(Interrupted& stop, Node const& node) noexcept {
  if (stop.column == 0) stop.column = node.column;
}

// The evaluator's own interruption check inside a loop of the stream of `node`.
inline void CheckInterruption(Node const& node) {
  try {
    CheckInterruption();
  } catch (Interrupted& stop) {
    RecordWhereInterrupted(stop, node);
    throw;
  }
}

// Runs `call` to construct a value at `result`, inside an arena scope whose memory
// goes to `arena`. Returns whether it yielded one: false for false or the contract's
// NoValue, when the memory such a call allocated goes to `state`, if there is one.
// Any other exception fails the query.
template <class Call>
[[gnu::always_inline]] inline bool CallProducing(void* result, std::shared_ptr<Arena>& arena,
                                                 Node const& node, StateBox* state, Call&& call) {
  bool yielded = false;
  try {
    ArenaScope scope(arena);
    yielded = call(result);
  } catch (Interrupted& stop) {
    RecordWhereInterrupted(stop, node);
    throw;
  } catch (NoValue const&) {
    yielded = false;
  } catch (...) {
    FailWithCurrentException(node);
  }
  if (!yielded && state != nullptr && arena) state->Keep(std::move(arena));
  return yielded;
}

// The same in `box`, an empty box of its type, whose arena takes the memory.
template <class Call>
[[gnu::always_inline]] inline bool ProduceInto(ValueBox& box, Node const& node, StateBox* state,
                                               Call&& call) {
  if (!CallProducing(box.data(), box.arena(), node, state, std::forward<Call>(call))) return false;
  box.MarkConstructed();
  return true;
}

// The same in a new box of `type`: the value, or null when the call yields none.
template <class Call>
ValueRef Produce(ValueType const* type, Node const& node, StateBox* state, Call&& call) {
  auto box = std::make_shared<ValueBox>(type);
  if (!ProduceInto(*box, node, state, std::forward<Call>(call))) return nullptr;
  return box;
}

// The state of an iteration or aggregation; a failing construct callback fails the
// query.
StateRef MakeState(Registration const& r, Node const& node);

inline void const* DataOf(ValueRef const& v) {
  return v ? v->data() : nullptr;
}

// A value keeps its operands alive unless nothing can point into them: an integer or
// a boolean points nowhere, and plain operands only a tuple points into. A tuple that
// a call makes refers to its items, the operands themselves, whatever their type: a
// time range paired with an integer points at that integer.
inline void KeepOperand(ValueBox& value, ValueRef const& operand) {
  if (!operand || value.type()->IsPlain()) return;
  if (!operand->type()->IsPlain() || value.type()->root == ValueType::Root::Tuple) {
    value.Keep(operand);
  }
}

ValueRef MakeBoolean(ValueType const* type, bool b);
ValueRef MakeInteger(ValueType const* type, std::int64_t i);
bool IsTrue(ValueRef const& v);

// The operands of a call: the object then the parameter of a phrase, or the one or
// two children of a cast or an operator. Held without an allocation.
struct Operands {
  Node const* nodes[2] = {};
  std::size_t count = 0;

  std::span<Node const* const> span() const noexcept { return {nodes, count}; }
};
Operands ObjectAndParameterOf(Node const& node);
Operands OperandsOf(Node const& node);
// The children of a node, any number of them.
std::vector<Node const*> ChildrenOf(Node const& node);

// Whether every operand was computed while preparing, as one value: the call is then
// the same for the whole run, for every element of an enclosing `whose` too.
bool ConstantOperands(Operands const& operands) noexcept;

// The outcome of the library's call at `node` with these arguments (null for no
// value): looked up in the run's result cache, else made by `make` and stored. The
// outcome of a call of constant operands is also kept by its node (KnownOutcome).
template <class Make>
ValueRef CachedCall(RunContext& run, Node const& node, bool constantOperands,
                    std::initializer_list<ValueBox const*> arguments, Make&& make) {
  Registration const& r = *node.registration;
  if (run.cache == nullptr || r.origin != Origin::Library || r.fingerprint == nullptr) {
    return make();
  }
  ResultCache::Site& site = run.cache->SiteOf(&node);  // stays put while others are added
  if (site.known) return site.value;
  if (!ResultCache::WorthLookingUp(site)) return make();
  auto const key =
      ResultCache::KeyFor(r, arguments, run.folded != nullptr ? &run.folded->digests : nullptr);
  ValueRef value;
  if (key) {
    ++site.lookups;
    if (run.cache->Find(*key, value)) {
      ++site.hits;
      return value;
    }
  }
  value = make();
  if (key) {
    run.cache->Store(*key, value);
    if (constantOperands) {
      site.known = true;
      site.value = value;
    }
  }
  return value;
}

// The outcome that CachedCall kept for the call of constant operands at `node`, if
// this run has made it: the operands need not be evaluated again. Other calls are
// told apart by their operands, without a lookup.
inline ValueRef const* KnownOutcome(RunContext const& run, Node const& node) {
  if (run.cache == nullptr || node.registration == nullptr || !ConstantOperands(OperandsOf(node))) {
    return nullptr;
  }
  ResultCache::Site const* site = run.cache->FindSite(&node);
  return site != nullptr && site->known ? &site->value : nullptr;
}

// The cross product of the values of several nodes, the first node outermost. An
// inner node is opened again for every combination of the outer ones. Up to two
// nodes need no allocation of their own.
class CrossProduct {
 public:
  CrossProduct(std::span<Node const* const> nodes, Environment environment, RunContext& run);
  CrossProduct(CrossProduct const&) = delete;
  CrossProduct& operator=(CrossProduct const&) = delete;

  // Moves to the next combination; false after the last.
  bool Next();
  ValueRef const& operator[](std::size_t i) const { return slots_[i].value; }

 private:
  struct Slot {
    Node const* node = nullptr;
    std::unique_ptr<Stream> stream;
    ValueRef value;
    bool given = false;  // a value taken without a stream: the next one is the end
  };
  // The slot's next value, or null after its last.
  ValueRef NextOf(Slot& slot);
  static constexpr std::size_t kInlineSlots = 2;

  Environment environment_;
  RunContext& run_;
  Slot inline_[kInlineSlots];
  std::vector<Slot> more_;
  Slot* slots_;
  std::size_t count_;
  bool started_ = false;
  bool done_ = false;
};

// A stream of exactly one value, computed when it is first asked for.
class SingleValueStream : public Stream {
 public:
  ValueRef Next() override {
    if (done_) return nullptr;
    done_ = true;
    return Compute();
  }

 protected:
  virtual ValueRef Compute() = 0;

 private:
  bool done_ = false;
};

// The families. Each opens the nodes of its kinds:
// literals, `it`, `not`, `and`, `or`, `exists` and `number of`;
std::unique_ptr<Stream> OpenLiteralOrLogic(Node const& node, Environment const& environment,
                                           RunContext& run);
// `if`, `whose`, lists, tuples and `item`;
std::unique_ptr<Stream> OpenCompound(Node const& node, Environment const& environment,
                                     RunContext& run);
// plain properties, casts and operators, one call per combination of arguments;
std::unique_ptr<Stream> OpenCall(Node const& node, Environment const& environment, RunContext& run);
// iterated properties and aggregates, and the one value of a singular one.
std::unique_ptr<Stream> OpenIterationOrAggregation(Node const& node, Environment const& environment,
                                                   RunContext& run);

}  // namespace evaluator
