#include "inspectors/strings/string_trimming.h"

#include <cstdint>

#include "foundation/ascii.h"
#include "framework/inspector.h"

namespace inspectors {

inspector_string LeftTrimmedString(inspector_string const& s) {
  ByteSet const& white = Ascii::WhiteSpace();
  std::uint32_t skipped = 0;
  while (skipped < s.length && white.Contains(s.bytes[skipped])) ++skipped;
  return inspector_string{s.bytes + skipped, s.length - skipped};
}

inspector_string RightTrimmedString(inspector_string const& s) {
  ByteSet const& white = Ascii::WhiteSpace();
  std::uint32_t length = s.length;
  while (length > 0 && white.Contains(s.bytes[length - 1])) --length;
  return inspector_string{s.bytes, length};
}

inspector_string TrimmedString(inspector_string const& s) {
  return RightTrimmedString(LeftTrimmedString(s));
}

namespace {

Cast<inspector_string, inspector_string> const leftTrimmed("left trimmed string",
                                                           &LeftTrimmedString,
                                                           kDependsOnlyOnParameters);
Cast<inspector_string, inspector_string> const rightTrimmed("right trimmed string",
                                                            &RightTrimmedString,
                                                            kDependsOnlyOnParameters);
Cast<inspector_string, inspector_string> const trimmed("trimmed string", &TrimmedString,
                                                       kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
