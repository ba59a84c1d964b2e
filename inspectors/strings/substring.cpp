#include "inspectors/strings/substring.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/strings/string_search.h"

namespace inspectors {

substring::substring(inspector_string const& w, std::uint32_t begin, std::uint32_t end) noexcept
    : part{w.bytes + begin, end - begin}, whole(w) {}

void FingerprintOffset(Fingerprinter& f, std::uint32_t offset) {
  unsigned char bytes[4];
  for (std::size_t i = 0; i < sizeof bytes; ++i) {
    bytes[i] = static_cast<unsigned char>(offset >> (8 * i));
  }
  Fingerprint_Byte_Range(f, bytes, bytes + sizeof bytes);
}

Fingerprinter& operator<<(Fingerprinter& f, substring const& s) {
  f << s.whole;
  FingerprintOffset(f, s.Start());
  FingerprintOffset(f, s.part.length);
  return f;
}

substring first_characters(std::uint64_t n, inspector_string const& s) {
  if (n > s.length) throw NoSuchObject();
  return substring(s, 0, static_cast<std::uint32_t>(n));
}

substring last_characters(std::uint64_t n, inspector_string const& s) {
  if (n > s.length) throw NoSuchObject();
  return substring(s, s.length - static_cast<std::uint32_t>(n), s.length);
}

namespace {

substring Occurrence(inspector_string const& s, std::size_t start, unsigned long length) {
  if (start == kNotFound) throw NoSuchObject();
  return substring(s, static_cast<std::uint32_t>(start),
                   static_cast<std::uint32_t>(start + length));
}

}  // namespace

substring first_match(unsigned char const* bytes, unsigned long length, inspector_string const& s) {
  ConstData const text(bytes, length);
  return Occurrence(s, FindFirst(AsConstData(s), text), length);
}

substring last_match(unsigned char const* bytes, unsigned long length, inspector_string const& s) {
  ConstData const text(bytes, length);
  return Occurrence(s, FindLast(AsConstData(s), text), length);
}

substring preceding_text(substring const& s) {
  return substring(s.whole, 0, s.Start());
}

substring following_text(substring const& s) {
  return substring(s.whole, s.End(), s.whole.length);
}

substring character(std::uint64_t n, inspector_string const& s) {
  if (n >= s.length) throw NoSuchObject();
  auto const offset = static_cast<std::uint32_t>(n);
  return substring(s, offset, offset + 1);
}

substring substring_iterator::At(unsigned char const* bytes, unsigned long length,
                                 inspector_string const& s, std::uint64_t from) {
  std::size_t const start = FindFirst(AsConstData(s), ConstData(bytes, length), from);
  substring const found = Occurrence(s, start, length);
  offset_ = static_cast<std::uint32_t>(start);
  return found;
}

substring substring_iterator::First(unsigned char const* bytes, unsigned long length,
                                    inspector_string const& s) {
  return At(bytes, length, s, 0);
}

substring substring_iterator::Next(unsigned char const* bytes, unsigned long length,
                                   inspector_string const& s) {
  return At(bytes, length, s, std::uint64_t{offset_} + 1);
}

namespace {

DerivedType<substring, inspector_string, kFingerprinted> const substringType;
NumberedProperty<inspector_string, substring> const firstCharacters("first", "firsts",
                                                                    &first_characters,
                                                                    kDependsOnlyOnParameters);
NumberedProperty<inspector_string, substring> const lastCharacters("last", "lasts",
                                                                   &last_characters,
                                                                   kDependsOnlyOnParameters);
NamedProperty<inspector_string, substring> const firstMatch("first", "firsts", &first_match,
                                                            kDependsOnlyOnParameters);
NamedProperty<inspector_string, substring> const lastMatch("last", "lasts", &last_match,
                                                           kDependsOnlyOnParameters);
Property<substring, substring> const precedingText("preceding text", "preceding texts",
                                                   &preceding_text, kDependsOnlyOnParameters);
Property<substring, substring> const followingText("following text", "following texts",
                                                   &following_text, kDependsOnlyOnParameters);
NumberedProperty<inspector_string, substring> const numberedCharacter("character", "characters",
                                                                      &character,
                                                                      kDependsOnlyOnParameters);
Prop const characters("character", "characters", &character_iterator::First,
                      &character_iterator::Next, kDependsOnlyOnParameters);
IteratedNamedProperty<substring_iterator, inspector_string, substring> const substrings(
    "substring", "substrings", kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
