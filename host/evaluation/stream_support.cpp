#include "host/evaluation/stream_support.h"

#include <exception>
#include <new>
#include <stdexcept>
#include <string>

#include "host/contract/exception_names.h"

namespace evaluator {

void FailWithCurrentException(Node const& node) {
  try {
    throw;
  } catch (std::bad_alloc const&) {
    throw QueryFailure("out of memory: " + node.phrase(), node.column);
  } catch (...) {
  }
  std::string name = CurrentExceptionClassName();
  std::string detail;
  try {
    throw;
  } catch (std::exception const& e) {
    char const* what = e.what();
    if (what != nullptr && *what != '\0' && name.find(what) == std::string::npos) detail = what;
  } catch (...) {
  }
  if (!detail.empty()) name.append(" (").append(detail).append(")");
  throw QueryFailure(name.append(": ").append(node.phrase()), node.column);
}

StateRef MakeState(Registration const& r, Node const& node) {
  try {
    return std::make_shared<StateBox>(r.stateSize, r.constructState, r.destroyState);
  } catch (Interrupted& stop) {
    RecordWhereInterrupted(stop, node);
    throw;
  } catch (...) {
    FailWithCurrentException(node);
  }
}

namespace {

template <class T>
ValueRef Make(ValueType const* type, T value) {
  auto box = std::make_shared<ValueBox>(type);
  new (box->data()) T(value);
  box->MarkConstructed();
  return box;
}

}  // namespace

ValueRef MakeBoolean(ValueType const* type, bool b) {
  return Make(type, boolean(b));
}

ValueRef MakeInteger(ValueType const* type, std::int64_t i) {
  return Make(type, integer(i));
}

bool IsTrue(ValueRef const& v) {
  return static_cast<boolean const*>(v->data())->value != 0;
}

std::vector<Node const*> ChildrenOf(Node const& node) {
  std::vector<Node const*> out;
  for (auto const& c : node.children) out.push_back(c.get());
  return out;
}

Operands ObjectAndParameterOf(Node const& node) {
  Operands out;
  if (node.object()) out.nodes[out.count++] = node.object();
  if (node.parameter()) out.nodes[out.count++] = node.parameter();
  return out;
}

Operands OperandsOf(Node const& node) {
  if (node.kind == NodeKind::Phrase) return ObjectAndParameterOf(node);
  Operands out;
  for (auto const& c : node.children) {
    if (out.count == 2) throw std::logic_error("a call has at most two operands");
    out.nodes[out.count++] = c.get();
  }
  return out;
}

bool ConstantOperands(Operands const& operands) noexcept {
  for (Node const* node : operands.span()) {
    if (!node->folded || node->plural) return false;
  }
  return true;
}

CrossProduct::CrossProduct(std::span<Node const* const> nodes, Environment environment,
                           RunContext& run)
    : environment_(std::move(environment)), run_(run), slots_(inline_), count_(nodes.size()) {
  if (count_ > kInlineSlots) {
    more_.resize(count_);
    slots_ = more_.data();
  }
  for (std::size_t i = 0; i < count_; ++i) slots_[i].node = nodes[i];
}

bool CrossProduct::Next() {
  if (done_) return false;
  if (count_ == 0) {
    done_ = started_;
    started_ = true;
    return !done_;
  }
  std::size_t i = started_ ? count_ - 1 : 0;
  started_ = true;
  while (true) {
    Slot& slot = slots_[i];
    slot.value = NextOf(slot);
    if (!slot.value) {
      if (i == 0) {
        done_ = true;
        return false;
      }
      --i;
      continue;
    }
    if (i + 1 == count_) return true;
    ++i;
  }
}

// `it`, and a call whose outcome the run has kept (KnownOutcome), have their one value
// at hand: taking it directly spares opening a stream for it, once per element of a
// `whose` whose condition relates `it` to a phrase of literals.
ValueRef CrossProduct::NextOf(Slot& slot) {
  if (!slot.stream) {
    Node const& node = *slot.node;
    ValueRef const* direct = nullptr;
    if (node.kind == NodeKind::It) {
      direct = &environment_.it;
    } else if (!node.folded) {
      direct = KnownOutcome(run_, node);
    }
    if (direct != nullptr) {
      if (slot.given) {
        slot.given = false;
        return nullptr;
      }
      // As the streams would: a singular call without a value fails, a plural one
      // and a missing `it` have no values.
      if (!*direct && !node.plural && node.kind != NodeKind::It) throw MissingValue(node);
      slot.given = static_cast<bool>(*direct);
      return *direct;
    }
    slot.stream = OpenStream(node, environment_, run_);
  }
  ValueRef value = slot.stream->Next();
  if (!value) slot.stream.reset();
  return value;
}

}  // namespace evaluator
