#include "host/streams.h"

#include <unordered_set>
#include <utility>
#include <vector>

#include "host/builtin_operations.h"
#include "host/exception_names.h"
#include "host/interruption.h"
#include "host/registry.h"

namespace evaluator {

namespace {

// ---------------------------------------------------------------------------
// Calls into inspectors.

// Inside a catch block: fails the query with the current exception's class name.
// The failure names the exception's class; an exception that describes itself in
// other words than its class name (a platform's message, say) adds that description.
[[noreturn]] void FailWithCurrentException(Node const& node) {
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
  throw QueryFailure(name.append(": ").append(node.phrase), node.column);
}

// Runs `call` to construct a value of `type` in a new box, inside an arena scope
// whose memory goes to that value. Returns null when the call yields no value
// (false, or the contract's NoValue); the memory such a call
// allocated goes to `state`, when there is one. Any other exception fails the query.
template <class Call>
ValueRef Produce(ValueType const* type, Node const& node, StateBox* state, Call&& call) {
  auto box = std::make_shared<ValueBox>(type);
  bool yielded = false;
  try {
    ArenaScope scope(box->arena());
    yielded = call(box->data());
  } catch (Interrupted const&) {
    throw;
  } catch (NoValue const&) {
    yielded = false;
  } catch (...) {
    FailWithCurrentException(node);
  }
  if (!yielded) {
    if (state != nullptr && box->arena()) state->Keep(std::move(box->arena()));
    return nullptr;
  }
  box->MarkConstructed();
  return box;
}

void const* DataOf(ValueRef const& v) {
  return v ? v->data() : nullptr;
}

// A value keeps its operands alive unless nothing can point into them.
void KeepOperand(ValueBox& value, ValueRef const& operand) {
  if (operand && !operand->type()->IsPlain()) value.Keep(operand);
}

ValueRef MakeBoolean(ValueType const* type, bool b) {
  auto box = std::make_shared<ValueBox>(type);
  new (box->data()) boolean(b);
  box->MarkConstructed();
  return box;
}

ValueRef MakeInteger(ValueType const* type, std::int64_t i) {
  auto box = std::make_shared<ValueBox>(type);
  new (box->data()) integer(i);
  box->MarkConstructed();
  return box;
}

bool IsTrue(ValueRef const& v) {
  return static_cast<boolean const*>(v->data())->value != 0;
}

StateRef MakeState(Registration const& r, Node const& node) {
  try {
    return std::make_shared<StateBox>(r.stateSize, r.constructState, r.destroyState);
  } catch (Interrupted const&) {
    throw;
  } catch (...) {
    FailWithCurrentException(node);
  }
}

// ---------------------------------------------------------------------------
// The cross product of the values of several nodes, the first node outermost. An
// inner node is opened again for every combination of the outer ones.

class Product {
 public:
  Product(std::vector<Node const*> nodes, Environment environment, RunContext& run)
      : nodes_(std::move(nodes)),
        environment_(std::move(environment)),
        run_(run),
        streams_(nodes_.size()),
        values_(nodes_.size()) {}

  bool Next() {
    if (done_) return false;
    if (nodes_.empty()) {
      done_ = started_;
      started_ = true;
      return !done_;
    }
    std::size_t i = started_ ? nodes_.size() - 1 : 0;
    started_ = true;
    while (true) {
      if (!streams_[i]) streams_[i] = OpenStream(*nodes_[i], environment_, run_);
      values_[i] = streams_[i]->Next();
      if (!values_[i]) {
        streams_[i].reset();
        if (i == 0) {
          done_ = true;
          return false;
        }
        --i;
        continue;
      }
      if (i + 1 == nodes_.size()) return true;
      ++i;
    }
  }

  ValueRef const& operator[](std::size_t i) const { return values_[i]; }

 private:
  std::vector<Node const*> nodes_;
  Environment environment_;
  RunContext& run_;
  std::vector<std::unique_ptr<Stream>> streams_;
  std::vector<ValueRef> values_;
  bool started_ = false;
  bool done_ = false;
};

// ---------------------------------------------------------------------------
// Streams of one value.

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

class LiteralStream : public SingleValueStream {
 public:
  explicit LiteralStream(Node const& node) : node_(node) {}

 protected:
  ValueRef Compute() override {
    switch (node_.kind) {
      case NodeKind::Integer:
        return MakeInteger(node_.type, node_.integer);
      case NodeKind::Boolean:
        return MakeBoolean(node_.type, node_.boolean);
      default: {
        // The bytes stay in the tree, which outlives the run.
        auto box = std::make_shared<ValueBox>(node_.type);
        new (box->data())
            inspector_string{reinterpret_cast<unsigned char const*>(node_.text.data()),
                             static_cast<std::uint32_t>(node_.text.size())};
        box->MarkConstructed();
        return box;
      }
    }
  }

 private:
  Node const& node_;
};

class ItStream : public SingleValueStream {
 public:
  explicit ItStream(ValueRef it) : it_(std::move(it)) {}

 protected:
  ValueRef Compute() override { return std::move(it_); }

 private:
  ValueRef it_;
};

// Holds one condition: a singular boolean whose missing value counts as false.
bool Holds(Node const& condition, Environment const& environment, RunContext& run) {
  try {
    ValueRef v = OpenStream(condition, environment, run)->Next();
    return v && IsTrue(v);
  } catch (MissingValue const&) {
    return false;
  }
}

class LogicStream : public SingleValueStream {
 public:
  LogicStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

 protected:
  bool Evaluate(Node const& operand) {
    ValueRef v = OpenStream(operand, environment_, run_)->Next();
    return v && IsTrue(v);
  }

  ValueRef Compute() override {
    bool result = false;
    switch (node_.kind) {
      case NodeKind::Not:
        result = !Evaluate(*node_.children[0]);
        break;
      case NodeKind::And:
        result = Evaluate(*node_.children[0]) && Evaluate(*node_.children[1]);
        break;
      case NodeKind::Or:
        result = Evaluate(*node_.children[0]) || Evaluate(*node_.children[1]);
        break;
      case NodeKind::Exists:
        try {
          result = OpenStream(*node_.children[0], environment_, run_)->Next() != nullptr;
        } catch (MissingValue const&) {
          result = false;
        }
        break;
      default:
        break;
    }
    return MakeBoolean(node_.type, result);
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
};

class NumberOfStream : public SingleValueStream {
 public:
  NumberOfStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

 protected:
  ValueRef Compute() override {
    Node const& counted = *node_.children[0];
    std::int64_t count = 0;
    // The items of a list are counted one by one, so that an item without a value
    // counts as nothing and the others still count.
    if (counted.kind == NodeKind::List) {
      for (auto const& item : counted.children) count += Count(*item);
    } else {
      count = Count(counted);
    }
    return MakeInteger(node_.type, count);
  }

 private:
  std::int64_t Count(Node const& node) {
    std::int64_t count = 0;
    try {
      auto stream = OpenStream(node, environment_, run_);
      while (stream->Next()) {
        ++count;
        CheckInterruption();
      }
    } catch (MissingValue const&) {
      return 0;
    }
    return count;
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
};

// ---------------------------------------------------------------------------
// If, whose, lists, tuples and items.

class IfStream : public Stream {
 public:
  IfStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

  ValueRef Next() override {
    if (!branch_) {
      ValueRef condition = OpenStream(*node_.children[0], environment_, run_)->Next();
      Node const& chosen = IsTrue(condition) ? *node_.children[1] : *node_.children[2];
      branch_ = OpenStream(chosen, environment_, run_);
    }
    return branch_->Next();
  }

 private:
  Node const& node_;
  Environment environment_;
  RunContext& run_;
  std::unique_ptr<Stream> branch_;
};

class WhoseStream : public Stream {
 public:
  WhoseStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), run_(run), source_(OpenStream(*node.children[0], environment, run)) {}

  ValueRef Next() override {
    while (ValueRef element = source_->Next()) {
      CheckInterruption();
      if (Holds(*node_.children[1], Environment{element}, run_)) return element;
      if (!node_.plural) throw MissingValue(node_);
    }
    return nullptr;
  }

 private:
  Node const& node_;
  RunContext& run_;
  std::unique_ptr<Stream> source_;
};

class ListStream : public Stream {
 public:
  ListStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

  ValueRef Next() override {
    while (index_ < node_.children.size()) {
      if (!current_) current_ = OpenStream(*node_.children[index_], environment_, run_);
      if (ValueRef v = current_->Next()) return v;
      current_.reset();
      ++index_;
      CheckInterruption();
    }
    return nullptr;
  }

 private:
  Node const& node_;
  Environment environment_;
  RunContext& run_;
  std::size_t index_ = 0;
  std::unique_ptr<Stream> current_;
};

std::vector<Node const*> ChildrenOf(Node const& node) {
  std::vector<Node const*> out;
  for (auto const& c : node.children) out.push_back(c.get());
  return out;
}

class TupleStream : public Stream {
 public:
  TupleStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), product_(ChildrenOf(node), std::move(environment), run) {}

  ValueRef Next() override {
    if (!product_.Next()) return nullptr;
    CheckInterruption();
    auto box = std::make_shared<ValueBox>(node_.type);
    auto* nodes = static_cast<TupleNode*>(box->data());
    std::size_t const n = node_.children.size();
    for (std::size_t i = 0; i < n; ++i) {
      new (&nodes[i]) TupleNode();
      nodes[i].PointTo(product_[i]->data(), i + 1 < n ? &nodes[i + 1] : nullptr);
      box->Keep(product_[i]);
    }
    box->MarkConstructed();
    return box;
  }

 private:
  Node const& node_;
  Product product_;
};

class ItemStream : public Stream {
 public:
  ItemStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), source_(OpenStream(*node.children[0], environment, run)) {}

  ValueRef Next() override {
    ValueRef tuple = source_->Next();
    if (!tuple) return nullptr;
    void const* item = TupleItem(static_cast<unsigned long>(node_.integer),
                                 static_cast<TupleNode const*>(tuple->data()));
    if (item == nullptr) {
      throw QueryFailure(
          "the tuple has no item " + std::to_string(node_.integer) + ": " + node_.phrase,
          node_.column);
    }
    return std::make_shared<ValueBox>(node_.type, item, tuple);
  }

 private:
  Node const& node_;
  std::unique_ptr<Stream> source_;
};

// ---------------------------------------------------------------------------
// Plain properties, casts and operators: one call per combination of arguments.

class CallStream : public Stream {
 public:
  CallStream(Node const& node, std::vector<Node const*> arguments, Environment environment,
             RunContext& run)
      : node_(node), run_(run), product_(std::move(arguments), std::move(environment), run) {}

 protected:
  Node const& node_;
  RunContext& run_;
  Product product_;

  // One call with the current arguments; null for no value.
  virtual ValueRef Call() = 0;

 public:
  ValueRef Next() override {
    while (product_.Next()) {
      CheckInterruption();
      if (ValueRef v = Call()) return v;
      if (!node_.plural) throw MissingValue(node_);
    }
    return nullptr;
  }

 protected:
  // Looks the call up in the cache, or makes it and stores its outcome.
  template <class Make>
  ValueRef Cached(std::initializer_list<ValueBox const*> arguments, Make&& make) {
    std::optional<ResultCache::Key> key;
    if (run_.cache != nullptr && !IsBuiltinOperation(node_.registration)) {
      key = ResultCache::KeyFor(*node_.registration, arguments);
    }
    ValueRef value;
    if (key && run_.cache->Find(*key, value)) return value;
    value = make();
    if (key) run_.cache->Store(*key, value);
    return value;
  }
};

class PropertyStream : public CallStream {
 public:
  PropertyStream(Node const& node, Environment environment, RunContext& run)
      : CallStream(node, Arguments(node), std::move(environment), run) {}

 private:
  static std::vector<Node const*> Arguments(Node const& node) {
    std::vector<Node const*> out;
    if (node.object) out.push_back(node.object.get());
    if (node.parameter) out.push_back(node.parameter.get());
    return out;
  }

  ValueRef Call() override {
    std::size_t i = 0;
    ValueRef object = node_.object ? product_[i++] : nullptr;
    ValueRef parameter = node_.parameter ? product_[i++] : nullptr;
    Registration const& r = *node_.registration;
    return Cached({parameter.get(), object.get()}, [&] {
      ValueRef v = Produce(node_.type, node_, nullptr, [&](void* result) {
        return r.getter(result, DataOf(parameter), DataOf(object), nullptr, r.context);
      });
      if (v) {
        KeepOperand(*v, parameter);
        KeepOperand(*v, object);
      }
      return v;
    });
  }
};

class CastStream : public CallStream {
 public:
  CastStream(Node const& node, Environment environment, RunContext& run)
      : CallStream(node, {node.children[0].get()}, std::move(environment), run) {}

 private:
  ValueRef Call() override {
    ValueRef source = product_[0];
    if (node_.registration == nullptr) {
      // Seen as one of its base types: the same bytes.
      return std::make_shared<ValueBox>(node_.type, source->data(), source);
    }
    Registration const& r = *node_.registration;
    return Cached({source.get()}, [&] {
      ValueRef v = Produce(node_.type, node_, nullptr, [&](void* result) {
        r.cast(result, source->data(), r.context);
        return true;
      });
      if (v) KeepOperand(*v, source);
      return v;
    });
  }
};

class BinaryStream : public CallStream {
 public:
  BinaryStream(Node const& node, Environment environment, RunContext& run)
      : CallStream(node, ChildrenOf(node), std::move(environment), run) {}

 private:
  ValueRef Call() override {
    ValueRef left = product_[0];
    ValueRef right = product_[1];
    if (node_.swapOperands) std::swap(left, right);
    Registration const& r = *node_.registration;
    ValueRef v = Cached({left.get(), right.get()}, [&] {
      ValueRef made = Produce(node_.type, node_, nullptr, [&](void* result) {
        r.binary(result, left->data(), right->data(), r.context);
        return true;
      });
      if (made) {
        KeepOperand(*made, left);
        KeepOperand(*made, right);
      }
      return made;
    });
    if (v && node_.negate) return MakeBoolean(node_.type, !IsTrue(v));
    return v;
  }
};

class NegateStream : public CallStream {
 public:
  NegateStream(Node const& node, Environment environment, RunContext& run)
      : CallStream(node, {node.children[0].get()}, std::move(environment), run) {}

 private:
  ValueRef Call() override {
    ValueRef operand = product_[0];
    Registration const& r = *node_.registration;
    return Cached({operand.get()}, [&] {
      ValueRef v = Produce(node_.type, node_, nullptr, [&](void* result) {
        r.unary(result, operand->data(), r.context);
        return true;
      });
      if (v) KeepOperand(*v, operand);
      return v;
    });
  }
};

// A singular phrase over a stream that may yield any number of values: exactly one
// is its value, none is a missing value, several fail the query.
ValueRef ExactlyOne(Stream& all, Node const& node) {
  ValueRef first = all.Next();
  if (!first) throw MissingValue(node);
  if (all.Next())
    throw QueryFailure("several values for a singular phrase: " + node.phrase, node.column);
  return first;
}

// ---------------------------------------------------------------------------
// Iterated properties: First, then Next until no value, per (object, parameter).

class IterationStream : public Stream {
 public:
  IterationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), product_(Arguments(node), std::move(environment), run) {}

  ValueRef Next() override {
    while (true) {
      if (!state_) {
        if (!product_.Next()) return nullptr;
        std::size_t i = 0;
        object_ = node_.object ? product_[i++] : nullptr;
        parameter_ = node_.parameter ? product_[i++] : nullptr;
        state_ = MakeState(*node_.registration, node_);
        if (object_) state_->Keep(object_);
        if (parameter_) state_->Keep(parameter_);
        first_ = true;
      }
      CheckInterruption();
      Registration const& r = *node_.registration;
      PropertyGetter const getter = first_ ? r.first : r.next;
      first_ = false;
      ValueRef v = Produce(node_.type, node_, state_.get(), [&](void* result) {
        return getter(result, DataOf(parameter_), DataOf(object_), state_->data(), r.context);
      });
      if (v) {
        // An element may point into the iterator's state.
        if (!v->type()->IsPlain()) v->Keep(state_);
        return v;
      }
      state_.reset();
    }
  }

  static std::vector<Node const*> Arguments(Node const& node) {
    std::vector<Node const*> out;
    if (node.object) out.push_back(node.object.get());
    if (node.parameter) out.push_back(node.parameter.get());
    return out;
  }

 private:
  Node const& node_;
  Product product_;
  StateRef state_;
  ValueRef object_;
  ValueRef parameter_;
  bool first_ = true;
};

// ---------------------------------------------------------------------------
// Aggregates: the initial phase, then every element of the object sequence, then
// the final phase; every value yielded in any phase is a result.

class AggregationStream : public Stream {
 public:
  AggregationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node),
        environment_(environment),
        run_(run),
        parameters_(Parameters(node), std::move(environment), run) {}

  ValueRef Next() override {
    Registration const& r = *node_.registration;
    while (true) {
      switch (phase_) {
        case Phase::Start:
          if (!parameters_.Next()) return nullptr;
          parameter_ = node_.parameter ? parameters_[0] : nullptr;
          state_ = MakeState(r, node_);
          kept_.clear();
          if (parameter_) state_->Keep(parameter_);
          elements_ = OpenStream(*node_.object, environment_, run_);
          phase_ = Phase::Initial;
          first_ = true;
          break;
        case Phase::Initial:
          if (ValueRef v = Call(first_ ? r.firstInitial : r.nextInitial, nullptr)) {
            first_ = false;
            return v;
          }
          phase_ = Phase::Elements;
          element_.reset();
          break;
        case Phase::Elements:
          if (!element_) {
            element_ = elements_->Next();
            if (!element_) {
              elements_.reset();
              phase_ = Phase::Final;
              first_ = true;
              break;
            }
            CheckInterruption();
            KeepWhatElementRefersTo(*element_);
            first_ = true;
          }
          if (ValueRef v = Call(first_ ? r.first : r.next, element_)) {
            first_ = false;
            return v;
          }
          element_.reset();
          break;
        case Phase::Final:
          if (ValueRef v = Call(first_ ? r.firstFinal : r.nextFinal, nullptr)) {
            first_ = false;
            return v;
          }
          state_.reset();
          phase_ = Phase::Start;
          break;
      }
    }
  }

 private:
  enum class Phase { Start, Initial, Elements, Final };

  static std::vector<Node const*> Parameters(Node const& node) {
    if (node.parameter) return {node.parameter.get()};
    return {};
  }

  ValueRef Call(PropertyGetter getter, ValueRef const& element) {
    if (getter == nullptr) return nullptr;
    Registration const& r = *node_.registration;
    ValueRef v = Produce(node_.type, node_, state_.get(), [&](void* result) {
      return getter(result, DataOf(parameter_), DataOf(element), state_->data(), r.context);
    });
    if (v && !v->type()->IsPlain()) v->Keep(state_);
    return v;
  }

  // The aggregator may copy an element, and the copy may point wherever the element
  // points: the state keeps that alive (once each), but not the element itself.
  void KeepWhatElementRefersTo(ValueBox const& element) {
    if (element.type()->IsPlain()) return;
    if (element.arena() && kept_.insert(element.arena().get()).second) {
      state_->Keep(element.arena());
    }
    for (auto const& d : element.dependencies()) {
      if (kept_.insert(d.get()).second) state_->Keep(d);
    }
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
  Product parameters_;
  Phase phase_ = Phase::Start;
  bool first_ = true;
  StateRef state_;
  std::unordered_set<void const*> kept_;
  ValueRef parameter_;
  std::unique_ptr<Stream> elements_;
  ValueRef element_;
};

// Takes the single value of a singular phrase from a stream of any number.
class SingularStream : public SingleValueStream {
 public:
  SingularStream(Node const& node, std::unique_ptr<Stream> all)
      : node_(node), all_(std::move(all)) {}

 protected:
  ValueRef Compute() override {
    ValueRef v = ExactlyOne(*all_, node_);
    all_.reset();  // stops the iteration or aggregation now
    return v;
  }

 private:
  Node const& node_;
  std::unique_ptr<Stream> all_;
};

std::unique_ptr<Stream> OpenPhrase(Node const& node, Environment const& environment,
                                   RunContext& run) {
  std::unique_ptr<Stream> stream;
  switch (node.shape) {
    case CallShape::Property:
      return std::make_unique<PropertyStream>(node, environment, run);
    case CallShape::Iterated:
      stream = std::make_unique<IterationStream>(node, environment, run);
      break;
    case CallShape::Aggregate:
      stream = std::make_unique<AggregationStream>(node, environment, run);
      break;
  }
  if (node.plural) return stream;
  return std::make_unique<SingularStream>(node, std::move(stream));
}

}  // namespace

std::unique_ptr<Stream> OpenStream(Node const& node, Environment const& environment,
                                   RunContext& run) {
  switch (node.kind) {
    case NodeKind::Integer:
    case NodeKind::String:
    case NodeKind::Boolean:
      return std::make_unique<LiteralStream>(node);
    case NodeKind::It:
      return std::make_unique<ItStream>(environment.it);
    case NodeKind::Phrase:
      return OpenPhrase(node, environment, run);
    case NodeKind::Cast:
      return std::make_unique<CastStream>(node, environment, run);
    case NodeKind::Binary:
      return std::make_unique<BinaryStream>(node, environment, run);
    case NodeKind::Negate:
      return std::make_unique<NegateStream>(node, environment, run);
    case NodeKind::Not:
    case NodeKind::And:
    case NodeKind::Or:
    case NodeKind::Exists:
      return std::make_unique<LogicStream>(node, environment, run);
    case NodeKind::NumberOf:
      return std::make_unique<NumberOfStream>(node, environment, run);
    case NodeKind::If:
      return std::make_unique<IfStream>(node, environment, run);
    case NodeKind::Item:
      return std::make_unique<ItemStream>(node, environment, run);
    case NodeKind::Whose:
      return std::make_unique<WhoseStream>(node, environment, run);
    case NodeKind::Tuple:
      return std::make_unique<TupleStream>(node, environment, run);
    case NodeKind::List:
      return std::make_unique<ListStream>(node, environment, run);
  }
  throw std::logic_error("unknown node kind");
}

}  // namespace evaluator
