// Splitting a file into lines through a fixed buffer.
//
// A line ends at the first CR or LF after its start. CR LF and LF CR are one
// two-byte ending; CR CR and LF LF are two endings, the second ending an empty line.
// Bytes after the last ending form a last line without an ending; after a final
// ending there is no further empty line, and an empty file has no lines.
//
// The buffer bounds the text of a line, not the line: a line longer than the buffer
// is still one line (its range and its ending are the whole line's, and the lines
// after it are numbered as they would be without a limit), and its text is its first
// buffer-full of bytes. Such a line is read to its end in small chunks, calling the
// evaluator's interruption check between them, so that memory stays that of the
// buffer whatever the file holds. Where the buffer's boundaries fall never changes
// the lines.
#pragma once

#include <cstdint>

#include "foundation/const_data.h"
#include "platform/file_layer.h"

namespace inspectors {

inline bool IsLineEnd(byte b) noexcept {
  return b == '\r' || b == '\n';
}

class FileLineLoop {
 public:
  // `buffer` holds the current line's text: it must outlive the loop.
  explicit FileLineLoop(Data buffer) noexcept : buffer_(buffer) {}
  FileLineLoop(FileLineLoop const&) = delete;
  FileLineLoop& operator=(FileLineLoop const&) = delete;

  // Starts at `position`, which must be the start of a line (0, or the end of a
  // line's range), and reads the first line from there. The path must stay open
  // while the loop is used.
  void Start(FileReadingPath const& path, std::uint64_t position);
  // Moves to the next line.
  FileLineLoop& operator++();
  // No line is current: the file has no more.
  bool Finished() const noexcept { return finished_; }

  ConstData TextWithoutEnding() const noexcept;
  ConstData Ending() const noexcept;
  bool LineHasEnding() const noexcept { return endingLength_ != 0; }
  // Whether the line is longer than the buffer, so that its text is only its start.
  bool TextIsCut() const noexcept { return cut_; }
  // The line's range in the file, its ending included.
  std::uint64_t LineBegin() const noexcept { return bufferOffset_ + lineStart_; }
  std::uint64_t LineEnd() const noexcept { return lineEnd_; }
  std::uint64_t LineLength() const noexcept { return LineEnd() - LineBegin(); }

 private:
  void Fill();
  void Scan();
  // The first CR or LF at or after `from` in the buffer, or valid_.
  std::size_t NextLineEnd(std::size_t from) noexcept;
  std::size_t Next(byte which, std::size_t& cache, std::size_t from) noexcept;
  // The line's text ends at `at` (an offset in the buffer), where `first` stands.
  void Decide(std::size_t at, byte first, int second);
  void ScanLongLine();

  Data buffer_;
  FileReadingPath const* path_ = nullptr;
  FileReader reader_;
  std::uint64_t bufferOffset_ = 0;  // the file offset of the buffer's first byte
  std::size_t valid_ = 0;           // bytes read into the buffer
  std::size_t lineStart_ = 0;       // the current line, as offsets in the buffer
  std::size_t textEnd_ = 0;
  std::size_t endingLength_ = 0;
  byte ending_[2] = {};
  std::uint64_t lineEnd_ = 0;
  bool cut_ = false;
  bool reread_ = false;  // the next line starts past the buffer: read from lineEnd_ afresh
  // Where the next LF and CR are in the buffer (valid_ for none), found once for
  // every line they pass; forgotten when the buffer changes.
  std::size_t nextLF_ = kUnknown;
  std::size_t nextCR_ = kUnknown;
  static constexpr std::size_t kUnknown = ~std::size_t{0};
  bool finished_ = true;
};

// The start of the line that ends where the line at `lineBegin` begins: the previous
// line, as the loop above splits the file. `lineBegin` must be the start of a line
// other than the first. Reads backwards in small chunks.
std::uint64_t PreviousLineBegin(FileReadingPath const& path, std::uint64_t lineBegin);

}  // namespace inspectors
