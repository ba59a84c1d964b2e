#include "inspectors/files/file_reading_loop.h"

#include <algorithm>

#include "foundation/exceptions.h"

namespace inspectors {

FileReadingLoop::FileReadingLoop(Data buffer, FileReadingPath const& path, std::uint64_t start)
    : buffer_(buffer), reader_(path, start) {
  Read();
}

FileReadingLoop::FileReadingLoop(Data buffer, FileReadingPath const& path, std::uint64_t start,
                                 std::uint64_t end)
    : buffer_(buffer), reader_(path, start), left_(end > start ? end - start : 0) {
  Read();
}

FileReadingLoop& FileReadingLoop::operator++() {
  if (left_) *left_ -= chunk_.Length();
  Read();
  return *this;
}

void FileReadingLoop::Read() {
  chunk_ = ConstData(buffer_.begin(), buffer_.begin());
  std::size_t room = buffer_.Length();
  if (left_) {
    if (*left_ == 0) return;
    room = static_cast<std::size_t>(std::min<std::uint64_t>(room, *left_));
    if (!reader_.Unfinished()) throw FileReadingLoopEndOfFileError();
  }
  Buffer fill(buffer_.Head(room));
  reader_ >> fill;
  chunk_ = ConstData(buffer_.begin(), fill.begin());
  if (left_ && chunk_.Empty()) throw FileReadingLoopEndOfFileError();
}

}  // namespace inspectors
