// Iterated properties and aggregates: the phrases whose registrations keep a state
// between calls. An iteration calls First, then Next until there is no value, for
// every combination of object and parameter. An aggregate runs its initial phase,
// then every element of the object sequence, then its final phase, for every
// parameter value; every value yielded in any phase is a result.
//
// An element of an aggregate lives only for the calls that receive it: an aggregator
// copies whatever it keeps (the contract's rule), so the memory of an aggregate is
// its state and what its results refer to, however many elements it reads. So an
// aggregate borrows its elements (Stream::NextLent), and a stream that makes them can
// make each in the box of the one before.
#include <algorithm>
#include <optional>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

class IterationStream : public Stream {
 public:
  IterationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node),
        arguments_(ObjectAndParameterOf(node).span(), std::move(environment), run),
        slot_(node.type) {}

  ValueRef Next() override { return Advance() ? slot_.box() : nullptr; }
  void const* NextLent() override {
    ranLast_ = false;
    return Advance() ? slot_.box()->data() : nullptr;
  }
  KeepAlive KeepLent() override {
    if (ranLast_) return run_;
    return slot_.box();
  }
  // Values of plain bytes are made into a buffer, one after another.
  LentRun NextLentRun(std::size_t max) override {
    ValueType const& type = *node_.type;
    if (!type.IsPlain()) return Stream::NextLentRun(max);
    std::size_t const count = std::min(max, kRunValues);
    if (!run_ || run_.use_count() > 1) {
      run_ = std::make_shared<Unit[]>((kRunValues * type.size + sizeof(Unit) - 1) / sizeof(Unit));
    }
    auto* bytes = reinterpret_cast<unsigned char*>(run_.get());
    std::size_t made = 0;
    while (made < count && AdvanceInto(bytes + made * type.size)) ++made;
    ranLast_ = true;
    return {bytes, made, type.size};
  }

 private:
  using Unit = std::max_align_t;
  static constexpr std::size_t kRunValues = 64;

  // Makes the next value in the slot; false after the last.
  bool Advance() {
    return Step([&](auto&& call) {
      ValueBox& box = slot_.Fresh();
      if (!ProduceInto(box, node_, state_.get(), call)) return false;
      // An element may point into the iterator's state.
      if (!box.type()->IsPlain()) box.Keep(state_);
      return true;
    });
  }

  // Makes the next value, of plain bytes, at `result`; false after the last. Memory
  // that the call allocated goes to the state.
  bool AdvanceInto(void* result) {
    return Step([&](auto&& call) {
      std::shared_ptr<Arena> arena;
      bool const made = CallProducing(result, arena, node_, state_.get(), call);
      if (made && arena) state_->Keep(std::move(arena));
      return made;
    });
  }

  // Calls the next getter through `produce`, which runs a call on result memory and
  // says whether it made a value; false after the last.
  template <class Produce>
  bool Step(Produce&& produce) {
    Registration const& r = *node_.registration;
    while (true) {
      if (!state_) {
        if (!arguments_.Next()) return false;
        std::size_t i = 0;
        object_ = node_.object() ? arguments_[i++] : nullptr;
        parameter_ = node_.parameter() ? arguments_[i++] : nullptr;
        state_ = MakeState(r, node_);
        if (object_) state_->Keep(object_);
        if (parameter_) state_->Keep(parameter_);
        first_ = true;
      }
      CheckInterruption(node_);
      PropertyGetter const getter = first_ ? r.first : r.next;
      first_ = false;
      if (produce([&](void* result) {
            return getter(result, DataOf(parameter_), DataOf(object_), state_->data(), r.context);
          })) {
        return true;
      }
      state_.reset();
    }
  }

  Node const& node_;
  CrossProduct arguments_;
  ResultSlot slot_;
  std::shared_ptr<Unit[]> run_;  // the buffer of the last run
  bool ranLast_ = false;         // the last values lent were a run
  StateRef state_;
  ValueRef object_;
  ValueRef parameter_;
  bool first_ = true;
};

class AggregationStream : public Stream {
 public:
  AggregationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node),
        environment_(environment),
        run_(run),
        parameters_(ParameterOf(node).span(), std::move(environment), run),
        slot_(node.type) {}

  ValueRef Next() override {
    Registration const& r = *node_.registration;
    while (true) {
      switch (phase_) {
        case Phase::Start:
          if (!parameters_.Next()) return nullptr;
          parameter_ = node_.parameter() ? parameters_[0] : nullptr;
          state_ = MakeState(r, node_);
          if (parameter_) state_->Keep(parameter_);
          elements_ = OpenStream(*node_.object(), environment_, run_);
          lent_ = {};
          lentIndex_ = 0;
          Enter(Phase::Initial);
          break;
        case Phase::Initial:
          if (ValueRef v = Call(r.firstInitial, r.nextInitial, nullptr)) return v;
          Enter(Phase::Elements);
          element_ = nullptr;
          break;
        case Phase::Elements:
          while (true) {
            if (element_ == nullptr) {
              if (lentIndex_ == lent_.count) {
                lent_ = elements_->NextLentRun(kLentRun);
                lentIndex_ = 0;
                if (lent_.count == 0) break;
                CheckInterruption(node_);
              }
              element_ = lent_.first + lentIndex_++ * lent_.stride;
              first_ = true;
            }
            if (ValueRef v = Call(r.first, r.next, element_)) return v;
            element_ = nullptr;
          }
          elements_.reset();
          Enter(Phase::Final);
          break;
        case Phase::Final:
          if (ValueRef v = Call(r.firstFinal, r.nextFinal, nullptr)) return v;
          state_.reset();
          phase_ = Phase::Start;
          break;
      }
    }
  }

 private:
  enum class Phase { Start, Initial, Elements, Final };
  // Elements asked for at once; the interruption check is made once for them.
  static constexpr std::size_t kLentRun = 64;

  static Operands ParameterOf(Node const& node) {
    Operands out;
    if (node.parameter()) out.nodes[out.count++] = node.parameter();
    return out;
  }

  void Enter(Phase phase) {
    phase_ = phase;
    first_ = true;
  }

  // The next value of the current phase (for the current element, lent by the
  // element stream): the first getter's, then the next getter's until there is none.
  ValueRef Call(PropertyGetter first, PropertyGetter next, void const* element) {
    PropertyGetter const getter = first_ ? first : next;
    if (getter == nullptr) return nullptr;
    Registration const& r = *node_.registration;
    ValueBox& box = slot_.Fresh();
    if (!ProduceInto(box, node_, state_.get(), [&](void* result) {
          return getter(result, DataOf(parameter_), element, state_->data(), r.context);
        })) {
      return nullptr;
    }
    first_ = false;
    if (!box.type()->IsPlain()) {
      // A value made in a call that received an element may point into it.
      box.Keep(state_);
      ValueType const& elementType = *node_.object()->type;
      if (element != nullptr &&
          (!elementType.IsPlain() || box.type()->root == ValueType::Root::Tuple)) {
        if (KeepAlive owner = elements_->KeepLent()) box.Keep(std::move(owner));
      }
    }
    return slot_.box();
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
  CrossProduct parameters_;
  ResultSlot slot_;
  Phase phase_ = Phase::Start;
  bool first_ = true;
  StateRef state_;
  ValueRef parameter_;
  std::unique_ptr<Stream> elements_;
  LentRun lent_;               // the elements lent last
  std::size_t lentIndex_ = 0;  // of the next element in lent_
  void const* element_ = nullptr;
};

[[noreturn]] void FailWithSeveralValues(Node const& node) {
  throw QueryFailure("several values for a singular phrase: " + node.phrase(), node.column);
}

// Takes the single value of a singular phrase from a stream of any number: exactly
// one is its value, none is a missing value, several fail the query.
class SingularStream : public SingleValueStream {
 public:
  SingularStream(Node const& node, std::unique_ptr<Stream> all)
      : all_(std::move(all)), node_(node) {}

 protected:
  ValueRef Compute() override {
    ValueRef first = all_->Next();
    if (!first) throw MissingValue(node_);
    if (all_->Next()) FailWithSeveralValues(node_);
    all_.reset();  // stops the iteration or aggregation now
    return first;
  }

 private:
  std::unique_ptr<Stream> all_;
  Node const& node_;
};

// The single value of a singular iterated phrase. Its operands are singular, so
// there is one iteration: its first value is the phrase's, and a second one fails
// the query. The outcome (a value, or none) goes through the result cache like a
// plain property's, so that a phrase evaluated for each of many elements ("regex"
// in a condition) iterates once per distinct argument.
class SingularIterationStream : public SingleValueStream {
 public:
  SingularIterationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

 protected:
  ValueRef Compute() override {
    if (ValueRef const* known = KnownOutcome(run_, node_)) {
      if (!*known) throw MissingValue(node_);
      return *known;
    }
    Operands const operands = ObjectAndParameterOf(node_);
    CrossProduct arguments(operands.span(), environment_, run_);
    if (!arguments.Next()) throw MissingValue(node_);
    std::size_t i = 0;
    ValueRef const object = node_.object() ? arguments[i++] : nullptr;
    ValueRef const parameter = node_.parameter() ? arguments[i++] : nullptr;
    ValueRef value =
        CachedCall(run_, node_, ConstantOperands(operands), {parameter.get(), object.get()},
                   [&] { return Iterate(*node_.registration, object, parameter); });
    if (!value) throw MissingValue(node_);
    return value;
  }

 private:
  // The first value of the iteration, null for none; a second value fails.
  ValueRef Iterate(Registration const& r, ValueRef const& object, ValueRef const& parameter) {
    StateRef const state = MakeState(r, node_);
    if (object) state->Keep(object);
    if (parameter) state->Keep(parameter);
    auto call = [&](PropertyGetter getter) {
      CheckInterruption(node_);
      return Produce(node_.type, node_, state.get(), [&](void* result) {
        return getter(result, DataOf(parameter), DataOf(object), state->data(), r.context);
      });
    };
    ValueRef first = call(r.first);
    if (!first) return nullptr;
    // The value may point into the iterator's state.
    if (!first->type()->IsPlain()) first->Keep(state);
    if (call(r.next)) FailWithSeveralValues(node_);
    return first;
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
};

}  // namespace

std::unique_ptr<Stream> OpenIterationOrAggregation(Node const& node, Environment const& environment,
                                                   RunContext& run) {
  if (node.shape == CallShape::Aggregate) {
    auto stream = std::make_unique<AggregationStream>(node, environment, run);
    if (node.plural) return stream;
    return std::make_unique<SingularStream>(node, std::move(stream));
  }
  if (node.plural) return std::make_unique<IterationStream>(node, environment, run);
  return std::make_unique<SingularIterationStream>(node, environment, run);
}

}  // namespace evaluator
