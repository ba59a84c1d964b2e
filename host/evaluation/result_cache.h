// The result cache of one query run: results of plain properties, casts and
// operators, keyed by (registration, fingerprints of the arguments, the output of
// the registration's fingerprint function), least recently used out first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <list>
#include <optional>
#include <unordered_map>

#include "host/catalog/registry.h"
#include "host/contract/fingerprinter.h"
#include "host/evaluation/values.h"

namespace evaluator {

// Strings at least this long are fingerprinted by a digest of their bytes, so that a
// value that every run passes (a literal computed while preparing) has its digest
// computed once.
inline constexpr std::uint32_t kDigestedStringLength = 4096;

// Digests of long strings, by the address of the value (the inspector_string).
using KnownDigests = std::unordered_map<void const*, FingerprintDigest>;

// The digest by which a long string is fingerprinted.
FingerprintDigest DigestOfString(inspector_string const& s) noexcept;

class ResultCache {
 public:
  static constexpr std::size_t kDefaultCapacity = 4096;

  struct Key {
    void const* registration = nullptr;
    FingerprintDigest digest;
    friend bool operator==(Key const&, Key const&) = default;
  };

  explicit ResultCache(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

  // The key of a call of `r` with these arguments (nulls are skipped); none when the
  // registration has no fingerprint function or an argument cannot be fingerprinted.
  // The digests of long strings are taken from `known` when it has them.
  static std::optional<Key> KeyFor(Registration const& r,
                                   std::initializer_list<ValueBox const*> arguments,
                                   KnownDigests const* known = nullptr);

  // What the run has learnt of the calls of one node of the tree.
  struct Site {
    std::uint32_t lookups = 0;  // lookups by key, and how many of them found the call
    std::uint32_t hits = 0;
    bool known = false;  // the node's one call is the same all run long: `value` is its outcome
    ValueRef value;
  };
  Site& SiteOf(void const* node) { return sites_[node]; }
  Site const* FindSite(void const* node) const {
    auto const it = sites_.find(node);
    return it == sites_.end() ? nullptr : &it->second;
  }

  // A site whose first calls were all different (each element of a `whose`, say) is
  // no longer looked up: hashing its operands would cost as much as calling again.
  static constexpr std::uint32_t kTrialLookups = 64;
  static bool WorthLookingUp(Site const& site) noexcept {
    return site.hits != 0 || site.lookups < kTrialLookups;
  }

  // Whether the call is cached; `value` is then its result, null for "no value".
  bool Find(Key const& key, ValueRef& value);
  void Store(Key const& key, ValueRef value);

  std::size_t size() const noexcept { return entries_.size(); }
  std::size_t hits() const noexcept { return hits_; }

 private:
  struct KeyHash {
    std::size_t operator()(Key const& k) const noexcept {
      return std::hash<FingerprintDigest>{}(k.digest) ^ std::hash<void const*>{}(k.registration);
    }
  };
  using Order = std::list<std::pair<Key, ValueRef>>;

  std::size_t capacity_;
  std::size_t hits_ = 0;
  Order order_;  // most recently used first
  std::unordered_map<Key, Order::iterator, KeyHash> entries_;
  std::unordered_map<void const*, Site> sites_;  // one per node that was called
};

// Appends a value's fingerprint; false when its type cannot be fingerprinted.
bool FingerprintValue(Fingerprinter& f, ValueType const& type, void const* data,
                      KnownDigests const* known = nullptr);

}  // namespace evaluator
