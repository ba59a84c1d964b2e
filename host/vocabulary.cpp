#include "host/vocabulary.h"

#include "host/builtin_operations.h"
#include "host/tuples.h"

namespace evaluator {

std::string LowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i];
    char y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

Vocabulary::Vocabulary(Registry const& registry) : registry_(registry) {}

bool Vocabulary::IsNameOrNamePrefix(std::string_view words) const {
  return registry_.IsNameOrNamePrefix(words) || IsBuiltinNameOrNamePrefix(words);
}

bool Vocabulary::IsName(std::string_view words) const {
  return registry_.IsName(words) || IsBuiltinName(words);
}

Registration const* Vocabulary::TypeRecord(std::string_view name) const {
  if (Registration const* r = registry_.FindType(name)) return r;
  return BuiltinType(name);
}

bool Vocabulary::IsKnownType(std::string_view name) const {
  if (Registry::IsBuiltinType(name) || TypeRecord(name) != nullptr) return true;
  auto items = SplitTupleTypeName(name);
  if (items.empty()) return false;
  for (auto item : items) {
    if (!IsKnownType(item)) return false;
  }
  return true;
}

int Vocabulary::Distance(std::string_view derived, std::string_view base) const {
  if (EqualIgnoringCase(derived, base)) return 0;
  auto derivedItems = SplitTupleTypeName(derived);
  if (!derivedItems.empty()) {
    auto baseItems = SplitTupleTypeName(base);
    if (baseItems.size() != derivedItems.size()) return -1;
    int total = 0;
    for (std::size_t i = 0; i < baseItems.size(); ++i) {
      int const d = Distance(derivedItems[i], baseItems[i]);
      if (d < 0) return -1;
      total += d;
    }
    return total;
  }
  // Each step follows a base; a chain longer than the number of records would be
  // a cycle.
  std::string current(derived);
  std::size_t const limit = registry_.Size() + BuiltinOperations().size() + 1;
  for (std::size_t steps = 1; steps <= limit; ++steps) {
    Registration const* r = TypeRecord(current);
    if (r == nullptr || r->baseType.empty()) return -1;
    if (EqualIgnoringCase(r->baseType, base)) return static_cast<int>(steps);
    current = r->baseType;
  }
  return -1;
}

Vocabulary::Candidates Vocabulary::Properties(std::string_view name) const {
  return {registry_.FindProperties(name), BuiltinProperties(name)};
}

Vocabulary::Candidates Vocabulary::Casts(std::string_view name) const {
  return {registry_.FindCasts(name), BuiltinCasts(name)};
}

Vocabulary::Candidates Vocabulary::BinaryOperators(unsigned long code) const {
  return {registry_.FindBinaryOperators(code), BuiltinBinaryOperators(code)};
}

Vocabulary::Candidates Vocabulary::UnaryOperators(unsigned long code) const {
  return {registry_.FindUnaryOperators(code), BuiltinUnaryOperators(code)};
}

Registration const* Vocabulary::StringCast(std::string_view type) const {
  Candidates const candidates = Casts("string");
  for (auto const* list : {&candidates.library, &candidates.builtin}) {
    Registration const* best = nullptr;
    int bestDistance = -1;
    for (Registration const* r : *list) {
      if (!EqualIgnoringCase(r->resultType, "string")) continue;
      int const d = Distance(type, r->objectType);
      if (d >= 0 && (best == nullptr || d < bestDistance)) {
        best = r;
        bestDistance = d;
      }
    }
    if (best != nullptr) return best;
  }
  return nullptr;
}

}  // namespace evaluator
