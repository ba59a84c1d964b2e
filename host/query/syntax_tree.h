// The syntax tree of a query. The parser builds it; the type checker fills in the
// fields marked "filled by the type checker"; the evaluator only reads it.
//
// A node is small (32 bytes): what only some kinds need shares storage or lives in
// the node's parts, which only compound nodes have. Nodes refer to the query text
// rather than copy it; a node's phrase text is made only when a message needs it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/catalog/names.h"
#include "host/query/operators.h"

namespace evaluator {

struct Registration;
struct ValueType;
struct Node;

enum class NodeKind : std::uint8_t {
  Integer,   // literal
  String,    // literal
  Boolean,   // literal
  It,        // the innermost element of `whose`
  Phrase,    // NAME [param] [of object]: a property, iterated property or aggregate
  Cast,      // children[0] as NAME
  Binary,    // children[0] op children[1]
  Negate,    // unary minus of children[0]
  Not,       // children[0]
  And,       // children[0] and children[1]
  Or,        // children[0] or children[1]
  Exists,    // children[0]
  NumberOf,  // children[0]
  If,        // if children[0] then children[1] else children[2]
  Item,      // item `integer` of children[0]
  Whose,     // children[0] whose (children[1])
  Tuple,     // children, joined with ","
  List,      // children, joined with ";"
};

// How a Phrase node is evaluated once its registration is chosen.
enum class CallShape : std::uint8_t {
  Property,   // a plain property, called once per (parameter, object)
  Iterated,   // the iteration protocol per (parameter, object)
  Aggregate,  // the aggregation protocol over the whole object sequence
};

// A node of the tree, or none.
class NodeRef {
 public:
  NodeRef() = default;
  NodeRef(Node* node) noexcept : node_(node) {}  // NOLINT: a reference is made from a pointer

  Node& operator*() const noexcept { return *node_; }
  Node* operator->() const noexcept { return node_; }
  Node* get() const noexcept { return node_; }
  explicit operator bool() const noexcept { return node_ != nullptr; }

 private:
  Node* node_ = nullptr;
};

// What a compound node (every kind but the literals and `it`) has beyond the fields
// of every node.
struct NodeParts {
  std::string_view source;            // the node's text in the query
  NodeRef const* operands = nullptr;  // its children, `count` of them
  std::uint32_t count = 0;
  std::uint32_t height = 1;    // levels of nodes from here down, this one included
  Name const* name = nullptr;  // Phrase and Cast: the phrase or cast name
  NodeRef parameter;           // Phrase
  NodeRef object;              // Phrase
};

// The children of a node, in order; none for a leaf.
class Children {
 public:
  std::size_t size() const noexcept { return parts_ == nullptr ? 0 : parts_->count; }
  bool empty() const noexcept { return size() == 0; }
  NodeRef const& operator[](std::size_t i) const noexcept { return parts_->operands[i]; }
  NodeRef const* begin() const noexcept { return parts_ == nullptr ? nullptr : parts_->operands; }
  NodeRef const* end() const noexcept { return begin() + size(); }

 private:
  friend struct Node;
  friend class SyntaxTree;
  NodeParts* parts_ = nullptr;
};

// The bytes of a String literal, which the tree owns.
class LiteralBytes {
 public:
  char const* data() const noexcept { return bytes_->data(); }
  std::size_t size() const noexcept { return bytes_->size(); }
  std::string_view view() const noexcept { return *bytes_; }

 private:
  friend class SyntaxTree;
  std::string const* bytes_;
};

struct Node {
  NodeKind kind = NodeKind::Integer;
  union {
    BinaryOp op = BinaryOp::Plus;  // Binary
    CallShape shape;               // Phrase; filled by the type checker
  };
  bool boolean : 1 = false;  // Boolean literal
  // Filled by the type checker.
  bool plural : 1 = false;
  bool pluralForm : 1 = false;    // Phrase named by its plural: missing values are left out
  bool swapOperands : 1 = false;  // Binary: `>` and `>=` call `<` and `<=` with (right, left)
  bool negate : 1 = false;        // Binary: `!=` and the `does not` forms
  bool folded : 1 = false;        // its values were computed once, while preparing
  std::uint32_t column = 0;       // 1-based column of the token that names the node
  ValueType const* type = nullptr;  // filled by the type checker
  union {
    std::int64_t integer = 0;  // Integer literal; the index of Item
    LiteralBytes text;         // String literal
    // Phrase, Cast, Binary, Negate; filled by the type checker (null for a cast that
    // only changes the type a value is seen as).
    Registration const* registration;
  };
  Children children;

  // Phrase and Cast: the name; an empty name for the other kinds.
  Name const& name() const noexcept;
  // Phrase: the parameter and the object, null for none.
  Node* parameter() const noexcept { return Parts() == nullptr ? nullptr : Parts()->parameter.get(); }
  Node* object() const noexcept { return Parts() == nullptr ? nullptr : Parts()->object.get(); }
  // The node's text in the query ("" for literals and `it`).
  std::string_view source() const noexcept;
  // The node's text for a message: an excerpt of its source, or the literal as
  // written.
  std::string phrase() const;
  int height() const noexcept { return Parts() == nullptr ? 1 : static_cast<int>(Parts()->height); }

 private:
  NodeParts const* Parts() const noexcept { return children.parts_; }
};

// The parsed tree: its nodes and all they own (names, literal bytes). It refers to
// the query text, which must outlive it. Move-only; empty when default-made.
class SyntaxTree {
 public:
  SyntaxTree();
  ~SyntaxTree();
  SyntaxTree(SyntaxTree&&) noexcept;
  SyntaxTree& operator=(SyntaxTree&&) noexcept;

  Node* get() const noexcept { return root_; }
  Node& operator*() const noexcept { return *root_; }
  Node* operator->() const noexcept { return root_; }
  explicit operator bool() const noexcept { return root_ != nullptr; }
  void reset() noexcept;

  // For the parser.
  Node& Add(NodeKind kind, std::size_t column);
  // Makes `node` compound, with its source text.
  NodeParts& AddParts(Node& node, std::string_view source);
  // Gives a compound node its children. The second form keeps the vector itself, so
  // that a long list is not copied.
  void SetChildren(NodeParts& parts, std::span<NodeRef const> children);
  void SetChildren(NodeParts& parts, std::vector<NodeRef>&& children);
  Name const* AddName(Name name);
  LiteralBytes AddLiteral(std::string bytes);
  void SetRoot(Node& root) noexcept { root_ = &root; }

 private:
  struct Storage;
  std::unique_ptr<Storage> storage_;
  Node* root_ = nullptr;
};

// The owner of a tree, as the parser returns it.
using NodePtr = SyntaxTree;

}  // namespace evaluator
