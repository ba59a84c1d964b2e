// Settings files: the value of a key anywhere in a file, a bracketed section of a
// file, and the value of a key within a section.
//
// A key line is blanks, the key (ASCII case ignored), blanks, '=' or ':', blanks and
// the value, which runs to the first ';' or the end of the line without trailing
// blanks. A key with nothing but blanks after the separator is not on that line; a
// value that begins with ';' is the empty string. A header line is blanks, an opener
// ('[', '<', '(' or '{'), the section's name (ASCII case ignored) and the matching
// closer; a section's lines run to the next line that begins, after blanks, with the
// same opener and holds its closer somewhere after it.
#pragma once

#include <cstdint>
#include <optional>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "inspectors/files/file.h"

namespace inspectors {

// A section's lines: from just after its header line to the start of the line that
// ends it (or the end of the file). A section without lines ends at 0.
struct file_section {
  FileLocation location;
  std::uint64_t begin = 0;
  std::uint64_t end = 0;

  static char const* TypeName() noexcept { return "file section"; }
};

// The value of `key` in the line's text (without its ending), or nothing.
std::optional<ConstData> GetValueForKey(ConstData key, ConstData line) noexcept;
// Whether the line is the header of the section `name`; gives its opener.
std::optional<byte> SectionHeader(ConstData name, ConstData line) noexcept;
// Whether the line ends a section opened by `opener`.
bool EndsSection(byte opener, ConstData line) noexcept;

// This library excludes no file from being read.
bool DoNotReadFile(file const& f) noexcept;

inspector_string key_of_file(inspector_string const& key, Of, file const& f);
file_section section_of_file(inspector_string const& name, Of, file const& f);
inspector_string key_of_section(inspector_string const& key, Of, file_section const& section);

}  // namespace inspectors
