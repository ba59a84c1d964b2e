// Plain properties, casts and operators: one call of the registration per
// combination of the operands' values, through the result cache.
#include <optional>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

class CallStream : public Stream {
 public:
  CallStream(Node const& node, Environment environment, RunContext& run)
      : node_(node),
        run_(run),
        constantOperands_(ConstantOperands(OperandsOf(node))),
        operands_(OperandsOf(node).span(), std::move(environment), run) {}

  ValueRef Next() override { return Advance(true); }
  ValueRef NextOrNone() override { return Advance(false); }

 private:
  ValueRef Advance(bool missingThrows) {
    while (operands_.Next()) {
      CheckInterruption(node_);
      if (ValueRef v = Call()) return v;
      if (node_.plural) continue;
      if (missingThrows) throw MissingValue(node_);
      return nullptr;
    }
    return nullptr;
  }

  // One call with the current operands; null for no value.
  ValueRef Call() {
    Registration const* r = node_.registration;
    if (r == nullptr) {
      // A cast to a base type: the same bytes, seen as that type.
      ValueRef const& source = operands_[0];
      return std::make_shared<ValueBox>(node_.type, source->data(), source);
    }
    // The operands in the order the callback takes them: a property's parameter and
    // object; the operand of a cast or unary minus; the two operands of a binary
    // operator, swapped for `>` and `>=`.
    ValueRef first;
    ValueRef second;
    if (node_.kind == NodeKind::Phrase) {
      std::size_t i = 0;
      second = node_.object() ? operands_[i++] : nullptr;
      first = node_.parameter() ? operands_[i++] : nullptr;
    } else {
      first = operands_[0];
      if (node_.children.size() > 1) second = operands_[1];
      if (node_.swapOperands) std::swap(first, second);
    }
    ValueRef v = Cached(first, second, [&] {
      ValueRef made = Produce(node_.type, node_, nullptr, [&](void* result) {
        return Invoke(*r, result, DataOf(first), DataOf(second));
      });
      if (made) {
        KeepOperand(*made, first);
        KeepOperand(*made, second);
      }
      return made;
    });
    if (v && node_.negate) return MakeBoolean(node_.type, !IsTrue(v));
    return v;
  }

  static bool Invoke(Registration const& r, void* result, void const* first, void const* second) {
    switch (r.kind) {
      case Kind::Cast:
        r.cast(result, first, r.context);
        return true;
      case Kind::BinaryOperator:
        r.binary(result, first, second, r.context);
        return true;
      case Kind::UnaryOperator:
        r.unary(result, first, r.context);
        return true;
      default:
        return r.getter(result, first, second, nullptr, r.context);
    }
  }

  // Looks the call up in the cache, or makes it and stores its outcome. The
  // evaluator's own operations are cheaper to run again than to look up.
  template <class Make>
  ValueRef Cached(ValueRef const& first, ValueRef const& second, Make&& make) {
    return CachedCall(run_, node_, constantOperands_, {first.get(), second.get()},
                      std::forward<Make>(make));
  }

  Node const& node_;
  RunContext& run_;
  bool const constantOperands_;
  CrossProduct operands_;
};

}  // namespace

std::unique_ptr<Stream> OpenCall(Node const& node, Environment const& environment,
                                 RunContext& run) {
  return std::make_unique<CallStream>(node, environment, run);
}

}  // namespace evaluator
