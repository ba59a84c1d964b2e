#include "inspectors/files/file_line_loop.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "framework/contract/evaluator.h"

namespace inspectors {
namespace {

// The chunk in which a file is read backwards, and the one in which the rest of a
// long line is read.
constexpr std::size_t kChunk = 8192;
constexpr std::size_t kLongLineChunk = 65536;

// The offset of the first CR or LF, or the length.
std::size_t FirstLineEnd(ConstData bytes) noexcept {
  std::size_t end = bytes.Length();
  for (byte const b : {byte{'\n'}, byte{'\r'}}) {
    if (void const* found = std::memchr(bytes.begin(), b, end)) {
      end = static_cast<std::size_t>(static_cast<byte const*>(found) - bytes.begin());
    }
  }
  return end;
}

// The byte at `offset`, or -1 at the end of the file.
int ByteAt(FileReadingPath const& path, std::uint64_t offset) {
  byte b = 0;
  return path.ReadAt(offset, Data(&b, 1)) == 1 ? b : -1;
}

// The length of the ending that starts with `first`, given the byte after it (-1 for
// none).
std::size_t EndingLength(byte first, int second) noexcept {
  return second >= 0 && second != first && IsLineEnd(static_cast<byte>(second)) ? 2 : 1;
}

}  // namespace

void FileLineLoop::Start(FileReadingPath const& path, std::uint64_t position) {
  path_ = &path;
  reader_.Start(path, position);
  bufferOffset_ = position;
  valid_ = 0;
  lineStart_ = 0;
  reread_ = false;
  finished_ = false;
  Fill();
  Scan();
}

FileLineLoop& FileLineLoop::operator++() {
  if (finished_) return *this;
  if (reread_) {
    Start(*path_, lineEnd_);
  } else {
    lineStart_ = static_cast<std::size_t>(lineEnd_ - bufferOffset_);
    Scan();
  }
  return *this;
}

ConstData FileLineLoop::TextWithoutEnding() const noexcept {
  return ConstData(buffer_.begin() + lineStart_, buffer_.begin() + textEnd_);
}

ConstData FileLineLoop::Ending() const noexcept {
  return ConstData(ending_, endingLength_);
}

void FileLineLoop::Fill() {
  Check_For_Inspector_Interruption();
  Buffer room(buffer_.Tail(valid_));
  reader_ >> room;
  valid_ = static_cast<std::size_t>(room.begin() - buffer_.begin());
  nextLF_ = nextCR_ = kUnknown;
}

std::size_t FileLineLoop::Next(byte which, std::size_t& cache, std::size_t from) noexcept {
  if (cache == kUnknown || cache < from) {
    void const* found = std::memchr(buffer_.begin() + from, which, valid_ - from);
    cache = found != nullptr
                ? static_cast<std::size_t>(static_cast<byte const*>(found) - buffer_.begin())
                : valid_;
  }
  return cache;
}

std::size_t FileLineLoop::NextLineEnd(std::size_t from) noexcept {
  return std::min(Next('\n', nextLF_, from), Next('\r', nextCR_, from));
}

void FileLineLoop::Decide(std::size_t at, byte first, int second) {
  textEnd_ = at;
  cut_ = false;
  ending_[0] = first;
  endingLength_ = EndingLength(first, second);
  if (endingLength_ == 2) ending_[1] = static_cast<byte>(second);
  lineEnd_ = bufferOffset_ + at + endingLength_;
  reread_ = lineEnd_ > bufferOffset_ + valid_;
}

void FileLineLoop::Scan() {
  for (;;) {
    std::size_t const at = NextLineEnd(lineStart_);
    bool const more = reader_.Unfinished();
    if (at + 1 < valid_ || (at < valid_ && !more)) {
      Decide(at, buffer_.begin()[at], at + 1 < valid_ ? buffer_.begin()[at + 1] : -1);
      return;
    }
    if (!more) {
      if (lineStart_ == valid_) {
        finished_ = true;
        return;
      }
      textEnd_ = valid_;
      endingLength_ = 0;
      cut_ = false;
      reread_ = false;
      lineEnd_ = bufferOffset_ + valid_;
      return;
    }
    // The line, or the ending's second byte, is not all read: make room for it.
    if (lineStart_ > 0) {
      std::memmove(buffer_.begin(), buffer_.begin() + lineStart_, valid_ - lineStart_);
      bufferOffset_ += lineStart_;
      valid_ -= lineStart_;
      lineStart_ = 0;
      Fill();
    } else if (valid_ < buffer_.Length()) {
      Fill();
    } else if (at < valid_) {
      // The line fills the buffer and its ending begins with its last byte.
      Decide(at, buffer_.begin()[at], ByteAt(*path_, bufferOffset_ + valid_));
      return;
    } else {
      ScanLongLine();
      return;
    }
  }
}

void FileLineLoop::ScanLongLine() {
  textEnd_ = valid_;
  reread_ = true;
  std::uint64_t const rest = bufferOffset_ + valid_;
  std::uint64_t offset = rest;
  auto const chunk = std::make_unique_for_overwrite<byte[]>(kLongLineChunk);
  for (;;) {
    Check_For_Inspector_Interruption();
    std::size_t const n = path_->ReadAt(offset, Data(chunk.get(), kLongLineChunk));
    if (n == 0) {
      endingLength_ = 0;
      lineEnd_ = offset;
      cut_ = offset > rest;
      return;
    }
    std::size_t const i = FirstLineEnd(ConstData(chunk.get(), n));
    if (i < n) {
      int const second = i + 1 < n ? chunk[i + 1] : ByteAt(*path_, offset + i + 1);
      ending_[0] = chunk[i];
      endingLength_ = EndingLength(chunk[i], second);
      if (endingLength_ == 2) ending_[1] = static_cast<byte>(second);
      lineEnd_ = offset + i + endingLength_;
      cut_ = offset + i > rest;  // not when the ending comes right after the buffer
      return;
    }
    offset += n;
  }
}

namespace {

// Reads all of `into` from `offset`; a file that has fewer bytes there than it had
// (it shrank under us) throws `EndOfFileError`.
void ReadFully(FileReadingPath const& path, std::uint64_t offset, Data into) {
  while (!into.Empty()) {
    std::size_t const n = path.ReadAt(offset, into);
    if (n == 0) throw EndOfFileError();
    offset += n;
    into = into.Tail(n);
  }
}

// The last offset before `before` whose byte is (or is not, as `lineEnd` says) a
// line-end byte, plus one; 0 when there is none.
std::uint64_t AfterLastBefore(FileReadingPath const& path, std::uint64_t before, bool lineEnd) {
  byte chunk[kChunk];
  while (before > 0) {
    Check_For_Inspector_Interruption();
    std::uint64_t const from = before - std::min<std::uint64_t>(before, sizeof chunk);
    auto const length = static_cast<std::size_t>(before - from);
    ReadFully(path, from, Data(chunk, length));
    for (std::size_t i = length; i-- > 0;) {
      if (IsLineEnd(chunk[i]) == lineEnd) return from + i + 1;
    }
    before = from;
  }
  return 0;
}

// Where the last ending starts among the line-end bytes from `run` up to `end`,
// paired from the first of them.
std::uint64_t LastEndingStart(FileReadingPath const& path, std::uint64_t run, std::uint64_t end) {
  byte chunk[kChunk];
  std::uint64_t at = run;
  for (;;) {
    Check_For_Inspector_Interruption();
    auto const length = static_cast<std::size_t>(std::min<std::uint64_t>(kChunk, end - at));
    ReadFully(path, at, Data(chunk, length));
    std::size_t i = 0;
    for (;;) {
      if (i + 1 >= length) {
        if (at + i + 1 >= end) return at + i;
        break;  // the pair is decided in the next chunk
      }
      std::size_t const n = EndingLength(chunk[i], chunk[i + 1]);
      if (at + i + n >= end) return at + i;
      i += n;
    }
    at += i;
  }
}

}  // namespace

std::uint64_t PreviousLineBegin(FileReadingPath const& path, std::uint64_t lineBegin) {
  // The previous line's ending is among the line-end bytes right before lineBegin.
  // Their pairs are decided from the first of the run, where an ending certainly
  // starts (after a text byte, or at the start of the file). An ending after the
  // run's first belongs to an empty line; the first ends the text that runs back to
  // the line-end byte before it.
  std::uint64_t const run = AfterLastBefore(path, lineBegin, false);
  if (run >= lineBegin) throw EndOfFileError();  // no line ends at lineBegin
  std::uint64_t const ending = LastEndingStart(path, run, lineBegin);
  if (ending > run) return ending;
  return AfterLastBefore(path, run, true);
}

}  // namespace inspectors
