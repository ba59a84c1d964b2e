// The evaluator's catalog: every type, property, cast, operator and cache that a
// loaded library has registered, and the evaluator's own operations on integers,
// strings and booleans, indexed for lookup by name and operator code.
//
// The contract's Register_* entry points (framework/contract/evaluator.h) add the
// library's records to the process-wide registry; the matching Unregister_* calls
// remove exactly the record of that block. The registry is process-wide because a
// library's static registration objects register while it is being loaded, before
// any caller could hand them a registry of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/contract/evaluator.h"
#include "host/catalog/names.h"

namespace evaluator {

enum class Kind : std::uint8_t {
  Type,
  Property,
  IteratedProperty,
  AggregateProperty,
  Cast,
  BinaryOperator,
  UnaryOperator,
  Cache,
};

char const* KindName(Kind kind) noexcept;  // "type", "property", "iterated property", ...

// Plain, iterated and aggregate properties: what a phrase names.
constexpr bool IsPropertyKind(Kind kind) noexcept {
  return kind == Kind::Property || kind == Kind::IteratedProperty ||
         kind == Kind::AggregateProperty;
}

// Who made a record. For the same phrase and operand types, a registration of the
// library takes precedence over one of the evaluator's own.
enum class Origin : std::uint8_t { Library, Evaluator };

// One registration. Only the fields of the record's kind are set; an empty Name
// means none.
struct Registration {
  Kind kind = Kind::Type;
  Origin origin = Origin::Library;
  void const* block = nullptr;
  std::uint64_t sequence = 0;  // registration order, increasing

  // Types.
  Name name;  // type name; or the property / cast name
  std::size_t valueSize = 0;
  TypeDestroyCallback destroyValue = nullptr;
  Name baseType;  // none when the type has no base
  TypeFingerprintCallback fingerprintValue = nullptr;

  // Properties, casts and operators.
  Name plural;
  Name parameterType;
  Name objectType;  // direct object; the source of a cast; the left or only operand
  Name rightType;   // right operand of a binary operator
  Name resultType;
  unsigned long operatorCode = 0;
  PropertyGetter getter = nullptr;  // plain properties
  CastCallback cast = nullptr;
  BinaryOperatorCallback binary = nullptr;
  UnaryOperatorCallback unary = nullptr;

  // Iterated and aggregate properties.
  std::size_t stateSize = 0;
  StateConstructCallback constructState = nullptr;
  StateDestroyCallback destroyState = nullptr;
  PropertyGetter firstInitial = nullptr;  // aggregates only
  PropertyGetter nextInitial = nullptr;   // aggregates only
  PropertyGetter first = nullptr;
  PropertyGetter next = nullptr;
  PropertyGetter firstFinal = nullptr;  // aggregates only
  PropertyGetter nextFinal = nullptr;   // aggregates only

  // Caches.
  CacheClearCallback clear = nullptr;

  void const* context = nullptr;
  FingerprintFunction fingerprint = nullptr;  // null: the result depends on machine state
};

// Which records a lookup returns.
enum class Scope : std::uint8_t {
  Library,     // what loaded libraries registered
  Everything,  // those, then the evaluator's own: what a query is resolved against
};

class Registry {
 public:
  // The process-wide registry that the entry points feed.
  static Registry& Global();

  // A registry that holds the evaluator's own operations.
  Registry();
  ~Registry();
  Registry(Registry const&) = delete;
  Registry& operator=(Registry const&) = delete;

  // Adds a record; its block must not be registered already (that throws
  // std::logic_error). Assigns the sequence number.
  void Add(Registration record);
  // Removes the record of `block` if it is of one of the given kinds, and returns
  // whether there was one.
  bool Remove(void const* block, std::initializer_list<Kind> kinds);

  // From DeferUnlinking() to FinishUnlinking(), what Remove removes leaves the lookups
  // all at once, at FinishUnlinking(), instead of one record at a time: for unloading a
  // library, whose static destructors remove every one of its records. Meanwhile a
  // removed record is gone from FindBlock but still counted by All and Size, and no
  // query may run.
  void DeferUnlinking() noexcept;
  void FinishUnlinking();

  // Every record, in registration order (the evaluator's own, made with the
  // registry, come first).
  std::vector<Registration const*> All() const;
  std::size_t Size() const noexcept;
  // The sequence number that the next Add will assign: records added between two
  // readings have sequence numbers in [first reading, second reading).
  std::uint64_t NextSequence() const noexcept;
  // How many records were removed so far. A pointer to a record stays valid while
  // the count stays the same: what was resolved against the registry can tell that
  // it may refer to a withdrawn registration.
  std::uint64_t Withdrawals() const noexcept;
  // The record of `block`, or null.
  Registration const* FindBlock(void const* block) const;

  // Lookups by name (in any case and spacing) or operator code. Each returns its
  // records in order of precedence: the library's in registration order, then, for
  // Scope::Everything, the evaluator's own.
  // Properties (plain, iterated and aggregate) whose name or plural is `name`.
  std::vector<Registration const*> FindProperties(Name const& name,
                                                  Scope scope = Scope::Library) const;
  std::vector<Registration const*> FindCasts(Name const& name, Scope scope = Scope::Library) const;
  std::vector<Registration const*> FindBinaryOperators(unsigned long code,
                                                       Scope scope = Scope::Library) const;
  std::vector<Registration const*> FindUnaryOperators(unsigned long code,
                                                      Scope scope = Scope::Library) const;
  std::vector<Registration const*> FindProperties(std::string_view name,
                                                  Scope scope = Scope::Library) const {
    return FindProperties(Name(name), scope);
  }
  std::vector<Registration const*> FindCasts(std::string_view name,
                                             Scope scope = Scope::Library) const {
    return FindCasts(Name(name), scope);
  }
  // Cache-clear registrations.
  std::vector<Registration const*> Caches() const;

  // Types. The evaluator's own "integer", "string" and "boolean" have no record.
  static bool IsEvaluatorType(Name const& name) noexcept;
  // The record of a registered type (the library's first, then the evaluator's own
  // derived types), or null.
  Registration const* FindType(Name const& name) const;
  Registration const* FindType(std::string_view name) const { return FindType(Name(name)); }
  // Whether the name is one of the evaluator's types, a registered type, or a tuple
  // of known types.
  bool IsKnownType(Name const& name) const;
  // How many steps `derived` is from `base` along its chain of bases (0 for the same
  // type; a tuple adds up the distances of its items); -1 when `derived` is not a
  // kind of `base`.
  int Distance(Name const& derived, Name const& base) const;
  bool IsA(Name const& derived, Name const& base) const { return Distance(derived, base) >= 0; }
  bool IsA(std::string_view derived, std::string_view base) const {
    return IsA(Name(derived), Name(base));
  }

  // Whether some property, cast or type name (or plural) is `words`, or begins with
  // `words` followed by a space: what the parser needs to find the longest name.
  bool IsNameOrNamePrefix(Name const& words) const;
  bool IsName(Name const& words) const;

  // Called with each record just before Remove takes it out; for checking the
  // order in which a library withdraws its registrations. Null for none.
  using WithdrawalObserver = std::function<void(Registration const&)>;
  void SetWithdrawalObserver(WithdrawalObserver observer);

 private:
  struct Index;
  std::unique_ptr<Index> index_;
  WithdrawalObserver withdrawalObserver_;
};

// "kind name" of a record ("property name of", "binary operator 3", "cache"), for
// messages about registrations.
std::string Describe(Registration const& record);

}  // namespace evaluator
