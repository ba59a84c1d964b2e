#include "inspectors/system/version.h"

#include <cstring>

#include "foundation/ascii.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/token_table.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

// Stages of a numeric comparison: no stage and "f" without a build are released.
unsigned RankedStage(inspector_version const& v) noexcept {
  if (v.build == 0 && (v.stage == kStageNone || v.stage == kStageFinal)) return kStageRelease;
  return v.stage;
}

template <class T>
int Order(T a, T b) noexcept {
  return a < b ? -1 : (b < a ? 1 : 0);
}

bool IsDigit(unsigned c) noexcept {
  return c < 256 && Ascii::Numeric().Contains(static_cast<byte>(c));
}

std::size_t DigitsFrom(std::string_view text, std::size_t i) noexcept {
  std::size_t n = 0;
  while (i + n < text.size() && IsDigit(static_cast<unsigned char>(text[i + n]))) ++n;
  return n;
}

constexpr TokenTableAssociation<std::uint8_t> kStagesByName[] = {
    {"", kStageFinal},       {"a", kStageAlpha}, {"b", kStageBeta},
    {"d", kStageDevelopment}, {"f", kStageFinal}, {nullptr, kStageNone}};

TokenTable<std::uint8_t> const& StagesByName() {
  static TokenTable<std::uint8_t> const table(kStagesByName);
  return table;
}

}  // namespace

inspector_version VersionOfNumVersion(NumVersion packed) noexcept {
  inspector_version v;
  unsigned const bcd = packed >> 24;
  v.major = static_cast<std::uint16_t>((bcd >> 4) * 10 + (bcd & 0xf));
  v.minor = static_cast<std::uint16_t>((packed >> 20) & 0xf);
  v.bug = static_cast<std::uint16_t>((packed >> 16) & 0xf);
  v.stage = static_cast<std::uint8_t>((packed >> 8) & 0xff);
  v.build = static_cast<std::uint16_t>(packed & 0xff);
  return v;
}

NumVersion PackedVersion(inspector_version const& v) noexcept {
  if (!v.text.empty() || v.major > 99 || v.minor > 15 || v.bug > 15 || v.build > 255) return 0;
  NumVersion const bcd = static_cast<NumVersion>((v.major / 10) << 4 | (v.major % 10));
  return bcd << 24 | static_cast<NumVersion>(v.minor) << 20 | static_cast<NumVersion>(v.bug) << 16 |
         static_cast<NumVersion>(v.stage) << 8 | v.build;
}

int LinuxCompareVersions(std::string_view a, std::string_view b) noexcept {
  if (a.data() == b.data() && a.size() == b.size()) return 0;
  std::size_t i = 0;
  bool inDigits = false;
  bool zerosOnly = true;  // the trailing run of digits is empty or all '0'
  for (; i < a.size() && i < b.size() && a[i] == b[i]; ++i) {
    unsigned char const c = static_cast<unsigned char>(a[i]);
    if (IsDigit(c)) {
      if (!inDigits) zerosOnly = true;
      inDigits = true;
      if (c != '0') zerosOnly = false;
    } else {
      inDigits = false;
      zerosOnly = true;
    }
  }
  if (i == a.size() && i == b.size()) return 0;
  unsigned const c1 = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
  unsigned const c2 = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
  if (!(IsDigit(c1) && IsDigit(c2)) && !inDigits) {
    // A zero byte inside a text against the end of the other: the longer is greater.
    if (c1 == c2) return a.size() < b.size() ? -1 : 1;
    return static_cast<int>(c1) - static_cast<int>(c2);
  }
  if (zerosOnly) {
    if (c1 == '0') return -1;
    if (c2 == '0') return 1;
  }
  std::size_t const run1 = DigitsFrom(a, i);
  std::size_t const run2 = DigitsFrom(b, i);
  if (run1 != run2) return run1 < run2 ? -1 : 1;
  if (c1 == c2) return a.size() < b.size() ? -1 : 1;
  return static_cast<int>(c1) - static_cast<int>(c2);
}

int LinuxCompareVersions(char const* a, char const* b) noexcept {
  if (a == b) return 0;
  return LinuxCompareVersions(std::string_view(a), std::string_view(b));
}

std::int16_t CompareVersions(inspector_version const& a, inspector_version const& b) {
  if (a.text.empty() && b.text.empty()) {
    int order = Order(a.major, b.major);
    if (order == 0) order = Order(a.minor, b.minor);
    if (order == 0) order = Order(a.bug, b.bug);
    if (order == 0) order = Order(RankedStage(a), RankedStage(b));
    if (order == 0) order = Order(a.build, b.build);
    return static_cast<std::int16_t>(order);
  }
  int const order = LinuxCompareVersions(VersionToString(a), VersionToString(b));
  return static_cast<std::int16_t>(order < 0 ? -1 : (order > 0 ? 1 : 0));
}

char const* StageName(std::uint8_t code) noexcept {
  switch (code) {
    case kStageDevelopment: return "d";
    case kStageAlpha: return "a";
    case kStageBeta: return "b";
    case kStageFinal: return "f";
    case kStageRelease: return ".";
    default: return "";
  }
}

std::string VersionToString(inspector_version const& v) {
  if (!v.text.empty()) return v.text;
  std::string out = std::to_string(v.major) + '.' + std::to_string(v.minor);
  // A fourth dotted number needs the third before it, even when that is 0: 1.2.0.1
  // must not print as 1.2.1, another version.
  if (v.bug != 0 || v.stage == kStageRelease) out += '.' + std::to_string(v.bug);
  if (v.build == 0 && (v.stage == kStageFinal || v.stage == kStageNone)) return out;
  if (v.stage == kStageNone) return out + '.' + std::to_string(v.build);
  out += StageName(v.stage);
  if (v.build != 0 || v.stage == kStageRelease) out += std::to_string(v.build);
  return out;
}

// Every field and the text, so that no two different values share a fingerprint.
Fingerprinter& operator<<(Fingerprinter& f, inspector_version const& v) {
  f << integer(v.major) << integer(v.minor) << integer(v.bug) << integer(v.stage)
    << integer(v.build);
  Fingerprint_Byte_Range(f, v.text.data(), v.text.data() + v.text.size());
  return f << integer(static_cast<std::int64_t>(v.text.size()));
}

boolean operator==(inspector_version const& a, inspector_version const& b) {
  return CompareVersions(a, b) == 0;
}
boolean operator<(inspector_version const& a, inspector_version const& b) {
  return CompareVersions(a, b) < 0;
}
boolean operator<=(inspector_version const& a, inspector_version const& b) {
  return CompareVersions(a, b) <= 0;
}
boolean operator==(inspector_version const& a, inspector_string const& b) {
  return a == AsVersion(b);
}
boolean operator<(inspector_version const& a, inspector_string const& b) {
  return a < AsVersion(b);
}
boolean operator<=(inspector_version const& a, inspector_string const& b) {
  return a <= AsVersion(b);
}
boolean operator==(inspector_string const& a, inspector_version const& b) {
  return AsVersion(a) == b;
}
boolean operator<(inspector_string const& a, inspector_version const& b) {
  return AsVersion(a) < b;
}
boolean operator<=(inspector_string const& a, inspector_version const& b) {
  return AsVersion(a) <= b;
}
boolean operator==(stage const& a, stage const& b) {
  return a.code == b.code;
}

inspector_version version_of(inspector_string const& text) {
  return TextToVersion(AsConstData(text));
}
inspector_version AsVersion(inspector_string const& text) {
  return TextToVersion(AsConstData(text));
}
inspector_string AsString(inspector_version const& v) {
  return CopyToInspectorString(std::string_view(VersionToString(v)));
}
integer major_rev_of(Of, inspector_version const& v) {
  return v.major;
}
integer minor_rev_of(Of, inspector_version const& v) {
  return v.minor;
}
integer bug_rev_of(Of, inspector_version const& v) {
  return v.bug;
}
stage stage_of(Of, inspector_version const& v) {
  return stage{v.stage};
}
integer build_rev_of(Of, inspector_version const& v) {
  return v.build;
}

stage stage_of(inspector_string const& text) {
  return stage{StagesByName()[AsConstData(text)]};
}
inspector_string AsString(stage const& s) {
  return CopyToInspectorString(std::string_view(StageName(s.code)));
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
using Text = inspector_string;

// The stage unit.
Type<stage, kNotFingerprinted> const stageType;
Prop const stageOfText("stage", "stages", static_cast<stage (*)(Text const&)>(&stage_of),
                       kDependsOnMachineState);
Cast<stage, Text> const stageToString("string", static_cast<Text (*)(stage const&)>(&AsString),
                                      kPure);
RelationEqual<stage, stage> const stageEqual(kDependsOnMachineState);

// The version type unit.
Type<inspector_version, kFingerprinted> const versionType;
ComparableInspectorRegistration<inspector_version> const comparable(kPure);
RelationEqual<inspector_version, Text> const equalText(kPure);
RelationLess<inspector_version, Text> const lessThanText(kPure);
RelationLessOrEqual<inspector_version, Text> const atMostText(kPure);
RelationEqual<Text, inspector_version> const textEqual(kPure);
RelationLess<Text, inspector_version> const textLessThan(kPure);
RelationLessOrEqual<Text, inspector_version> const textAtMost(kPure);
Cast<inspector_version, Text> const versionToString(
    "string", static_cast<Text (*)(inspector_version const&)>(&AsString), kPure);
Cast<Text, inspector_version> const textToVersion("version", &AsVersion, kPure);

// The version's parts; the places versions come from are in version_sources.cpp.
Prop const majorRevision("major revision", "major revisions", &major_rev_of, kPure);
Prop const minorRevision("minor revision", "minor revisions", &minor_rev_of, kPure);
Prop const bugRevision("bug revision", "bug revisions", &bug_rev_of, kPure);
Prop const stageOfVersion("stage", "stages",
                          static_cast<stage (*)(Of, inspector_version const&)>(&stage_of), kPure);
Prop const buildRevision("build revision", "build revisions", &build_rev_of, kPure);
Prop const versionOfText("version", "versions", &version_of, kPure);

}  // namespace

}  // namespace inspectors
