#include "host/contract/fingerprinter.h"

namespace {

enum Tag : unsigned char { kBytesTag = 'b', kIntegerTag = 'i', kStringTag = 's' };

}  // namespace

Fingerprinter::Fingerprinter() noexcept {
  Reset();
}

void Fingerprinter::Reset() noexcept {
  XXH3_128bits_reset(&state_);
}

void Fingerprinter::Raw(void const* data, std::size_t size) noexcept {
  if (size > 0) XXH3_128bits_update(&state_, data, size);
}

void Fingerprinter::AppendBytes(void const* data, std::size_t size) noexcept {
  unsigned char const tag = kBytesTag;
  std::uint64_t const length = size;
  Raw(&tag, 1);
  Raw(&length, sizeof length);
  Raw(data, size);
}

void Fingerprinter::AppendInteger(std::int64_t value) noexcept {
  unsigned char const tag = kIntegerTag;
  Raw(&tag, 1);
  Raw(&value, sizeof value);
}

void Fingerprinter::AppendString(unsigned char const* bytes, std::uint32_t length) noexcept {
  unsigned char const tag = kStringTag;
  Raw(&tag, 1);
  Raw(&length, sizeof length);
  Raw(bytes, length);
}

evaluator::FingerprintDigest Fingerprinter::Digest() const noexcept {
  XXH128_hash_t const hash = XXH3_128bits_digest(&state_);
  return {hash.low64, hash.high64};
}

void Fingerprint_Byte_Range(Fingerprinter& f, void const* begin, void const* end) {
  auto const* first = static_cast<unsigned char const*>(begin);
  auto const* last = static_cast<unsigned char const*>(end);
  f.AppendBytes(first,
                first != nullptr && last > first ? static_cast<std::size_t>(last - first) : 0);
}

Fingerprinter& operator<<(Fingerprinter& f, integer const& value) {
  f.AppendInteger(value.get());
  return f;
}

Fingerprinter& operator<<(Fingerprinter& f, inspector_string const& value) {
  f.AppendString(value.bytes, value.length);
  return f;
}
