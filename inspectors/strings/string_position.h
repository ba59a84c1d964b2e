// String positions: a byte offset that remembers the string it indexes, so that
// the text before and after it can be asked for. The start and end of a substring
// are positions in the string the substring was cut from.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/strings/substring.h"

namespace inspectors {

// `position` comes first, so that a string position is usable wherever an
// integer is. It is always from 0 to the length of `text`.
struct string_position {
  integer position;
  inspector_string text;

  std::uint32_t Position() const noexcept { return static_cast<std::uint32_t>(position.get()); }

  static char const* TypeName() noexcept { return "string position"; }
};

// The string, then the 4-byte offset.
Fingerprinter& operator<<(Fingerprinter& f, string_position const& p);

// Offset n of s; n may equal the length (the end position). Beyond: NoSuchObject.
string_position position(std::uint64_t n, inspector_string const& s);

// The positions of a substring's start and end in the string it was cut from.
string_position start(substring const& s);
string_position end(substring const& s);

// The text from the beginning up to the position, and from the position to the end.
substring preceding_text(string_position const& p);
substring following_text(string_position const& p);

// Every position of a string, 0 to its length.
using string_position_iterator = offset_iterator<&position>;

}  // namespace inspectors
