// Byte-exact comparisons of the evaluator's strings.
#include <string.h>

#include <cstring>

#include "framework/contract/evaluator.h"

boolean StartsWith(inspector_string const& text, inspector_string const& prefix) {
  if (prefix.length == 0) return true;
  if (prefix.length > text.length) return false;
  return std::memcmp(text.bytes, prefix.bytes, prefix.length) == 0;
}

boolean Contains(inspector_string const& text, inspector_string const& part) {
  if (part.length == 0) return true;
  if (part.length > text.length) return false;
  return ::memmem(text.bytes, text.length, part.bytes, part.length) != nullptr;
}
