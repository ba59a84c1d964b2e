// Walking a byte range of a file in chunks of the caller's buffer.
#pragma once

#include <cstdint>
#include <optional>

#include "foundation/const_data.h"
#include "platform/file_layer.h"

namespace inspectors {

class FileReadingLoop {
 public:
  // The bytes from `start` to the end of the file, however long it turns out to be
  // (files under /proc report length 0 and still have data).
  FileReadingLoop(Data buffer, FileReadingPath const& path, std::uint64_t start);
  // The bytes from `start` up to `end`. A file that ends before `end` throws
  // `FileReadingLoopEndOfFileError` when the missing chunk is read.
  FileReadingLoop(Data buffer, FileReadingPath const& path, std::uint64_t start, std::uint64_t end);
  FileReadingLoop(Data buffer, FileReadingPath const& path, Range<std::uint64_t> range)
      : FileReadingLoop(buffer, path, range.begin, range.end) {}

  // The current chunk, at the front of the buffer; never empty while unfinished.
  ConstData Chunk() const noexcept { return chunk_; }
  // The file offset of the chunk's first byte.
  std::uint64_t ChunkOffset() const noexcept { return reader_.Position() - chunk_.Length(); }
  bool Finished() const noexcept { return chunk_.Empty(); }
  // Reads the next chunk.
  FileReadingLoop& operator++();

 private:
  void Read();

  Data buffer_;
  FileReader reader_;
  std::optional<std::uint64_t> left_;  // bytes still to read, when the end is given
  ConstData chunk_;
};

}  // namespace inspectors
