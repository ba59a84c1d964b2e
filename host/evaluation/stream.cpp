// Which stream a node becomes.
#include <stdexcept>

#include "host/evaluation/constant_folding.h"
#include "host/evaluation/stream_support.h"

namespace evaluator {

std::unique_ptr<Stream> OpenStream(Node const& node, Environment const& environment,
                                   RunContext& run) {
  if (node.folded && run.folded != nullptr) return OpenFolded(node, *run.folded);
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
      if (node.shape == CallShape::Property) return OpenCall(node, environment, run);
      return OpenIterationOrAggregation(node, environment, run);
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
