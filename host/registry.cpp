#include "host/registry.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "host/tuples.h"

namespace evaluator {

namespace {

// Lower-cases ASCII letters and reduces every run of spaces to one, trimming both
// ends: the form in which names are indexed and looked up.
std::string NormalizeName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingSpace = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) {
      out.push_back(' ');
      pendingSpace = false;
    }
    out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  }
  return out;
}

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept {
    return std::hash<std::string_view>{}(s);
  }
};

template <class V>
using NameMap = std::unordered_map<std::string, V, StringHash, std::equal_to<>>;

using RecordList = std::vector<Registration const*>;

void EraseRecord(RecordList& list, Registration const* record) {
  list.erase(std::remove(list.begin(), list.end(), record), list.end());
}

template <class Key, class Map>
void EraseFrom(Map& map, Key const& key, Registration const* record) {
  auto it = map.find(key);
  if (it == map.end()) return;
  EraseRecord(it->second, record);
  if (it->second.empty()) map.erase(it);
}

constexpr std::string_view kBuiltinTypes[] = {"integer", "string", "boolean"};

}  // namespace

char const* KindName(Kind kind) noexcept {
  switch (kind) {
    case Kind::Type:
      return "type";
    case Kind::Property:
      return "property";
    case Kind::IteratedProperty:
      return "iterated property";
    case Kind::AggregateProperty:
      return "aggregate property";
    case Kind::Cast:
      return "cast";
    case Kind::BinaryOperator:
      return "binary operator";
    case Kind::UnaryOperator:
      return "unary operator";
    case Kind::Cache:
      return "cache";
  }
  return "registration";
}

struct Registry::Index {
  std::uint64_t nextSequence = 1;
  // Records by sequence number: iteration gives registration order, and the nodes
  // stay put so that the pointers handed out remain valid until removal.
  std::map<std::uint64_t, Registration> records;
  std::unordered_map<void const*, std::uint64_t> byBlock;

  NameMap<RecordList> properties;  // normalized name and plural
  NameMap<RecordList> casts;
  NameMap<RecordList> types;
  std::unordered_map<unsigned long, RecordList> binaryOperators;
  std::unordered_map<unsigned long, RecordList> unaryOperators;
  RecordList caches;

  // Counted sets of every normalized phrase name and of every leading run of
  // whole words of one (a name of n words contributes its first 1..n-1 words).
  NameMap<std::size_t> names;
  NameMap<std::size_t> prefixes;

  Index() {
    for (std::string_view builtin : kBuiltinTypes) AddName(builtin);
  }

  void AddName(std::string_view raw) {
    std::string name = NormalizeName(raw);
    if (name.empty()) return;
    ++names[name];
    for (std::size_t space = name.find(' '); space != std::string::npos;
         space = name.find(' ', space + 1)) {
      ++prefixes[name.substr(0, space)];
    }
  }

  static void Decrement(NameMap<std::size_t>& map, std::string const& key) {
    auto it = map.find(key);
    if (it != map.end() && --it->second == 0) map.erase(it);
  }

  void RemoveName(std::string_view raw) {
    std::string name = NormalizeName(raw);
    if (name.empty()) return;
    Decrement(names, name);
    for (std::size_t space = name.find(' '); space != std::string::npos;
         space = name.find(' ', space + 1)) {
      Decrement(prefixes, name.substr(0, space));
    }
  }

  // The distinct normalized keys under which a property is indexed.
  static std::vector<std::string> PropertyKeys(Registration const& r) {
    std::vector<std::string> keys;
    std::string name = NormalizeName(r.name);
    std::string plural = NormalizeName(r.plural);
    if (!name.empty()) keys.push_back(name);
    if (!plural.empty() && plural != name) keys.push_back(plural);
    return keys;
  }

  void Link(Registration const* r) {
    switch (r->kind) {
      case Kind::Type:
        types[NormalizeName(r->name)].push_back(r);
        AddName(r->name);
        break;
      case Kind::Property:
      case Kind::IteratedProperty:
      case Kind::AggregateProperty:
        for (auto const& key : PropertyKeys(*r)) properties[key].push_back(r);
        AddName(r->name);
        AddName(r->plural);
        break;
      case Kind::Cast:
        casts[NormalizeName(r->name)].push_back(r);
        AddName(r->name);
        break;
      case Kind::BinaryOperator:
        binaryOperators[r->operatorCode].push_back(r);
        break;
      case Kind::UnaryOperator:
        unaryOperators[r->operatorCode].push_back(r);
        break;
      case Kind::Cache:
        caches.push_back(r);
        break;
    }
  }

  void Unlink(Registration const* r) {
    switch (r->kind) {
      case Kind::Type:
        EraseFrom(types, NormalizeName(r->name), r);
        RemoveName(r->name);
        break;
      case Kind::Property:
      case Kind::IteratedProperty:
      case Kind::AggregateProperty:
        for (auto const& key : PropertyKeys(*r)) EraseFrom(properties, key, r);
        RemoveName(r->name);
        RemoveName(r->plural);
        break;
      case Kind::Cast:
        EraseFrom(casts, NormalizeName(r->name), r);
        RemoveName(r->name);
        break;
      case Kind::BinaryOperator:
        EraseFrom(binaryOperators, r->operatorCode, r);
        break;
      case Kind::UnaryOperator:
        EraseFrom(unaryOperators, r->operatorCode, r);
        break;
      case Kind::Cache:
        EraseRecord(caches, r);
        break;
    }
  }

  RecordList Lookup(NameMap<RecordList> const& map, std::string_view name) const {
    auto it = map.find(NormalizeName(name));
    return it == map.end() ? RecordList{} : it->second;
  }
};

Registry& Registry::Global() {
  // Never destroyed: libraries still loaded at exit withdraw their registrations
  // from their own static destructors, which may run after this library's.
  alignas(Registry) static unsigned char storage[sizeof(Registry)];
  static Registry* const registry = new (storage) Registry();
  return *registry;
}

Registry::Registry() : index_(std::make_unique<Index>()) {}
Registry::~Registry() = default;

void Registry::Add(Registration record) {
  if (record.block == nullptr) throw std::logic_error("registration without a block");
  if (index_->byBlock.contains(record.block)) {
    throw std::logic_error("block registered twice: " + std::string(KindName(record.kind)) + " " +
                           record.name);
  }
  record.sequence = index_->nextSequence++;
  auto [it, inserted] = index_->records.emplace(record.sequence, std::move(record));
  index_->byBlock.emplace(it->second.block, it->first);
  index_->Link(&it->second);
}

bool Registry::Remove(void const* block, std::initializer_list<Kind> kinds) {
  auto found = index_->byBlock.find(block);
  if (found == index_->byBlock.end()) return false;
  auto record = index_->records.find(found->second);
  if (std::find(kinds.begin(), kinds.end(), record->second.kind) == kinds.end()) return false;
  if (withdrawalObserver_) withdrawalObserver_(record->second);
  index_->Unlink(&record->second);
  index_->byBlock.erase(found);
  index_->records.erase(record);
  return true;
}

void Registry::SetWithdrawalObserver(WithdrawalObserver observer) {
  withdrawalObserver_ = std::move(observer);
}

std::vector<Registration const*> Registry::All() const {
  std::vector<Registration const*> all;
  all.reserve(index_->records.size());
  for (auto const& [sequence, record] : index_->records) all.push_back(&record);
  return all;
}

std::size_t Registry::Size() const noexcept {
  return index_->records.size();
}

std::uint64_t Registry::NextSequence() const noexcept {
  return index_->nextSequence;
}

Registration const* Registry::FindBlock(void const* block) const {
  auto found = index_->byBlock.find(block);
  return found == index_->byBlock.end() ? nullptr : &index_->records.at(found->second);
}

bool Registry::IsBuiltinType(std::string_view name) noexcept {
  return std::find(std::begin(kBuiltinTypes), std::end(kBuiltinTypes), name) !=
         std::end(kBuiltinTypes);
}

Registration const* Registry::FindType(std::string_view name) const {
  auto it = index_->types.find(NormalizeName(name));
  return it == index_->types.end() ? nullptr : it->second.front();
}

bool Registry::IsKnownType(std::string_view name) const {
  if (IsBuiltinType(name) || FindType(name) != nullptr) return true;
  auto items = SplitTupleTypeName(name);
  if (items.empty()) return false;
  return std::all_of(items.begin(), items.end(),
                     [this](std::string_view item) { return IsKnownType(item); });
}

std::string_view Registry::BaseOf(std::string_view type) const {
  Registration const* r = FindType(type);
  return r == nullptr ? std::string_view{} : std::string_view{r->baseType};
}

bool Registry::IsA(std::string_view derived, std::string_view base) const {
  // A tuple is a kind of another tuple when each item is a kind of the other's.
  auto derivedItems = SplitTupleTypeName(derived);
  if (!derivedItems.empty()) {
    auto baseItems = SplitTupleTypeName(base);
    if (baseItems.size() != derivedItems.size()) return false;
    for (std::size_t i = 0; i < baseItems.size(); ++i) {
      if (!IsA(derivedItems[i], baseItems[i])) return false;
    }
    return true;
  }
  std::string const wanted = NormalizeName(base);
  std::string current = NormalizeName(derived);
  // The chain is bounded by the number of types, which also stops a cycle.
  for (std::size_t steps = 0; steps <= index_->types.size() + 1; ++steps) {
    if (current == wanted) return true;
    std::string_view next = BaseOf(current);
    if (next.empty()) return false;
    current = NormalizeName(next);
  }
  return false;
}

std::vector<Registration const*> Registry::FindProperties(std::string_view name) const {
  return index_->Lookup(index_->properties, name);
}

std::vector<Registration const*> Registry::FindCasts(std::string_view name) const {
  return index_->Lookup(index_->casts, name);
}

std::vector<Registration const*> Registry::FindBinaryOperators(unsigned long code) const {
  auto it = index_->binaryOperators.find(code);
  return it == index_->binaryOperators.end() ? RecordList{} : it->second;
}

std::vector<Registration const*> Registry::FindUnaryOperators(unsigned long code) const {
  auto it = index_->unaryOperators.find(code);
  return it == index_->unaryOperators.end() ? RecordList{} : it->second;
}

std::vector<Registration const*> Registry::Caches() const {
  return index_->caches;
}

bool Registry::IsNameOrNamePrefix(std::string_view words) const {
  return index_->names.find(words) != index_->names.end() ||
         index_->prefixes.find(words) != index_->prefixes.end();
}

bool Registry::IsName(std::string_view words) const {
  return index_->names.find(words) != index_->names.end();
}

std::string Describe(Registration const& record) {
  std::string text = KindName(record.kind);
  switch (record.kind) {
    case Kind::BinaryOperator:
    case Kind::UnaryOperator:
      text.append(" ").append(std::to_string(record.operatorCode));
      break;
    case Kind::Cache:
      break;
    default:
      text.append(" ").append(record.name);
      break;
  }
  return text;
}

}  // namespace evaluator
