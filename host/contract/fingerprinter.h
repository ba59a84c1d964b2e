// The evaluator's fingerprint accumulator: a 128-bit XXH3 hash of everything that a
// result depends on, used as (part of) the key of the result cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#define XXH_STATIC_LINKING_ONLY
#include <xxhash.h>

#include "framework/contract/evaluator.h"

namespace evaluator {

// A finished fingerprint.
struct FingerprintDigest {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  friend bool operator==(FingerprintDigest const&, FingerprintDigest const&) = default;
};

}  // namespace evaluator

template <>
struct std::hash<evaluator::FingerprintDigest> {
  std::size_t operator()(evaluator::FingerprintDigest const& d) const noexcept {
    return static_cast<std::size_t>(d.low ^ (d.high * 0x9e3779b97f4a7c15ULL));
  }
};

// Declared in framework/contract/evaluator.h; the library only appends to it. Every append
// is framed (a kind tag, and a length where the size varies) so that different
// sequences of appends do not produce the same stream of bytes.
class Fingerprinter {
 public:
  Fingerprinter() noexcept;
  Fingerprinter(Fingerprinter const&) = delete;
  Fingerprinter& operator=(Fingerprinter const&) = delete;

  // Starts over, as if newly constructed.
  void Reset() noexcept;

  void AppendBytes(void const* data, std::size_t size) noexcept;
  void AppendInteger(std::int64_t value) noexcept;
  void AppendString(unsigned char const* bytes, std::uint32_t length) noexcept;

  // The digest of everything appended so far; appending may continue afterwards.
  evaluator::FingerprintDigest Digest() const noexcept;

 private:
  void Raw(void const* data, std::size_t size) noexcept;

  XXH3_state_t state_;
};
