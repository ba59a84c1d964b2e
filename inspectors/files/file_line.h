// The lines of a file: every line, those starting with or containing a text, a line
// by number, the lines before and after a line, and a line's number. The lines are
// those of FileLineLoop (file_line_loop.h): CR, LF, CR LF and LF CR end a line, and a
// line longer than `kLineBuffer` keeps its place and its number but only its first
// `kLineBuffer` bytes of text.
#pragma once

#include <cstdint>
#include <memory>

#include "foundation/const_data.h"
#include "foundation/ownership.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/files/file.h"
#include "inspectors/files/file_line_loop.h"

namespace inspectors {

// The buffer of every line reader, and so the most text of a line.
inline constexpr std::size_t kLineBuffer = 65536;

// A line: its text comes first, so that a line is usable wherever a string is. The
// open file is shared with the reader it came from and with the lines read from it,
// so that the next and previous lines read the same file.
struct file_line {
  inspector_string text;       // without the ending, in evaluator memory
  std::int64_t number = 0;     // from 0 for the first line
  Range<std::uint64_t> range;  // in the file, the ending included
  SharingPtr<FileReadingPath> file;

  static char const* TypeName() noexcept { return "file line"; }
};

// The text, then the number and the range: lines with the same text at different
// places have different numbers.
Fingerprinter& operator<<(Fingerprinter& f, file_line const& line);

// Opens the file's data for reading (FileReadingPath's failures).
SharingPtr<FileReadingPath> MakeFileReadingPath(file const& f);

// A line loop over an open file with a buffer of kLineBuffer bytes of its own.
struct LineReading {
  explicit LineReading(SharingPtr<FileReadingPath> path);
  // The current line, numbered `number`, its text copied into evaluator memory.
  file_line Line(std::int64_t number) const;

  SharingPtr<FileReadingPath> file;
  std::unique_ptr<byte[]> buffer;
  FileLineLoop loop;
};

class line_iterator {
 public:
  file_line First(Of, file const& f);
  file_line Next(Of, file const& f);
  file_line FirstStartingWith(inspector_string const& prefix, Of, file const& f);
  file_line NextStartingWith(inspector_string const& prefix, Of, file const& f);
  file_line FirstContaining(inspector_string const& part, Of, file const& f);
  file_line NextContaining(inspector_string const& part, Of, file const& f);

 private:
  void Start(file const& f);
  void Advance();
  template <class Test>
  file_line NextWhose(Test const& test);

  std::unique_ptr<LineReading> reading_;
  std::int64_t number_ = 0;
};

// 1 for the first line.
integer LineNumber(Of, file_line const& line);
// The line after and before; the first line has none before it, the last none after.
file_line NextLine(Of, file_line const& line);
file_line PreviousLine(Of, file_line const& line);
// Line n, from 1; below 1 or past the last line has no value.
file_line NumberedLine(integer const& n, Of, file const& f);

}  // namespace inspectors
