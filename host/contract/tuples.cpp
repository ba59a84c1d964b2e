// The evaluator's tuple services of the contract: tuple type names and the items of a
// tuple's chain of nodes.
#include "framework/contract/evaluator.h"
#include "host/catalog/names.h"

std::string MakeTupleTypeName(char const* first, char const* second) {
  return evaluator::TupleTypeName({first ? first : "", second ? second : ""});
}

std::string MakeTupleTypeName(char const* first, char const* second, char const* third) {
  return evaluator::TupleTypeName({first ? first : "", second ? second : "", third ? third : ""});
}

void const* TupleItem(unsigned long index, TupleNode const* first) {
  TupleNode const* node = first;
  for (unsigned long i = 0; node != nullptr && i < index; ++i) node = node->next;
  return node == nullptr ? nullptr : node->item;
}
