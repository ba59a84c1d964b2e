// The version reader, printer and comparisons, called directly.
//
// Whatever the input, the reader answers a version and never fails. A numeric
// version prints to a text that reads back to an equal version and prints the same
// again; a textual one keeps the whole input and has every number 0. Comparison is
// antisymmetric, for versions (the input split in two at its first NUL byte, or
// halved) and for the version-aware text comparison, and a version that packs into
// the four-byte form unpacks to the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "inspectors/system/version.h"

namespace {

using inspectors::inspector_version;

[[noreturn]] void Fail(char const* what, std::string const& text) {
  std::fprintf(stderr, "version_text_fuzz: %s\n  text \"%s\"\n", what, text.c_str());
  std::abort();
}

int Sign(int n) {
  return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

bool SameFields(inspector_version const& a, inspector_version const& b) {
  return a.major == b.major && a.minor == b.minor && a.bug == b.bug && a.stage == b.stage &&
         a.build == b.build && a.text == b.text;
}

void CheckOne(std::string const& text) {
  inspector_version const v = inspectors::TextToVersion(inspectors::ConstData(text));
  if (!v.text.empty()) {
    if (v.text != text) Fail("a textual version does not keep its text", text);
    if (v.major != 0 || v.minor != 0 || v.bug != 0 || v.stage != 0 || v.build != 0) {
      Fail("a textual version has a number", text);
    }
    return;
  }
  std::string const printed = inspectors::VersionToString(v);
  if (printed.size() > 23) Fail("a numeric version prints longer than 23 bytes", text);
  inspector_version const again = inspectors::TextToVersion(inspectors::ConstData(printed));
  if (!again.text.empty() || inspectors::CompareVersions(v, again) != 0) {
    Fail("the printed text does not read back to an equal version", text);
  }
  if (inspectors::VersionToString(again) != printed) Fail("printing is not stable", text);
  if (inspectors::NumVersion const packed = inspectors::PackedVersion(v); packed != 0) {
    if (!SameFields(inspectors::VersionOfNumVersion(packed), v)) {
      Fail("the packed form does not unpack to the same fields", text);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  CheckOne(input);

  std::size_t const split = input.find('\0') != std::string::npos ? input.find('\0') : size / 2;
  std::string const first = input.substr(0, split);
  std::string const second = input.substr(split < size && input[split] == '\0' ? split + 1 : split);
  CheckOne(first);
  CheckOne(second);
  inspector_version const a = inspectors::TextToVersion(inspectors::ConstData(first));
  inspector_version const b = inspectors::TextToVersion(inspectors::ConstData(second));
  if (inspectors::CompareVersions(a, b) != -inspectors::CompareVersions(b, a)) {
    Fail("version comparison is not antisymmetric", input);
  }
  if (inspectors::CompareVersions(a, a) != 0) Fail("a version differs from itself", input);
  int const ab = inspectors::LinuxCompareVersions(std::string_view(first), std::string_view(second));
  int const ba = inspectors::LinuxCompareVersions(std::string_view(second), std::string_view(first));
  if (Sign(ab) != -Sign(ba) || (ab == 0) != (first == second)) {
    Fail("the text comparison is not antisymmetric, or equal for different texts", input);
  }
  return 0;
}
