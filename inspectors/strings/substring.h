// Substrings: a byte range of a string that remembers the string it was cut from,
// with the inspectors that cut them: the first or last n characters, single
// characters, the first, last and every occurrence of a text, and the text before
// and after a substring.
#pragma once

#include <cstdint>

#include "foundation/exceptions.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// `part` comes first, so that a substring is usable wherever a string is.
struct substring {
  inspector_string part;
  inspector_string whole;

  substring() noexcept = default;
  // The bytes `begin` (inclusive) to `end` (exclusive) of `whole`; requires
  // begin <= end <= whole.length.
  substring(inspector_string const& whole, std::uint32_t begin, std::uint32_t end) noexcept;

  // Offsets of the part within the whole.
  std::uint32_t Start() const noexcept {
    return static_cast<std::uint32_t>(part.bytes - whole.bytes);
  }
  std::uint32_t End() const noexcept { return Start() + part.length; }

  static char const* TypeName() noexcept { return "substring"; }
};

// The whole string, then the 4-byte start and the 4-byte length of the part.
Fingerprinter& operator<<(Fingerprinter& f, substring const& s);

// Appends the 4 bytes of an offset, least significant first.
void FingerprintOffset(Fingerprinter& f, std::uint32_t offset);

// The first or last n bytes; n beyond the length: NoSuchObject.
substring first_characters(std::uint64_t n, inspector_string const& s);
substring last_characters(std::uint64_t n, inspector_string const& s);

// The first or last occurrence of the text (bytes, length) in s; none:
// NoSuchObject. An empty text occurs at every offset.
substring first_match(unsigned char const* bytes, unsigned long length, inspector_string const& s);
substring last_match(unsigned char const* bytes, unsigned long length, inspector_string const& s);

// The whole string before the substring's start, and after its end.
substring preceding_text(substring const& s);
substring following_text(substring const& s);

// Byte n as a one-byte substring; n at or past the length: NoSuchObject.
substring character(std::uint64_t n, inspector_string const& s);

// The values At(n, s) at the offsets n of a string from 0, as long as At has a value
// and n does not pass the string's length.
template <auto At>
class offset_iterator {
 public:
  auto First(Of, inspector_string const& s) {
    offset_ = 0;
    return At(offset_, s);
  }
  auto Next(Of, inspector_string const& s) {
    if (offset_ >= s.length) throw NoSuchObject();
    return At(++offset_, s);
  }

 private:
  std::uint32_t offset_ = 0;
};

// Every byte of a string as a one-byte substring, from the first.
using character_iterator = offset_iterator<&character>;

// Every occurrence of a text, overlapping ones included: each search starts one
// byte after the start of the previous occurrence.
class substring_iterator {
 public:
  substring First(unsigned char const* bytes, unsigned long length, inspector_string const& s);
  substring Next(unsigned char const* bytes, unsigned long length, inspector_string const& s);

 private:
  substring At(unsigned char const* bytes, unsigned long length, inspector_string const& s,
               std::uint64_t from);

  std::uint32_t offset_ = 0;  // start of the last occurrence returned
};

}  // namespace inspectors
