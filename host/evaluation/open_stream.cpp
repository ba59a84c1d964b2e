// Which stream a node becomes; a singular phrase over an iteration or aggregation
// takes its one value.
#include <stdexcept>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

// Takes the single value of a singular phrase from a stream of any number: exactly
// one is its value, none is a missing value, several fail the query.
class SingularStream : public SingleValueStream {
 public:
  SingularStream(Node const& node, std::unique_ptr<Stream> all)
      : node_(node), all_(std::move(all)) {}

 protected:
  ValueRef Compute() override {
    ValueRef first = all_->Next();
    if (!first) throw MissingValue(node_);
    if (all_->Next()) {
      throw QueryFailure("several values for a singular phrase: " + node_.phrase, node_.column);
    }
    all_.reset();  // stops the iteration or aggregation now
    return first;
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
      return OpenCall(node, environment, run);
    case CallShape::Iterated:
      stream = OpenIteration(node, environment, run);
      break;
    case CallShape::Aggregate:
      stream = OpenAggregation(node, environment, run);
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
    case NodeKind::It:
    case NodeKind::Not:
    case NodeKind::And:
    case NodeKind::Or:
    case NodeKind::Exists:
    case NodeKind::NumberOf:
      return OpenLiteralOrLogic(node, environment, run);
    case NodeKind::Phrase:
      return OpenPhrase(node, environment, run);
    case NodeKind::Cast:
    case NodeKind::Binary:
    case NodeKind::Negate:
      return OpenCall(node, environment, run);
    case NodeKind::If:
    case NodeKind::Whose:
    case NodeKind::Tuple:
    case NodeKind::Item:
    case NodeKind::List:
      return OpenCompound(node, environment, run);
  }
  throw std::logic_error("unknown node kind");
}

}  // namespace evaluator
