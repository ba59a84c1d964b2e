#include "platform/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

#include "foundation/exceptions.h"
#include "foundation/os_error.h"
#include "platform/file_errors.h"
#include "platform/file_item.h"

namespace MacintoshPlatform {
namespace {

// Never waits: neither to open (a pipe without a writer) nor to read.
constexpr int kOpenFile = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Closes a descriptor that is not yet handed on.
class DescriptorGuard {
 public:
  explicit DescriptorGuard(int descriptor) noexcept : descriptor_(descriptor) {}
  ~DescriptorGuard() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  DescriptorGuard(DescriptorGuard const&) = delete;
  DescriptorGuard& operator=(DescriptorGuard const&) = delete;

  int Get() const noexcept { return descriptor_; }
  int Release() noexcept { return std::exchange(descriptor_, -1); }

 private:
  int descriptor_;
};

[[noreturn]] void ThrowNotAFile(bool directory) {
  throw inspectors::NotAFileError(directory ? EISDIR : EINVAL);
}

}  // namespace

FileReadingPath::FileReadingPath(FileLocation const& location) {
  Open(location);
}

FileReadingPath::~FileReadingPath() {
  Close();
}

void FileReadingPath::Open(FileLocation const& location) {
  Close();
  if (location.Empty()) throw inspectors::FileNotFoundError();
  char const* const path = location.POSIXPath().c_str();
  // Special files are refused before they are opened, since opening some of them
  // does something; the status of what was opened is checked again, in case the
  // item was replaced meanwhile.
  MacFileInfo const info = ReadFileInfo(AT_FDCWD, path);
  if (!info.valid || info.leadsNowhere) throw inspectors::FileNotFoundError();
  if (!info.regular) ThrowNotAFile(info.directory);
  DescriptorGuard opened(::open(path, kOpenFile));
  if (opened.Get() < 0) ThrowOpeningError(errno);
  struct stat status {};
  if (::fstat(opened.Get(), &status) != 0) ThrowOpeningError(errno);
  if (!S_ISREG(status.st_mode)) ThrowNotAFile(S_ISDIR(status.st_mode));
  descriptor_ = opened.Release();
}

std::uint64_t FileReadingPath::Length() const {
  if (!IsOpen()) throw inspectors::FileNotOpenError();
  struct stat status {};
  if (::fstat(descriptor_, &status) != 0) ThrowOpeningError(errno);
  return static_cast<std::uint64_t>(status.st_size);
}

void FileReadingPath::Close() noexcept {
  if (IsOpen()) ::close(std::exchange(descriptor_, -1));
}

std::size_t FileReadingPath::ReadAt(std::uint64_t offset, inspectors::Data into) const {
  if (!IsOpen()) throw inspectors::FileNotOpenError();
  if (into.Empty() || offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) {
    return 0;
  }
  for (;;) {
    ssize_t const n = ::pread(descriptor_, into.begin(), into.Length(), static_cast<off_t>(offset));
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) ThrowReadingError(errno);
  }
}

void FileReader::Start(FileReadingPath const& path, std::uint64_t position) {
  length_ = path.Length();
  path_ = &path;
  position_ = position;
  ended_ = false;
}

bool FileReader::Unfinished() const noexcept {
  return !ended_ && (length_ == 0 || position_ < length_);
}

FileReader& FileReader::operator>>(inspectors::Buffer& buffer) {
  while (!buffer.Empty() && Unfinished()) {
    std::size_t room = buffer.Length();
    if (length_ != 0)
      room = static_cast<std::size_t>(std::min<std::uint64_t>(room, length_ - position_));
    std::size_t const n = path_->ReadAt(position_, buffer.Head(room));
    if (n == 0) ended_ = true;
    position_ += n;
    buffer.Advance(n);
  }
  return *this;
}

FileReader& FileReader::operator>>(inspectors::Data data) {
  if (path_ == nullptr) throw inspectors::FileNotOpenError();
  while (!data.Empty()) {
    std::size_t const n = path_->ReadAt(position_, data);
    if (n == 0) throw inspectors::EndOfFileError();
    position_ += n;
    data = data.Tail(n);
  }
  return *this;
}

std::size_t FileReader::ReadSome(inspectors::Data into) {
  inspectors::Buffer buffer(into);
  *this >> buffer;
  return static_cast<std::size_t>(buffer.begin() - into.begin());
}

}  // namespace MacintoshPlatform
