#include "host/evaluation/constant_folding.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

#include "host/catalog/registry.h"
#include "host/contract/interruption.h"

namespace evaluator {

namespace {

// The values lent in order, without a box or a reference count per value read.
class FoldedStream : public Stream {
 public:
  explicit FoldedStream(FoldedNode const& folded) noexcept : folded_(folded), slot_(folded.type) {}

  ValueRef Next() override {
    if (next_ == folded_.count) return nullptr;
    ++next_;
    return Current();
  }
  void const* NextLent() override {
    if (next_ == folded_.count) return nullptr;
    return DataAt(next_++);
  }
  // The bytes live as long as the prepared query, longer than any value of a run.
  KeepAlive KeepLent() override {
    if (folded_.boxes.empty()) return nullptr;
    return folded_.boxes[next_ - 1];
  }
  LentRun NextLentRun(std::size_t max) override {
    if (!folded_.boxes.empty()) return Stream::NextLentRun(max);
    std::size_t const count = std::min(max, folded_.count - next_);
    LentRun const run{count > 0 ? folded_.bytes.data() + next_ * folded_.type->size : nullptr,
                      count, folded_.type->size};
    next_ += count;
    return run;
  }

 private:
  void const* DataAt(std::size_t i) const noexcept {
    if (!folded_.boxes.empty()) return folded_.boxes[i]->data();
    return folded_.bytes.data() + i * folded_.type->size;
  }

  // The value last read, in a box.
  ValueRef Current() {
    std::size_t const i = next_ - 1;
    if (!folded_.boxes.empty()) return folded_.boxes[i];
    ValueBox& box = slot_.Fresh();
    std::memcpy(box.data(), DataAt(i), folded_.type->size);
    box.MarkConstructed();
    return slot_.box();
  }

  FoldedNode const& folded_;
  ResultSlot slot_;
  std::size_t next_ = 0;
};

bool IsOwnType(ValueType const* type) noexcept {
  return type != nullptr && type->exactRoot && type->root != ValueType::Root::Tuple &&
         type->root != ValueType::Root::Other;
}

// Whether the node is computed from its operands alone, when they are.
bool ComputedFromOperands(Node const& node) {
  switch (node.kind) {
    case NodeKind::Integer:
    case NodeKind::String:
    case NodeKind::Boolean:
    case NodeKind::List:
      return true;
    case NodeKind::Binary:
    case NodeKind::Negate:
    case NodeKind::Cast:
      // One value per combination of operands: only single operands, so that a
      // product of two long lists is not made while preparing.
      if (node.registration == nullptr || node.registration->origin != Origin::Evaluator) {
        return false;
      }
      if (!IsOwnType(node.type)) return false;
      for (auto const& c : node.children) {
        if (c->plural) return false;
      }
      return true;
    default:
      return false;
  }
}

// Calls `f` with each child of a node, then a phrase's parameter and object.
template <class F>
void ForEachOperand(Node& node, F&& f) {
  for (auto const& c : node.children) f(*c);
  if (Node* parameter = node.parameter()) f(*parameter);
  if (Node* object = node.object()) f(*object);
}

// Whether a value must stay in its box: it refers to memory outside its bytes, or
// it is a long string, whose digest is known by the address of its box's bytes.
bool NeedsItsBox(ValueBox const& v) {
  if (v.RefersToAnything()) return true;
  if (v.type()->root != ValueType::Root::String) return false;
  return static_cast<inspector_string const*>(v.data())->length >= kDigestedStringLength;
}

ValueRef BoxOf(ValueType const* type, void const* data) {
  auto box = std::make_shared<ValueBox>(type);
  std::memcpy(box->data(), data, type->size);
  box->MarkConstructed();
  return box;
}

// The values of a folded node as they are computed: their bytes while no value
// needs its box, so that a long list of literals takes little more than its bytes;
// from the first value that does, every value in its box.
class Collector {
 public:
  Collector(ValueType const* type, std::size_t expected) {
    folded_.type = type;
    folded_.bytes.reserve(expected * type->size);
  }

  // A value that is all in its bytes.
  void AddBytes(void const* data) {
    if (inBoxes_) {
      folded_.boxes.push_back(BoxOf(folded_.type, data));
    } else {
      auto const* bytes = static_cast<unsigned char const*>(data);
      folded_.bytes.insert(folded_.bytes.end(), bytes, bytes + folded_.type->size);
    }
    ++folded_.count;
  }

  void AddValue(ValueRef v) {
    if (!inBoxes_ && NeedsItsBox(*v)) {
      std::size_t const size = folded_.type->size;
      for (std::size_t i = 0; i < folded_.count; ++i) {
        folded_.boxes.push_back(BoxOf(folded_.type, folded_.bytes.data() + i * size));
      }
      folded_.bytes = {};
      inBoxes_ = true;
    }
    if (inBoxes_) {
      folded_.boxes.push_back(std::move(v));
      ++folded_.count;
    } else {
      AddBytes(v->data());
    }
  }

  FoldedNode Take() { return std::move(folded_); }

 private:
  FoldedNode folded_;
  bool inBoxes_ = false;
};

class Folder {
 public:
  explicit Folder(FoldedValues& folded) : folded_(folded) { run_.folded = &folded_; }

  void FoldTree(Node& root) {
    if (Visit(root)) FoldLargest(root);
  }

 private:
  // Whether `node` is computable: computed from its operands alone, and they are.
  // When it is not, the computable operands are folded.
  bool Visit(Node& node) {
    std::vector<bool> computable;  // of each operand
    ForEachOperand(node, [&](Node& operand) { computable.push_back(Visit(operand)); });
    bool const all = std::find(computable.begin(), computable.end(), false) == computable.end();
    if (all && ComputedFromOperands(node)) return true;
    std::size_t i = 0;
    ForEachOperand(node, [&](Node& operand) {
      if (computable[i++]) FoldLargest(operand);
    });
    return false;
  }

  // Folds a computable node, or, when computing it fails, the largest phrases below
  // it that do not fail.
  void FoldLargest(Node& node) {
    if (TryFold(node)) return;
    ForEachOperand(node, [&](Node& operand) { FoldLargest(operand); });
  }

  bool TryFold(Node& node) {
    Collector values(node.type, node.kind == NodeKind::List ? node.children.size() : 1);
    if (!Append(node, values)) return false;
    FoldedNode folded = values.Take();
    for (ValueRef const& v : folded.boxes) {
      if (v->type()->root != ValueType::Root::String) continue;
      auto const& s = *static_cast<inspector_string const*>(v->data());
      if (s.length >= kDigestedStringLength) folded_.digests.emplace(v->data(), DigestOfString(s));
    }
    folded_.nodes.emplace(&node, std::move(folded));
    node.folded = true;
    return true;
  }

  // Appends the values of a computable node: literals and lists as they are written,
  // the evaluator's operations by running them. False when computing fails: each run
  // then fails as it would have.
  bool Append(Node const& node, Collector& out) {
    switch (node.kind) {
      case NodeKind::Integer: {
        integer const value(node.integer);
        out.AddBytes(&value);
        return true;
      }
      case NodeKind::Boolean: {
        boolean const value(node.boolean);
        out.AddBytes(&value);
        return true;
      }
      case NodeKind::List:
        for (std::size_t i = 0; i < node.children.size(); ++i) {
          if ((i & 4095) == 4095) CheckInterruption();
          if (!Append(*node.children[i], out)) return false;
        }
        return true;
      default:
        break;
    }
    try {
      auto stream = OpenStream(node, Environment{}, run_);
      while (ValueRef v = stream->Next()) out.AddValue(std::move(v));
    } catch (Interrupted const&) {
      throw;
    } catch (...) {
      return false;
    }
    return true;
  }

  FoldedValues& folded_;
  RunContext run_;
};

}  // namespace

std::unique_ptr<FoldedValues> FoldConstants(Node& root) {
  auto folded = std::make_unique<FoldedValues>();
  Folder(*folded).FoldTree(root);
  return folded;
}

std::unique_ptr<Stream> OpenFolded(Node const& node, FoldedValues const& folded) {
  auto const it = folded.nodes.find(&node);
  if (it == folded.nodes.end()) throw std::logic_error("a folded node without values");
  return std::make_unique<FoldedStream>(it->second);
}

}  // namespace evaluator
