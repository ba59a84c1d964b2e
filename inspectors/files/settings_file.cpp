#include "inspectors/files/settings_file.h"

#include <strings.h>

#include <algorithm>
#include <utility>

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/files/file_line.h"

namespace inspectors {
namespace {

bool IsBlank(byte b) noexcept {
  return b == ' ' || b == '\t';
}

std::size_t SkipBlanks(ConstData line, std::size_t at) noexcept {
  while (at < line.Length() && IsBlank(line[at])) ++at;
  return at;
}

bool EqualIgnoringCase(ConstData a, ConstData b) noexcept {
  return a.Length() == b.Length() &&
         ::strncasecmp(reinterpret_cast<char const*>(a.begin()),
                       reinterpret_cast<char const*>(b.begin()), a.Length()) == 0;
}

// The closer of an opener, or 0.
byte CloserOf(byte opener) noexcept {
  switch (opener) {
    case '[':
      return ']';
    case '<':
      return '>';
    case '(':
      return ')';
    case '{':
      return '}';
    default:
      return 0;
  }
}

ConstData AsData(inspector_string const& text) noexcept {
  return ConstData(text.bytes, text.length);
}

}  // namespace

std::optional<ConstData> GetValueForKey(ConstData key, ConstData line) noexcept {
  std::size_t at = SkipBlanks(line, 0);
  if (line.Length() - at <= key.Length()) return std::nullopt;
  if (!EqualIgnoringCase(line.Middle(at, at + key.Length()), key)) return std::nullopt;
  at = SkipBlanks(line, at + key.Length());
  if (at == line.Length() || (line[at] != '=' && line[at] != ':')) return std::nullopt;
  at = SkipBlanks(line, at + 1);
  if (at == line.Length()) return std::nullopt;
  std::size_t end = at;
  while (end < line.Length() && line[end] != ';') ++end;
  while (end > at && IsBlank(line[end - 1])) --end;
  return line.Middle(at, end);
}

std::optional<byte> SectionHeader(ConstData name, ConstData line) noexcept {
  std::size_t const at = SkipBlanks(line, 0);
  if (at == line.Length()) return std::nullopt;
  byte const opener = line[at];
  byte const closer = CloserOf(opener);
  if (closer == 0 || line.Length() - at < name.Length() + 2) return std::nullopt;
  if (!EqualIgnoringCase(line.Middle(at + 1, at + 1 + name.Length()), name)) return std::nullopt;
  if (line[at + 1 + name.Length()] != closer) return std::nullopt;
  return opener;
}

bool EndsSection(byte opener, ConstData line) noexcept {
  std::size_t const at = SkipBlanks(line, 0);
  if (at == line.Length() || line[at] != opener) return false;
  ConstData const rest = line.Tail(at + 1);
  byte const closer = CloserOf(opener);
  return std::find(rest.begin(), rest.end(), closer) != rest.end();
}

bool DoNotReadFile(file const&) noexcept {
  return false;
}

namespace {

// The first value of the key among the lines from `begin`, before `end` (none: to
// the end of the file).
inspector_string KeyInLines(inspector_string const& key, SharingPtr<FileReadingPath> path,
                            std::uint64_t begin, std::optional<std::uint64_t> end) {
  LineReading reading(std::move(path));
  for (reading.loop.Start(*reading.file, begin); !reading.loop.Finished(); ++reading.loop) {
    if (end && reading.loop.LineBegin() >= *end) break;
    if (auto const value = GetValueForKey(AsData(key), reading.loop.TextWithoutEnding())) {
      return CopyToInspectorString(*value);
    }
  }
  throw NoSuchObject();
}

}  // namespace

inspector_string key_of_file(inspector_string const& key, Of, file const& f) {
  if (DoNotReadFile(f)) throw NoSuchObject();
  return KeyInLines(key, MakeFileReadingPath(f), 0, std::nullopt);
}

file_section section_of_file(inspector_string const& name, Of, file const& f) {
  if (DoNotReadFile(f)) throw NoSuchObject();
  LineReading reading(MakeFileReadingPath(f));
  FileLineLoop& loop = reading.loop;
  std::optional<byte> opener;
  for (loop.Start(*reading.file, 0); !loop.Finished() && !opener; ++loop) {
    opener = SectionHeader(AsData(name), loop.TextWithoutEnding());
  }
  if (!opener || loop.Finished()) throw NoSuchObject();
  file_section section{f.item.Location(), loop.LineBegin(), 0};
  while (!loop.Finished() && !EndsSection(*opener, loop.TextWithoutEnding())) ++loop;
  section.end = loop.LineBegin();
  if (section.end <= section.begin) section.end = 0;
  return section;
}

inspector_string key_of_section(inspector_string const& key, Of, file_section const& section) {
  if (section.end == 0) throw NoSuchObject();
  return KeyInLines(key, std::make_shared<FileReadingPath>(section.location), section.begin,
                    section.end);
}

namespace {

Prop const keyOfFile("key", "keys", &key_of_file, kDependsOnlyOnParameters);
Prop const sectionOfFile("section", "sections", &section_of_file, kDependsOnlyOnParameters);
Prop const keyOfSection("key", "keys", &key_of_section, kDependsOnlyOnParameters);
Type<file_section, kNotFingerprinted> const fileSectionType;

}  // namespace

}  // namespace inspectors
