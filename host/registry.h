// The evaluator's registry: every type, property, cast, operator and cache that a
// loaded library has registered, indexed for lookup by name and operand types.
//
// Registration entry points (framework/contract/evaluator.h) add records here; the matching
// Unregister_* calls remove exactly the record of that block. The registry is
// process-wide because a library's static registration objects register while it is
// being loaded, before any caller could hand them a registry of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/contract/evaluator.h"

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

// One registration. Names are copied; "" means none. Only the fields of the
// record's kind are set.
struct Registration {
  Kind kind = Kind::Type;
  void const* block = nullptr;
  std::uint64_t sequence = 0;  // registration order, increasing

  // Types.
  std::string name;  // type name; or the property / cast name
  std::size_t valueSize = 0;
  TypeDestroyCallback destroyValue = nullptr;
  std::string baseType;  // "" when the type has no base
  TypeFingerprintCallback fingerprintValue = nullptr;

  // Properties, casts and operators.
  std::string plural;
  std::string parameterType;
  std::string objectType;  // direct object; the source of a cast; the left or only operand
  std::string rightType;   // right operand of a binary operator
  std::string resultType;
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

class Registry {
 public:
  // The process-wide registry that the entry points feed.
  static Registry& Global();

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

  // Every record, in registration order.
  std::vector<Registration const*> All() const;
  std::size_t Size() const noexcept;
  // The sequence number that the next Add will assign: records added between two
  // readings have sequence numbers in [first reading, second reading).
  std::uint64_t NextSequence() const noexcept;
  // The record of `block`, or null.
  Registration const* FindBlock(void const* block) const;

  // The evaluator's own types: "integer", "string" and "boolean".
  static bool IsBuiltinType(std::string_view name) noexcept;
  // A registered type (not a built-in one), or null.
  Registration const* FindType(std::string_view name) const;
  // Whether the name is a built-in type, a registered type, or a tuple type name.
  bool IsKnownType(std::string_view name) const;
  // The base of a type, "" when it has none.
  std::string_view BaseOf(std::string_view type) const;
  // Whether `derived` is `base` or reaches it through its chain of bases.
  bool IsA(std::string_view derived, std::string_view base) const;

  // Properties (plain, iterated and aggregate) whose name or plural equals `name`,
  // ignoring ASCII case, in registration order.
  std::vector<Registration const*> FindProperties(std::string_view name) const;
  // Casts registered under `name` (ignoring ASCII case).
  std::vector<Registration const*> FindCasts(std::string_view name) const;
  // Binary or unary operators with the code.
  std::vector<Registration const*> FindBinaryOperators(unsigned long code) const;
  std::vector<Registration const*> FindUnaryOperators(unsigned long code) const;
  // Cache-clear registrations.
  std::vector<Registration const*> Caches() const;

  // Whether some property, cast or type name (or plural) equals `words` (lower
  // case, single spaces) or begins with `words` followed by a space: what the
  // parser needs to find the longest registered name.
  bool IsNameOrNamePrefix(std::string_view words) const;
  bool IsName(std::string_view words) const;

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
