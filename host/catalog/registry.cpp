#include "host/catalog/registry.h"

#include <algorithm>
#include <map>
#include <new>
#include <stdexcept>
#include <unordered_map>
#include <utility>

#include "host/catalog/evaluator_operations.h"

namespace evaluator {

namespace {

using RecordList = std::vector<Registration const*>;

template <class V>
using NameMap = std::unordered_map<Name, V, NameHash>;

// Counts by the folded text of a name, looked up by any view of such a text without
// making a Name of it.
struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    return std::hash<std::string_view>{}(text);
  }
};
using TextCounts = std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>>;

// Lists are kept in order of precedence: the library's records, then the
// evaluator's own, each in registration order.
bool Precedes(Registration const* a, Registration const* b) {
  return std::pair(a->origin, a->sequence) < std::pair(b->origin, b->sequence);
}

void Insert(RecordList& list, Registration const* record) {
  list.insert(std::upper_bound(list.begin(), list.end(), record, Precedes), record);
}

void Erase(RecordList& list, Registration const* record) {
  list.erase(std::remove(list.begin(), list.end(), record), list.end());
}

template <class Map>
void EraseFrom(Map& map, typename Map::key_type const& key, Registration const* record) {
  auto it = map.find(key);
  if (it == map.end()) return;
  Erase(it->second, record);
  if (it->second.empty()) map.erase(it);
}

template <class Map>
RecordList Lookup(Map const& map, typename Map::key_type const& key, Scope scope) {
  auto it = map.find(key);
  if (it == map.end()) return {};
  RecordList const& all = it->second;
  if (scope == Scope::Everything) return all;
  return RecordList(all.begin(), std::find_if(all.begin(), all.end(), [](Registration const* r) {
                      return r->origin != Origin::Library;
                    }));
}

constexpr std::string_view kEvaluatorTypes[] = {kIntegerType, kStringType, kBooleanType};

}  // namespace

char const* KindName(Kind kind) noexcept {
  // In the order of Kind.
  static constexpr char const* kNames[] = {
      "type", "property",        "iterated property", "aggregate property",
      "cast", "binary operator", "unary operator",    "cache",
  };
  auto const index = static_cast<std::size_t>(kind);
  return index < std::size(kNames) ? kNames[index] : "registration";
}

struct Registry::Index {
  std::uint64_t nextSequence = 1;
  std::uint64_t withdrawals = 0;
  // Records by sequence number: iteration gives registration order, and the nodes
  // stay put so that the pointers handed out remain valid until removal.
  std::map<std::uint64_t, Registration> records;
  std::unordered_map<void const*, std::uint64_t> byBlock;

  NameMap<RecordList> properties;  // by name and by plural
  NameMap<RecordList> casts;
  NameMap<RecordList> types;
  std::unordered_map<unsigned long, RecordList> binaryOperators;
  std::unordered_map<unsigned long, RecordList> unaryOperators;
  RecordList caches;

  // Counted sets of every phrase name and of every leading run of whole words of
  // one (a name of n words contributes its first 1..n-1 words).
  TextCounts names;
  TextCounts prefixes;

  // Removed records still in `records`, to be unlinked together (DeferUnlinking()).
  bool deferring = false;
  std::vector<std::uint64_t> unlinkLater;

  Index() { CountEvaluatorTypes(); }

  void CountEvaluatorTypes() {
    for (std::string_view type : kEvaluatorTypes) CountName(Name(type), +1);
  }

  // Drops the records removed while unlinking was deferred, and files the others
  // again: cheaper than taking the removed ones out one at a time when they are most
  // of the records, as a library's are when it unloads.
  void UnlinkDeferred() {
    if (unlinkLater.empty()) return;
    for (std::uint64_t sequence : unlinkLater) records.erase(sequence);
    unlinkLater.clear();
    properties.clear();
    casts.clear();
    types.clear();
    binaryOperators.clear();
    unaryOperators.clear();
    caches.clear();
    names.clear();
    prefixes.clear();
    CountEvaluatorTypes();
    for (auto const& [sequence, record] : records) Link(&record);
  }

  // `text` is folded already: a name's text, or a run of its leading words.
  static void Count(TextCounts& map, std::string_view text, int delta) {
    auto it = map.find(text);
    if (delta > 0) {
      if (it != map.end()) {
        ++it->second;
      } else {
        map.emplace(std::string(text), 1);
      }
    } else if (it != map.end() && --it->second == 0) {
      map.erase(it);
    }
  }

  void CountName(Name const& name, int delta) {
    if (name.empty()) return;
    std::string_view const text = name.text();
    Count(names, text, delta);
    for (std::size_t space = text.find(' '); space != std::string_view::npos;
         space = text.find(' ', space + 1)) {
      Count(prefixes, text.substr(0, space), delta);
    }
  }

  // The distinct keys under which a property is indexed.
  static std::vector<Name> PropertyKeys(Registration const& r) {
    std::vector<Name> keys;
    if (!r.name.empty()) keys.push_back(r.name);
    if (!r.plural.empty() && r.plural != r.name) keys.push_back(r.plural);
    return keys;
  }

  void Link(Registration const* r) { Update(r, true); }
  void Unlink(Registration const* r) { Update(r, false); }

  // Files the record in its indexes (`link`), or takes it out of them.
  void Update(Registration const* r, bool link) {
    int const delta = link ? +1 : -1;
    auto file = [&](auto& map, auto const& key) {
      if (link) {
        Insert(map[key], r);
      } else {
        EraseFrom(map, key, r);
      }
    };
    switch (r->kind) {
      case Kind::Type:
        file(types, r->name);
        CountName(r->name, delta);
        break;
      case Kind::Property:
      case Kind::IteratedProperty:
      case Kind::AggregateProperty:
        for (Name const& key : PropertyKeys(*r)) file(properties, key);
        CountName(r->name, delta);
        CountName(r->plural, delta);
        break;
      case Kind::Cast:
        file(casts, r->name);
        CountName(r->name, delta);
        break;
      case Kind::BinaryOperator:
        file(binaryOperators, r->operatorCode);
        break;
      case Kind::UnaryOperator:
        file(unaryOperators, r->operatorCode);
        break;
      case Kind::Cache:
        if (link) {
          caches.push_back(r);
        } else {
          Erase(caches, r);
        }
        break;
    }
  }
};

Registry& Registry::Global() {
  // Never destroyed: libraries still loaded at exit withdraw their registrations
  // from their own static destructors, which may run after this library's.
  alignas(Registry) static unsigned char storage[sizeof(Registry)];
  static Registry* const registry = new (storage) Registry();
  return *registry;
}

Registry::Registry() : index_(std::make_unique<Index>()) {
  AddEvaluatorOperations(*this);
}

Registry::~Registry() = default;

void Registry::Add(Registration record) {
  if (record.block == nullptr) throw std::logic_error("registration without a block");
  if (index_->byBlock.contains(record.block)) {
    throw std::logic_error("block registered twice: " + std::string(KindName(record.kind)) + " " +
                           record.name.text());
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
  index_->byBlock.erase(found);
  ++index_->withdrawals;
  if (index_->deferring) {
    index_->unlinkLater.push_back(record->first);
    return true;
  }
  index_->Unlink(&record->second);
  index_->records.erase(record);
  return true;
}

void Registry::DeferUnlinking() noexcept {
  index_->deferring = true;
}

void Registry::FinishUnlinking() {
  index_->deferring = false;
  index_->UnlinkDeferred();
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

std::uint64_t Registry::Withdrawals() const noexcept {
  return index_->withdrawals;
}

Registration const* Registry::FindBlock(void const* block) const {
  auto found = index_->byBlock.find(block);
  return found == index_->byBlock.end() ? nullptr : &index_->records.at(found->second);
}

std::vector<Registration const*> Registry::FindProperties(Name const& name, Scope scope) const {
  return Lookup(index_->properties, name, scope);
}

std::vector<Registration const*> Registry::FindCasts(Name const& name, Scope scope) const {
  return Lookup(index_->casts, name, scope);
}

std::vector<Registration const*> Registry::FindBinaryOperators(unsigned long code,
                                                               Scope scope) const {
  return Lookup(index_->binaryOperators, code, scope);
}

std::vector<Registration const*> Registry::FindUnaryOperators(unsigned long code,
                                                              Scope scope) const {
  return Lookup(index_->unaryOperators, code, scope);
}

std::vector<Registration const*> Registry::Caches() const {
  return index_->caches;
}

bool Registry::IsEvaluatorType(Name const& name) noexcept {
  return std::find(std::begin(kEvaluatorTypes), std::end(kEvaluatorTypes), name.text()) !=
         std::end(kEvaluatorTypes);
}

Registration const* Registry::FindType(Name const& name) const {
  auto it = index_->types.find(name);
  return it == index_->types.end() ? nullptr : it->second.front();
}

bool Registry::IsKnownType(Name const& name) const {
  if (IsEvaluatorType(name) || FindType(name) != nullptr) return true;
  auto items = SplitTupleTypeName(name.text());
  return !items.empty() && std::all_of(items.begin(), items.end(), [this](std::string_view item) {
    return IsKnownType(Name(item));
  });
}

int Registry::Distance(Name const& derived, Name const& base) const {
  if (derived == base) return 0;
  auto derivedItems = SplitTupleTypeName(derived.text());
  if (!derivedItems.empty()) {
    auto baseItems = SplitTupleTypeName(base.text());
    if (baseItems.size() != derivedItems.size()) return -1;
    // A tagged tuple is one step from the plain tuple of its items; tuples of
    // different tags are no kinds of each other, nor is a plain tuple of a tagged one.
    std::string_view const derivedTag = TupleTag(derived.text());
    std::string_view const baseTag = TupleTag(base.text());
    if (derivedTag != baseTag && !baseTag.empty()) return -1;
    int total = derivedTag == baseTag ? 0 : 1;
    for (std::size_t i = 0; i < baseItems.size(); ++i) {
      int const d = Distance(Name(derivedItems[i]), Name(baseItems[i]));
      if (d < 0) return -1;
      total += d;
    }
    return total;
  }
  // Each step follows a base; a chain longer than the number of types would be a
  // cycle.
  Name const* current = &derived;
  for (std::size_t steps = 1; steps <= index_->types.size() + 1; ++steps) {
    Registration const* r = FindType(*current);
    if (r == nullptr || r->baseType.empty()) return -1;
    if (r->baseType == base) return static_cast<int>(steps);
    current = &r->baseType;
  }
  return -1;
}

bool Registry::IsNameOrNamePrefix(Name const& words) const {
  return index_->names.contains(words.text()) || index_->prefixes.contains(words.text());
}

bool Registry::IsName(Name const& words) const {
  return index_->names.contains(words.text());
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
      text.append(" ").append(record.name.text());
      break;
  }
  return text;
}

}  // namespace evaluator
