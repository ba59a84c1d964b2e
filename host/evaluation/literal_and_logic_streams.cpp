// Streams of one value that need no registration: literals, `it`, the logic of
// `not`, `and`, `or` and `exists`, and `number of`.
#include <cstdint>
#include <limits>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

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
        if (node_.text.size() > std::numeric_limits<std::uint32_t>::max()) {
          throw QueryFailure("DataOverflow: a string literal longer than a string can hold",
                             node_.column);
        }
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

// A stream over the node's operands that computes one value from them.
class OperandsStream : public SingleValueStream {
 public:
  OperandsStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), environment_(std::move(environment)), run_(run) {}

 protected:
  std::unique_ptr<Stream> Open(Node const& operand) {
    return OpenStream(operand, environment_, run_);
  }
  // The value of a single boolean operand.
  bool Evaluate(Node const& operand) {
    ValueRef v = Open(operand)->Next();
    return v && IsTrue(v);
  }

  Node const& node_;

 private:
  Environment environment_;
  RunContext& run_;
};

class LogicStream : public OperandsStream {
 public:
  using OperandsStream::OperandsStream;

 protected:
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
          result = Open(*node_.children[0])->NextOrNone() != nullptr;
        } catch (MissingValue const&) {
          result = false;
        }
        break;
      default:
        break;
    }
    return MakeBoolean(node_.type, result);
  }
};

class NumberOfStream : public OperandsStream {
 public:
  using OperandsStream::OperandsStream;

 protected:
  ValueRef Compute() override {
    Node const& counted = *node_.children[0];
    std::int64_t count = 0;
    // The items of a list are counted one by one, so that an item without a value
    // counts as nothing and the others still count.
    // (A folded list has a value for every item.)
    if (counted.kind == NodeKind::List && !counted.folded) {
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
      auto stream = Open(node);
      while (stream->Next()) {
        ++count;
        CheckInterruption(node_);
      }
    } catch (MissingValue const&) {
      return 0;
    }
    return count;
  }
};

}  // namespace

std::unique_ptr<Stream> OpenLiteralOrLogic(Node const& node, Environment const& environment,
                                           RunContext& run) {
  switch (node.kind) {
    case NodeKind::It:
      return std::make_unique<ItStream>(environment.it);
    case NodeKind::Not:
    case NodeKind::And:
    case NodeKind::Or:
    case NodeKind::Exists:
      return std::make_unique<LogicStream>(node, environment, run);
    case NodeKind::NumberOf:
      return std::make_unique<NumberOfStream>(node, environment, run);
    default:
      return std::make_unique<LiteralStream>(node);
  }
}

}  // namespace evaluator
