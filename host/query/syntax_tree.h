// The syntax tree of a query. The parser builds it; the type checker fills in the
// fields below "Filled by the type checker"; the evaluator only reads it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/catalog/names.h"
#include "host/query/operators.h"

namespace evaluator {

struct Registration;
struct ValueType;

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

struct Node {
  NodeKind kind = NodeKind::Integer;
  std::size_t column = 0;  // 1-based column of the token that names the node
  std::size_t begin = 0;   // byte range of the node's text in the query
  std::size_t end = 0;
  int height = 1;  // levels of nodes from here down, this one included

  std::int64_t integer = 0;  // Integer literal; the index of Item
  std::string text;          // String literal bytes
  Name name;                 // Phrase and Cast: the phrase or cast name
  bool boolean = false;      // Boolean literal
  BinaryOp op = BinaryOp::Plus;

  std::unique_ptr<Node> parameter;  // Phrase
  std::unique_ptr<Node> object;     // Phrase
  std::vector<std::unique_ptr<Node>> children;

  // Filled by the type checker.
  ValueType const* type = nullptr;
  bool plural = false;
  Registration const* registration = nullptr;  // Phrase, Cast, Binary, Negate
  CallShape shape = CallShape::Property;
  bool pluralForm = false;    // Phrase named by its plural: missing values are left out
  bool swapOperands = false;  // Binary: `>` and `>=` call `<` and `<=` with (right, left)
  bool negate = false;        // Binary: `!=` and the `does not` forms
  std::string phrase;         // the node's query text, for error messages
};

using NodePtr = std::unique_ptr<Node>;

}  // namespace evaluator
