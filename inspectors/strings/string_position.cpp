#include "inspectors/strings/string_position.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

string_position At(inspector_string const& s, std::uint32_t offset) noexcept {
  return string_position{integer(offset), s};
}

}  // namespace

Fingerprinter& operator<<(Fingerprinter& f, string_position const& p) {
  f << p.text;
  FingerprintOffset(f, p.Position());
  return f;
}

string_position position(std::uint64_t n, inspector_string const& s) {
  if (n > s.length) throw NoSuchObject();
  return At(s, static_cast<std::uint32_t>(n));
}

string_position start(substring const& s) {
  return At(s.whole, s.Start());
}

string_position end(substring const& s) {
  return At(s.whole, s.End());
}

substring preceding_text(string_position const& p) {
  return substring(p.text, 0, p.Position());
}

substring following_text(string_position const& p) {
  return substring(p.text, p.Position(), p.text.length);
}

namespace {

DerivedType<string_position, integer, kFingerprinted> const stringPositionType;
NumberedProperty<inspector_string, string_position> const numberedPosition(
    "position", "positions", &position, kDependsOnlyOnParameters);
Property<substring, string_position> const substringStart("start", "starts", &start,
                                                          kDependsOnlyOnParameters);
Property<substring, string_position> const substringEnd("end", "ends", &end,
                                                        kDependsOnlyOnParameters);
Property<string_position, substring> const precedingText("preceding text", "preceding texts",
                                                         &preceding_text, kDependsOnlyOnParameters);
Property<string_position, substring> const followingText("following text", "following texts",
                                                         &following_text, kDependsOnlyOnParameters);
Prop const positions("position", "positions", &string_position_iterator::First,
                     &string_position_iterator::Next, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
