#include "host/query/operators.h"

#include <algorithm>
#include <vector>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {

using P = Precedence;

constexpr OperatorFacts kBinaryOperators[] = {
    {BinaryOp::Plus, "+", "", P::Sum, kOperatorPlus, false, false},
    {BinaryOp::Minus, "-", "", P::Sum, kOperatorMinus, false, false},
    {BinaryOp::Times, "*", "", P::Product, kOperatorTimes, false, false},
    {BinaryOp::Divide, "/", "", P::Product, kOperatorDivide, false, false},
    {BinaryOp::Modulo, "mod", "", P::Product, kOperatorModulo, false, false},
    {BinaryOp::Concatenate, "&", "", P::Sum, kOperatorConcatenate, false, false},
    {BinaryOp::Equal, "=", "is", P::Relation, kRelationEqual, false, false},
    {BinaryOp::NotEqual, "!=", "is not", P::Relation, kRelationEqual, false, true},
    {BinaryOp::Less, "<", "", P::Relation, kRelationLess, false, false},
    {BinaryOp::LessOrEqual, "<=", "", P::Relation, kRelationLessOrEqual, false, false},
    {BinaryOp::Greater, ">", "", P::Relation, kRelationLess, true, false},
    {BinaryOp::GreaterOrEqual, ">=", "", P::Relation, kRelationLessOrEqual, true, false},
    {BinaryOp::StartsWith, "starts with", "", P::Relation, kRelationStartsWith, false, false},
    {BinaryOp::NotStartsWith, "does not start with", "", P::Relation, kRelationStartsWith, false,
     true},
    {BinaryOp::EndsWith, "ends with", "", P::Relation, kRelationEndsWith, false, false},
    {BinaryOp::NotEndsWith, "does not end with", "", P::Relation, kRelationEndsWith, false, true},
    {BinaryOp::Contains, "contains", "", P::Relation, kRelationContains, false, false},
    {BinaryOp::NotContains, "does not contain", "", P::Relation, kRelationContains, false, true},
};

constexpr bool InOrderOfBinaryOp() {
  for (std::size_t i = 0; i < std::size(kBinaryOperators); ++i) {
    if (static_cast<std::size_t>(kBinaryOperators[i].op) != i) return false;
  }
  return true;
}
static_assert(InOrderOfBinaryOp());

bool IsSymbol(std::string_view spelling) {
  char const c = spelling.empty() ? 'a' : spelling.front();
  return !((c >= 'a' && c <= 'z') || c == ' ');
}

}  // namespace

std::span<OperatorFacts const> BinaryOperators() {
  return kBinaryOperators;
}

OperatorFacts const& FactsOf(BinaryOp op) {
  return kBinaryOperators[static_cast<std::size_t>(op)];
}

std::string_view SpellingOfBinaryCode(unsigned long code) {
  for (OperatorFacts const& facts : kBinaryOperators) {
    if (facts.code == code && !facts.swap && !facts.negate) return facts.spelling;
  }
  return {};
}

std::string_view SpellingOfUnaryCode(unsigned long code) {
  return code == kUnaryMinus ? kUnaryMinusSpelling : std::string_view();
}

std::span<std::string_view const> Symbols() {
  static std::vector<std::string_view> const symbols = [] {
    std::vector<std::string_view> all = {"(", ")", ",", ";", kUnaryMinusSpelling};
    for (OperatorFacts const& facts : kBinaryOperators) {
      for (std::string_view spelling : {facts.spelling, facts.alternative}) {
        if (IsSymbol(spelling)) all.push_back(spelling);
      }
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    std::stable_sort(all.begin(), all.end(),
                     [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    return all;
  }();
  return symbols;
}

}  // namespace evaluator
