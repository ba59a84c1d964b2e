#include "inspectors/numbers/numeric_value.h"

#include <cstdint>
#include <limits>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"

namespace inspectors {

integer NumericValue(Of, inspector_string const& text) {
  ByteSet const& digits = Ascii::Numeric();
  unsigned char const* p = text.bytes;
  unsigned char const* const end = text.bytes + text.length;
  while (p != end && !digits.Contains(*p)) ++p;
  if (p == end) throw NoSuchObject();
  std::int64_t value = 0;
  for (; p != end && digits.Contains(*p); ++p) {
    if (!CanMultiply<std::int64_t>(value, 10) || !CanAdd<std::int64_t>(value * 10, *p - '0')) {
      throw NoSuchObject();
    }
    value = value * 10 + (*p - '0');
  }
  return integer(value);
}

namespace {

Prop const numericValue("numeric value", "numeric values", &NumericValue, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
