// Iterated properties: First, then Next until there is no value, for every
// combination of object and parameter.
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
        object_ = node_.object ? arguments_[i++] : nullptr;
        parameter_ = node_.parameter ? arguments_[i++] : nullptr;
        state_ = MakeState(r, node_);
        if (object_) state_->Keep(object_);
        if (parameter_) state_->Keep(parameter_);
        first_ = true;
      }
      CheckInterruption();
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

}  // namespace

std::unique_ptr<Stream> OpenIteration(Node const& node, Environment const& environment,
                                      RunContext& run) {
  return std::make_unique<IterationStream>(node, environment, run);
}

}  // namespace evaluator
