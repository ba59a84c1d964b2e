// The parts of HTML markup that the HTML inspectors take from the caller unescaped:
// tag names, attribute names and attribute texts. Each is checked so that it cannot
// end the tag it is written into or start markup of its own.
#pragma once

#include "foundation/const_data.h"

namespace inspectors {

// An ASCII letter followed by letters, digits, '-', '_', ':' or '.'.
bool IsTagName(ConstData text) noexcept;

// One or more bytes, none of them whitespace, NUL, '"', '\'', '<', '>', '/' or '='.
bool IsAttributeName(ConstData text) noexcept;

enum class AttributeTextKind {
  kInvalid,
  kValid,
  // Valid, but the last attribute's value is unquoted: a '/' written right after it
  // would become part of the value.
  kValidEndingInUnquotedValue,
};

// Attribute text as written inside a start tag: whitespace-separated attributes,
// each a name, optionally followed by '=' and a value that is double-quoted,
// single-quoted or unquoted (no whitespace, quotes, '=', '<', '>' or '`'). Quoted
// values may hold any byte but their quote. The empty text is valid.
AttributeTextKind ClassifyAttributeText(ConstData text) noexcept;

}  // namespace inspectors
