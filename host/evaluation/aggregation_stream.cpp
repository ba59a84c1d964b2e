// Aggregates: the initial phase, then every element of the object sequence, then the
// final phase, for every parameter value; every value yielded in any phase is a
// result.
#include <unordered_set>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

class AggregationStream : public Stream {
 public:
  AggregationStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(environment), run_(run), parameters_(Parameters(node),
                                                                       std::move(environment),
                                                                       run) {}

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
            CheckInterruption();
            KeepWhatElementRefersTo(*element_);
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
    if (node.parameter) return {node.parameter.get()};
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
    if (!v->type()->IsPlain()) v->Keep(state_);
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
  CrossProduct parameters_;
  Phase phase_ = Phase::Start;
  bool first_ = true;
  StateRef state_;
  std::unordered_set<void const*> kept_;
  ValueRef parameter_;
  std::unique_ptr<Stream> elements_;
  ValueRef element_;
};

}  // namespace

std::unique_ptr<Stream> OpenAggregation(Node const& node, Environment const& environment,
                                        RunContext& run) {
  return std::make_unique<AggregationStream>(node, environment, run);
}

}  // namespace evaluator
