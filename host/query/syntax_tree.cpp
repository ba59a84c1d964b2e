#include "host/query/syntax_tree.h"

#include <algorithm>

#include "host/query/query_errors.h"

namespace evaluator {

static_assert(sizeof(void*) != 8 || sizeof(Node) == 32, "a node stays small: lists may be long");

Name const& Node::name() const noexcept {
  static Name const none;
  NodeParts const* parts = Parts();
  return parts == nullptr || parts->name == nullptr ? none : *parts->name;
}

std::string_view Node::source() const noexcept {
  NodeParts const* parts = Parts();
  return parts == nullptr ? std::string_view() : parts->source;
}

std::string Node::phrase() const {
  switch (kind) {
    case NodeKind::Integer:
      return std::to_string(integer);
    case NodeKind::String:
      return Quoted(text.view());
    case NodeKind::Boolean:
      return boolean ? "true" : "false";
    case NodeKind::It:
      return "it";
    default:
      return Excerpt(source());
  }
}

// Nodes and what they own, in chunks that never move.
struct SyntaxTree::Storage {
  std::deque<Node> nodes;
  std::deque<NodeParts> parts;
  std::deque<Name> names;
  std::deque<std::string> literals;
  // Short lists of children, packed into blocks; long ones in vectors of their own.
  std::vector<std::unique_ptr<NodeRef[]>> blocks;
  NodeRef* blockNext = nullptr;
  std::size_t blockLeft = 0;
  std::deque<std::vector<NodeRef>> longLists;
};

namespace {

constexpr std::size_t kChildrenPerBlock = 1024;

}  // namespace

SyntaxTree::SyntaxTree() = default;
SyntaxTree::~SyntaxTree() = default;
SyntaxTree::SyntaxTree(SyntaxTree&&) noexcept = default;
SyntaxTree& SyntaxTree::operator=(SyntaxTree&&) noexcept = default;

void SyntaxTree::reset() noexcept {
  storage_.reset();
  root_ = nullptr;
}

Node& SyntaxTree::Add(NodeKind kind, std::size_t column) {
  if (!storage_) storage_ = std::make_unique<Storage>();
  Node& node = storage_->nodes.emplace_back();
  node.kind = kind;
  node.column = static_cast<std::uint32_t>(column);
  return node;
}

NodeParts& SyntaxTree::AddParts(Node& node, std::string_view source) {
  NodeParts& parts = storage_->parts.emplace_back();
  parts.source = source;
  node.children.parts_ = &parts;
  return parts;
}

void SyntaxTree::SetChildren(NodeParts& parts, std::span<NodeRef const> children) {
  Storage& s = *storage_;
  if (children.size() > s.blockLeft) {
    std::size_t const size = std::max(children.size(), kChildrenPerBlock);
    s.blocks.push_back(std::make_unique<NodeRef[]>(size));
    s.blockNext = s.blocks.back().get();
    s.blockLeft = size;
  }
  NodeRef* const at = s.blockNext;
  std::copy(children.begin(), children.end(), at);
  s.blockNext += children.size();
  s.blockLeft -= children.size();
  parts.operands = at;
  parts.count = static_cast<std::uint32_t>(children.size());
}

void SyntaxTree::SetChildren(NodeParts& parts, std::vector<NodeRef>&& children) {
  if (children.size() <= kChildrenPerBlock) return SetChildren(parts, std::span(children));
  std::vector<NodeRef> const& kept = storage_->longLists.emplace_back(std::move(children));
  parts.operands = kept.data();
  parts.count = static_cast<std::uint32_t>(kept.size());
}

Name const* SyntaxTree::AddName(Name name) {
  return &storage_->names.emplace_back(std::move(name));
}

LiteralBytes SyntaxTree::AddLiteral(std::string bytes) {
  LiteralBytes literal;
  literal.bytes_ = &storage_->literals.emplace_back(std::move(bytes));
  return literal;
}

}  // namespace evaluator
