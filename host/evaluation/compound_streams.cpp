// Streams that combine or choose the values of other nodes: `if`, `whose`, lists,
// tuples and `item`.
#include <string>
#include <utility>

#include "host/evaluation/stream_support.h"

namespace evaluator {

namespace {

// Holds one condition: a singular boolean whose missing value counts as false.
bool Holds(Node const& condition, Environment const& environment, RunContext& run) {
  try {
    ValueRef v = OpenStream(condition, environment, run)->Next();
    return v && IsTrue(v);
  } catch (MissingValue const&) {
    return false;
  }
}

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
  WhoseStream(Node const& node, Environment const& environment, RunContext& run)
      : node_(node), run_(run), source_(OpenStream(*node.children[0], environment, run)) {}

  ValueRef Next() override {
    while (ValueRef element = source_->Next()) {
      CheckInterruption(node_);
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
      CheckInterruption(node_);
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

class TupleStream : public Stream {
 public:
  TupleStream(Node const& node, Environment environment, RunContext& run)
      : node_(node), items_(ChildrenOf(node), std::move(environment), run) {}

  ValueRef Next() override {
    if (!items_.Next()) return nullptr;
    CheckInterruption(node_);
    auto box = std::make_shared<ValueBox>(node_.type);
    auto* nodes = static_cast<TupleNode*>(box->data());
    std::size_t const n = node_.children.size();
    for (std::size_t i = 0; i < n; ++i) {
      new (&nodes[i]) TupleNode();
      nodes[i].PointTo(items_[i]->data(), i + 1 < n ? &nodes[i + 1] : nullptr);
      box->Keep(items_[i]);
    }
    box->MarkConstructed();
    return box;
  }

 private:
  Node const& node_;
  CrossProduct items_;
};

class ItemStream : public Stream {
 public:
  ItemStream(Node const& node, Environment const& environment, RunContext& run)
      : node_(node), source_(OpenStream(*node.children[0], environment, run)) {}

  ValueRef Next() override {
    ValueRef tuple = source_->Next();
    if (!tuple) return nullptr;
    void const* item = TupleItem(static_cast<unsigned long>(node_.integer),
                                 static_cast<TupleNode const*>(tuple->data()));
    if (item == nullptr) {
      throw QueryFailure(
          "the tuple has no item " + std::to_string(node_.integer) + ": " + node_.phrase(),
          node_.column);
    }
    return std::make_shared<ValueBox>(node_.type, item, tuple);
  }

 private:
  Node const& node_;
  std::unique_ptr<Stream> source_;
};

}  // namespace

std::unique_ptr<Stream> OpenCompound(Node const& node, Environment const& environment,
                                     RunContext& run) {
  switch (node.kind) {
    case NodeKind::If:
      return std::make_unique<IfStream>(node, environment, run);
    case NodeKind::Whose:
      return std::make_unique<WhoseStream>(node, environment, run);
    case NodeKind::Tuple:
      return std::make_unique<TupleStream>(node, environment, run);
    case NodeKind::Item:
      return std::make_unique<ItemStream>(node, environment, run);
    default:
      return std::make_unique<ListStream>(node, environment, run);
  }
}

}  // namespace evaluator
