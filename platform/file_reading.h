// Reading a file's data: an open file (`FileReadingPath`) and a cursor over it
// (`FileReader`). Lengths and offsets are 64-bit byte counts.
//
// Only plain files are read. A folder, and a device, pipe or socket, is refused
// before anything is read from it, so that no read waits for data that may never
// come; a symbolic link is read as the file it points to.
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/const_data.h"
#include "foundation/data_streams.h"
#include "platform/file_location.h"

namespace MacintoshPlatform {

class FileReadingPath {
 public:
  // Not open.
  FileReadingPath() noexcept = default;
  // Opens the file for reading (see Open).
  explicit FileReadingPath(FileLocation const& location);
  // Closes it; never throws.
  ~FileReadingPath();
  FileReadingPath(FileReadingPath const&) = delete;
  FileReadingPath& operator=(FileReadingPath const&) = delete;

  // Opens the file at `location`, read only, closing what was open. Nothing there
  // (a symbolic link that leads nowhere included) throws `FileNotFoundError`; a folder or any other
  // item that is not a plain file throws `NotAFileError`; failures to open throw as file_errors.h
  // says.
  void Open(FileLocation const& location);
  bool IsOpen() const noexcept { return descriptor_ >= 0; }
  // The file's length now, as the file system reports it; a file that is not open
  // throws `FileNotOpenError`. Some files report 0 and still have data (the
  // system's status files under /proc): FileReader reads those to their end.
  std::uint64_t Length() const;
  void Close() noexcept;

  // Reads from `offset` into the front of `into`, as much as one read gives; 0 at
  // the end of the file. A file that is not open throws `FileNotOpenError`.
  std::size_t ReadAt(std::uint64_t offset, inspectors::Data into) const;

 private:
  int descriptor_ = -1;
};

// A position in an open file and the file's length when reading started. The file
// must stay open while the reader is used.
class FileReader : public inspectors::DataReader {
 public:
  FileReader() noexcept = default;
  FileReader(FileReadingPath const& path, std::uint64_t position) { Start(path, position); }

  // Remembers the path and its length, and sets the position.
  void Start(FileReadingPath const& path, std::uint64_t position);

  // True while the position is below the remembered length, and for a file that
  // reported length 0 until a read finds its end. A read that finds the end early
  // (the file shrank) finishes the reader.
  bool Unfinished() const noexcept;
  std::uint64_t Position() const noexcept { return position_; }
  std::uint64_t Length() const noexcept { return length_; }

  // Fills as much of the buffer's room as the file has up to the remembered length,
  // and advances the position and the buffer's begin past what was read; at the end
  // it reads nothing.
  FileReader& operator>>(inspectors::Buffer& buffer);
  // Reads exactly the size of `data`, and advances past what was read; fewer bytes
  // left in the file throw `EndOfFileError`.
  FileReader& operator>>(inspectors::Data data);

  bool MoreDataAvailable() override { return Unfinished(); }
  std::size_t ReadSome(inspectors::Data into) override;

 private:
  FileReadingPath const* path_ = nullptr;
  std::uint64_t position_ = 0;
  std::uint64_t length_ = 0;
  bool ended_ = true;
};

}  // namespace MacintoshPlatform
