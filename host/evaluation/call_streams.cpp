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
      : node_(node), run_(run), operands_(OperandsOf(node).span(), std::move(environment), run) {}

  ValueRef Next() override {
    while (operands_.Next()) {
      CheckInterruption(node_);
      if (ValueRef v = Call()) return v;
      if (!node_.plural) throw MissingValue(node_);
    }
    return nullptr;
  }

 private:
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

  KnownDigests const* Known() const noexcept {
    return run_.folded != nullptr ? &run_.folded->digests : nullptr;
  }

  // Looks the call up in the cache, or makes it and stores its outcome. The
  // evaluator's own operations are cheaper to run again than to look up.
  template <class Make>
  ValueRef Cached(ValueRef const& first, ValueRef const& second, Make&& make) {
    std::optional<ResultCache::Key> key;
    if (run_.cache != nullptr && node_.registration->origin == Origin::Library) {
      key = ResultCache::KeyFor(*node_.registration, {first.get(), second.get()}, Known());
    }
    ValueRef value;
    if (key && run_.cache->Find(*key, value)) return value;
    value = make();
    if (key) run_.cache->Store(*key, value);
    return value;
  }

  Node const& node_;
  RunContext& run_;
  CrossProduct operands_;
};

}  // namespace

std::unique_ptr<Stream> OpenCall(Node const& node, Environment const& environment,
                                 RunContext& run) {
  return std::make_unique<CallStream>(node, environment, run);
}

}  // namespace evaluator
