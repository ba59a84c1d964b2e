#include "host/tuples.h"

#include "framework/contract/evaluator.h"

namespace evaluator {

std::string TupleTypeName(std::vector<std::string_view> const& items) {
  std::string name = "(";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) name += ", ";
    name += items[i];
  }
  name += ')';
  return name;
}

std::vector<std::string_view> SplitTupleTypeName(std::string_view name) {
  if (name.size() < 2 || name.front() != '(' || name.back() != ')') return {};
  std::string_view inner = name.substr(1, name.size() - 2);
  std::vector<std::string_view> items;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    char c = inner[i];
    if (c == '(') {
      ++depth;
    } else if (c == ')') {
      // The outer parentheses must enclose the whole name, not just its start.
      if (--depth < 0) return {};
    } else if (c == ',' && depth == 0) {
      if (i + 1 >= inner.size() || inner[i + 1] != ' ') return {};
      items.push_back(inner.substr(start, i - start));
      start = i + 2;
      ++i;
    }
  }
  if (depth != 0) return {};
  items.push_back(inner.substr(start));
  if (items.size() < 2) return {};
  for (auto item : items) {
    if (item.empty()) return {};
  }
  return items;
}

}  // namespace evaluator

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
