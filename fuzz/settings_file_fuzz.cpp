// The settings-file reader: keys and sections of a file of arbitrary bytes.
//
// The input is a key, a NUL, a section name, a NUL and the file. Every value found
// in a line lies inside the line after the key, holds no ';' and no blank at either
// end. Read from the file (through the 64 KiB line buffer and the section's offsets),
// the key of the file, the section and the key of the section are those that the
// same line tests find in the bytes split in memory.
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/contract/memory.h"
#include "inspectors/files/settings_file.h"

namespace {

using namespace inspectors;

[[noreturn]] void Fail(char const* what) {
  std::fprintf(stderr, "settings_file_fuzz: %s\n", what);
  std::abort();
}

std::string const& FilePath() {
  static std::string const path = [] {
    char name[] = "/tmp/settings_file_fuzz_XXXXXX";
    int const fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(name);
  }();
  return path;
}

// The lines' texts and their ranges, split as the line reader splits.
struct Line {
  std::string text;
  std::size_t begin, end;
};
std::vector<Line> Lines(std::string const& d) {
  std::vector<Line> lines;
  for (std::size_t i = 0; i < d.size();) {
    std::size_t j = i;
    while (j < d.size() && d[j] != '\r' && d[j] != '\n') ++j;
    std::size_t end = j;
    if (j < d.size()) {
      end = j + 1;
      if (end < d.size() && d[end] != d[j] && (d[end] == '\r' || d[end] == '\n')) ++end;
    }
    lines.push_back({d.substr(i, j - i), i, end});
    i = end;
  }
  return lines;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

void CheckValue(std::string const& key, std::string const& line, ConstData value) {
  ConstData const text(line);
  if (value.begin() < text.begin() || value.end() > text.end()) Fail("a value outside its line");
  auto const at = static_cast<std::size_t>(value.begin() - text.begin());
  std::string_view const v = value.AsStringView();
  if (v.find(';') != std::string_view::npos) Fail("a value with ';'");
  if (!v.empty() && (IsBlank(v.front()) || IsBlank(v.back()))) Fail("a value with blanks");
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  if (start + key.size() >= at || ::strncasecmp(line.data() + start, key.data(), key.size()) != 0) {
    Fail("a value without its key before it");
  }
}

std::optional<std::string> Answer(std::function<inspector_string()> const& ask) {
  try {
    inspector_string const s = ask();
    return std::string(reinterpret_cast<char const*>(s.bytes), s.length);
  } catch (NoSuchObject const&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  std::size_t const first = input.find('\0');
  std::size_t const second = first == std::string::npos ? first : input.find('\0', first + 1);
  if (second == std::string::npos) return 0;
  std::string const key = input.substr(0, first);
  std::string const name = input.substr(first + 1, second - first - 1);
  std::string const bytes = input.substr(second + 1);
  if (bytes.size() > 65536) return 0;  // every line whole in the line buffer
  std::vector<Line> const lines = Lines(bytes);

  // In memory: the first value of the key, the section and its first value.
  std::optional<std::string> keyOfFile, keyOfSection;
  std::optional<std::size_t> header;
  std::optional<byte> opener;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::optional<ConstData> const value = GetValueForKey(ConstData(key), ConstData(lines[i].text));
    if (value) CheckValue(key, lines[i].text, *value);
    if (value && !keyOfFile) keyOfFile = std::string(value->AsStringView());
    if (!header) {
      opener = SectionHeader(ConstData(name), ConstData(lines[i].text));
      if (opener) header = i;
    }
  }
  bool const sectionExists = header && *header + 1 < lines.size();
  if (sectionExists) {
    for (std::size_t i = *header + 1; i < lines.size(); ++i) {
      if (EndsSection(*opener, ConstData(lines[i].text))) break;
      if (auto const value = GetValueForKey(ConstData(key), ConstData(lines[i].text))) {
        keyOfSection = std::string(value->AsStringView());
        break;
      }
    }
  }

  {
    int const fd = ::open(FilePath().c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
      std::abort();
    ::close(fd);
  }
  std::shared_ptr<evaluator::Arena> arena;
  evaluator::ArenaScope scope(arena);
  file const f{{FileItem(MakeFileLocation(FilePath().c_str(), PathStyle::kPOSIX))}};
  inspector_string const k{reinterpret_cast<byte const*>(key.data()),
                           static_cast<std::uint32_t>(key.size())};
  inspector_string const n{reinterpret_cast<byte const*>(name.data()),
                           static_cast<std::uint32_t>(name.size())};
  if (Answer([&] { return key_of_file(k, Of{}, f); }) != keyOfFile) Fail("another key of file");
  std::optional<file_section> section;
  try {
    section = section_of_file(n, Of{}, f);
  } catch (NoSuchObject const&) {
  }
  if (section.has_value() != sectionExists) Fail("a section or not");
  if (section) {
    if (section->begin != lines[*header].end) Fail("another start of the section");
    if (Answer([&] { return key_of_section(k, Of{}, *section); }) != keyOfSection)
      Fail("another key of the section");
  }
  return 0;
}
