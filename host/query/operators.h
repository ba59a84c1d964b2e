// The facts about every operator of the query language in one table: how it is
// written, how tightly it binds, which registered operator it calls and how. The
// tokenizer, the parser, the type checker and the listing of registrations all read
// them here.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace evaluator {

// Binary operators and relations as written.
enum class BinaryOp : std::uint8_t {
  Plus,
  Minus,
  Times,
  Divide,
  Modulo,
  Concatenate,
  Equal,
  NotEqual,
  Less,
  LessOrEqual,
  Greater,
  GreaterOrEqual,
  StartsWith,
  NotStartsWith,
  EndsWith,
  NotEndsWith,
  Contains,
  NotContains,
};

// How tightly a binary operator binds, loosest first. Relations do not chain; sums
// and products associate to the left.
enum class Precedence : std::uint8_t { Relation, Sum, Product };

struct OperatorFacts {
  BinaryOp op;
  std::string_view spelling;     // as written: "+", "mod", "does not start with"
  std::string_view alternative;  // another way to write it ("is", "is not"); "" for none
  Precedence precedence;
  unsigned long code;  // the registered operator that it calls
  bool swap;           // called with its operands swapped: `a > b` is `b < a`
  bool negate;         // its result negated: `a != b` is `not (a = b)`
};

// Every binary operator, in the order of BinaryOp.
std::span<OperatorFacts const> BinaryOperators();
OperatorFacts const& FactsOf(BinaryOp op);

// Unary minus is the one unary operator.
inline constexpr std::string_view kUnaryMinusSpelling = "-";

// How the operator registered under `code` is written: the operator that calls it as
// it is, neither swapped nor negated ("<" for kRelationLess); "" for a code that no
// operator calls.
std::string_view SpellingOfBinaryCode(unsigned long code);
std::string_view SpellingOfUnaryCode(unsigned long code);

// Every symbol of the language, longest first: the operators written with symbols,
// the parentheses, "," and ";".
std::span<std::string_view const> Symbols();

}  // namespace evaluator
