#include "host/catalog/names.h"

#include <ostream>

namespace evaluator {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Calls `put` with each character of the folded form of `text`.
template <class Put>
void Fold(std::string_view text, Put put) {
  bool pendingSpace = false;
  bool any = false;
  for (char c : text) {
    if (IsBlank(c)) {
      pendingSpace = any;
      continue;
    }
    if (pendingSpace) {
      if (!put(' ')) return;
      pendingSpace = false;
    }
    if (!put(Lower(c))) return;
    any = true;
  }
}

}  // namespace

Name::Name(std::string_view text) {
  // The folded form is never longer than the text: written in place, then cut.
  text_.resize(text.size());
  char* const out = text_.data();
  std::size_t length = 0;
  Fold(text, [out, &length](char c) {
    out[length++] = c;
    return true;
  });
  text_.resize(length);
}

bool operator==(Name const& name, std::string_view text) noexcept {
  std::string const& folded = name.text_;
  std::size_t at = 0;
  bool equal = true;
  Fold(text, [&](char c) {
    equal = at < folded.size() && folded[at] == c;
    ++at;
    return equal;
  });
  return equal && at == folded.size();
}

std::ostream& operator<<(std::ostream& out, Name const& name) {
  return out << name.text();
}

std::string AsciiLowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string TupleTypeName(std::vector<std::string_view> const& items) {
  std::string name = "(";
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) name += ", ";
    name += items[i];
  }
  name += ')';
  return name;
}

namespace {

// The known tag that `name` begins with, right before its parenthesis; empty when
// it begins with none.
std::string_view LeadingTag(std::string_view name) {
  for (std::string_view tag : {kTimedTupleTag}) {
    if (name.size() > tag.size() && name.substr(0, tag.size()) == tag && name[tag.size()] == '(') {
      return tag;
    }
  }
  return {};
}

}  // namespace

std::string_view TupleTag(std::string_view name) {
  std::string_view const tag = LeadingTag(name);
  return !tag.empty() && IsTupleTypeName(name) ? tag : std::string_view();
}

std::vector<std::string_view> SplitTupleTypeName(std::string_view name) {
  name.remove_prefix(LeadingTag(name).size());
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
