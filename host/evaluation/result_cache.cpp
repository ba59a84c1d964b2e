#include "host/evaluation/result_cache.h"

namespace evaluator {

FingerprintDigest DigestOfString(inspector_string const& s) noexcept {
  XXH128_hash_t const hash = XXH3_128bits(s.bytes, s.length);
  return {hash.low64, hash.high64};
}

namespace {

// A long string as its length and the digest of its bytes, framed apart from a
// string appended whole.
void AppendLongString(Fingerprinter& f, inspector_string const& s, void const* data,
                      KnownDigests const* known) {
  FingerprintDigest digest;
  auto const it = known != nullptr ? known->find(data) : KnownDigests::const_iterator();
  if (known != nullptr && it != known->end()) {
    digest = it->second;
  } else {
    digest = DigestOfString(s);
  }
  f.AppendInteger(s.length);
  f.AppendBytes(&digest, sizeof digest);
}

}  // namespace

bool FingerprintValue(Fingerprinter& f, ValueType const& type, void const* data,
                      KnownDigests const* known) {
  if (!type.fingerprintable) return false;
  std::string const& name = type.name.text();
  f.AppendString(reinterpret_cast<unsigned char const*>(name.data()),
                 static_cast<std::uint32_t>(name.size()));
  if (type.fingerprint != nullptr) {
    type.fingerprint(f, data);
    return true;
  }
  switch (type.root) {
    case ValueType::Root::Integer:
      f << *static_cast<integer const*>(data);
      return true;
    case ValueType::Root::String: {
      auto const& s = *static_cast<inspector_string const*>(data);
      if (s.length >= kDigestedStringLength) {
        AppendLongString(f, s, data, known);
      } else {
        f << s;
      }
      return true;
    }
    case ValueType::Root::Boolean:
      Fingerprint_Byte_Range(f, data, static_cast<unsigned char const*>(data) + 1);
      return true;
    case ValueType::Root::Tuple: {
      // One walk along the chain of nodes: a tuple may have many items.
      auto const* node = static_cast<TupleNode const*>(data);
      for (ValueType const* item : type.items) {
        if (node == nullptr || !FingerprintValue(f, *item, node->item, known)) return false;
        node = node->next;
      }
      return true;
    }
    case ValueType::Root::Other:
      return false;
  }
  return false;
}

std::optional<ResultCache::Key> ResultCache::KeyFor(
    Registration const& r, std::initializer_list<ValueBox const*> arguments,
    KnownDigests const* known) {
  if (r.fingerprint == nullptr) return std::nullopt;
  // Decide before hashing anything: a long string is not worth hashing for a call
  // that another argument makes uncacheable.
  for (ValueBox const* argument : arguments) {
    if (argument != nullptr && !argument->type()->fingerprintable) return std::nullopt;
  }
  Fingerprinter f;
  for (ValueBox const* argument : arguments) {
    if (argument == nullptr) {
      f.AppendInteger(0);
      continue;
    }
    if (!FingerprintValue(f, *argument->type(), argument->data(), known)) return std::nullopt;
  }
  try {
    r.fingerprint(f);
  } catch (...) {
    return std::nullopt;
  }
  return Key{r.block, f.Digest()};
}

bool ResultCache::Find(Key const& key, ValueRef& value) {
  auto it = entries_.find(key);
  if (it == entries_.end()) return false;
  order_.splice(order_.begin(), order_, it->second);
  value = it->second->second;
  ++hits_;
  return true;
}

void ResultCache::Store(Key const& key, ValueRef value) {
  if (capacity_ == 0) return;
  if (auto it = entries_.find(key); it != entries_.end()) {
    it->second->second = std::move(value);
    order_.splice(order_.begin(), order_, it->second);
    return;
  }
  if (entries_.size() >= capacity_) {
    entries_.erase(order_.back().first);
    order_.pop_back();
  }
  order_.emplace_front(key, std::move(value));
  entries_.emplace(key, order_.begin());
}

}  // namespace evaluator
