// The inspector types "version" and "stage": version texts read into numbered
// fields (major, minor and bug revisions, a release stage and a build revision),
// compared numerically, and printed back. A text that does not read as numbers is
// kept whole, and two versions of which one is such a text compare as texts, digit
// runs by their numeric value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// Stage codes. Any other code is no stage.
inline constexpr std::uint8_t kStageNone = 0;
inline constexpr std::uint8_t kStageDevelopment = 32;  // "d"
inline constexpr std::uint8_t kStageAlpha = 64;        // "a"
inline constexpr std::uint8_t kStageBeta = 96;         // "b"
inline constexpr std::uint8_t kStageFinal = 128;       // "f"
inline constexpr std::uint8_t kStageRelease = 160;     // "." and a fourth dotted number

struct stage {
  std::uint8_t code = kStageNone;

  static char const* TypeName() noexcept { return "stage"; }
};

// A version read as numbers has an empty text; a textual version keeps its whole
// text and has every number 0. The default is 0.0 with an empty text.
struct inspector_version {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t bug = 0;
  std::uint8_t stage = kStageNone;
  std::uint16_t build = 0;
  std::string text;

  static char const* TypeName() noexcept { return "version"; }
};

// The platform's packed four-byte version: bits 24..31 the major revision in
// binary-coded decimal, 20..23 the minor, 16..19 the bug revision, 8..15 the stage
// code, 0..7 the build.
using NumVersion = std::uint32_t;
inspector_version VersionOfNumVersion(NumVersion packed) noexcept;
// The packing of a numeric version whose fields fit (major up to 99, minor and bug
// up to 15, build up to 255); 0 for any other version.
NumVersion PackedVersion(inspector_version const& v) noexcept;

// The version a whole text gives; never fails (see the header comment).
inspector_version TextToVersion(ConstData text);

// Negative, 0 or positive. Numeric versions compare field by field, a stage of 0
// or "f" without a build counting as released, so that 1.2, 1.2f and 1.2.0.0 are
// equal; with a textual version on either side the printed texts are compared by
// LinuxCompareVersions.
std::int16_t CompareVersions(inspector_version const& a, inspector_version const& b);

// Byte texts compared by their first difference, except that a difference inside a
// run of digits ranks the longer run higher and, after a run of zeros or none, a
// '0' lower: 1.10 > 1.9, 01 < 1, 1.001 < 1.01, 1a < 1b. The end of a text compares
// as a zero byte; of two texts equal so far, the longer is greater.
int LinuxCompareVersions(std::string_view a, std::string_view b) noexcept;
int LinuxCompareVersions(char const* a, char const* b) noexcept;

// "2.1b3", "1.0.2f1", "7.0.1.1234"; a textual version prints its text.
std::string VersionToString(inspector_version const& v);
// "d", "a", "b", "f", "." or "".
char const* StageName(std::uint8_t code) noexcept;

// The inspectors.
Fingerprinter& operator<<(Fingerprinter& f, inspector_version const& v);
boolean operator==(inspector_version const& a, inspector_version const& b);
boolean operator<(inspector_version const& a, inspector_version const& b);
boolean operator<=(inspector_version const& a, inspector_version const& b);
boolean operator==(inspector_version const& a, inspector_string const& b);
boolean operator<(inspector_version const& a, inspector_string const& b);
boolean operator<=(inspector_version const& a, inspector_string const& b);
boolean operator==(inspector_string const& a, inspector_version const& b);
boolean operator<(inspector_string const& a, inspector_version const& b);
boolean operator<=(inspector_string const& a, inspector_version const& b);
boolean operator==(stage const& a, stage const& b);

inspector_version version_of(inspector_string const& text);
inspector_version AsVersion(inspector_string const& text);
inspector_string AsString(inspector_version const& v);
integer major_rev_of(Of, inspector_version const& v);
integer minor_rev_of(Of, inspector_version const& v);
integer bug_rev_of(Of, inspector_version const& v);
stage stage_of(Of, inspector_version const& v);
integer build_rev_of(Of, inspector_version const& v);

// "" and "f" are 128, "a" 64, "b" 96, "d" 32, exactly; any other text is code 0.
stage stage_of(inspector_string const& text);
inspector_string AsString(stage const& s);

}  // namespace inspectors
