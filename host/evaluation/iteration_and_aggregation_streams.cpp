// Iterated properties and aggregates: the phrases whose registrations keep a state
// between calls. An iteration calls First, then Next until there is no value, for
// every combination of object and parameter. An aggregate runs its initial phase,
// then every element of the object sequence, then its final phase, for every
// parameter value; every value yielded in any phase is a result.
//
// An element of an aggregate lives only for the calls that receive it: an aggregator
// copies whatever it keeps (the contract's rule), so the memory of an aggregate is
// its state and what its results refer to, however many elements it reads.
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

class IterationStream : public Stream {
 public:
  IterationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), arguments_(ObjectAndParameterOf(node), std::move(environment), run) {}

  ValueRef Next() override {
    Registration const& r = *node_.registration;
    while (true) {
      if (!state_) {
        if (!arguments_.Next()) return nullptr;
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

 private:
  Node const& node_;
  CrossProduct arguments_;
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
        parameters_(Parameters(node), std::move(environment), run) {}

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
          Enter(Phase::Initial);
          break;
        case Phase::Initial:
          if (ValueRef v = Call(r.firstInitial, r.nextInitial, nullptr)) return v;
          Enter(Phase::Elements);
          element_.reset();
          break;
        case Phase::Elements:
          if (!element_) {
            element_ = elements_->Next();
            if (!element_) {
              elements_.reset();
              Enter(Phase::Final);
              break;
            }
            CheckInterruption(node_);
            first_ = true;
          }
          if (ValueRef v = Call(r.first, r.next, element_)) return v;
          element_.reset();
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

  static std::vector<Node const*> Parameters(Node const& node) {
    if (node.parameter()) return {node.parameter()};
    return {};
  }

  void Enter(Phase phase) {
    phase_ = phase;
    first_ = true;
  }

  // The next value of the current phase (for the current element): the first
  // getter's, then the next getter's until there is none.
  ValueRef Call(PropertyGetter first, PropertyGetter next, ValueRef const& element) {
    PropertyGetter const getter = first_ ? first : next;
    if (getter == nullptr) return nullptr;
    Registration const& r = *node_.registration;
    ValueRef v = Produce(node_.type, node_, state_.get(), [&](void* result) {
      return getter(result, DataOf(parameter_), DataOf(element), state_->data(), r.context);
    });
    if (!v) return nullptr;
    first_ = false;
    if (!v->type()->IsPlain()) {
      // A value made in a call that received an element may point into it.
      v->Keep(state_);
      KeepOperand(*v, element);
    }
    return v;
  }

  Node const& node_;
  Environment environment_;
  RunContext& run_;
  CrossProduct parameters_;
  Phase phase_ = Phase::Start;
  bool first_ = true;
  StateRef state_;
  ValueRef parameter_;
  std::unique_ptr<Stream> elements_;
  ValueRef element_;
};

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
    if (all_->Next()) {
      throw QueryFailure("several values for a singular phrase: " + node_.phrase(), node_.column);
    }
    all_.reset();  // stops the iteration or aggregation now
    return first;
  }

 private:
  std::unique_ptr<Stream> all_;
  Node const& node_;
};

}  // namespace

std::unique_ptr<Stream> OpenIterationOrAggregation(Node const& node, Environment const& environment,
                                                   RunContext& run) {
  std::unique_ptr<Stream> stream;
  if (node.shape == CallShape::Aggregate) {
    stream = std::make_unique<AggregationStream>(node, environment, run);
  } else {
    stream = std::make_unique<IterationStream>(node, environment, run);
  }
  if (node.plural) return stream;
  return std::make_unique<SingularStream>(node, std::move(stream));
}

}  // namespace evaluator
