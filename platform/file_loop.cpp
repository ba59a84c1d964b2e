#include "platform/file_loop.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "foundation/exceptions.h"
#include "foundation/os_error.h"

namespace MacintoshPlatform {

// The open folder: the C library's directory stream, which reads the entries a
// buffer at a time.
struct FileLoop::Stream {
  DIR* directory;

  explicit Stream(DIR* d) noexcept : directory(d) {}
  ~Stream() { ::closedir(directory); }
  Stream(Stream const&) = delete;
  Stream& operator=(Stream const&) = delete;

  int Descriptor() const noexcept { return ::dirfd(directory); }
};

namespace {

// Never follows a link at the last component when `follow` is false; never blocks on
// a special file (O_DIRECTORY refuses it before opening).
constexpr int kOpenFolder = O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC;

// The descriptor of the folder, or -1 when there is nothing to list.
int OpenFolder(int at, char const* path, bool follow) {
  int const descriptor = ::openat(at, path, kOpenFolder | (follow ? 0 : O_NOFOLLOW));
  if (descriptor >= 0) return descriptor;
  switch (errno) {
    case ENOENT:
    case ENOTDIR:
    case ELOOP:  // with O_NOFOLLOW: a symbolic link
      return -1;
    case EACCES:
    case EPERM:
      throw inspectors::FilePermissionError();
    default:
      throw inspectors::FSIteratorCreateError();
  }
}

bool IsDotEntry(char const* name) noexcept {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

FileLoop::FileLoop() noexcept = default;
FileLoop::~FileLoop() = default;
FileLoop::FileLoop(FileLoop&&) noexcept = default;
FileLoop& FileLoop::operator=(FileLoop&&) noexcept = default;

FileLoop::FileLoop(FileLocation const& folder) {
  Start(folder);
}

void FileLoop::Start(FileLocation const& folder) {
  Finish();
  if (folder.Empty()) return;
  Begin(folder, OpenFolder(AT_FDCWD, folder.POSIXPath().c_str(), true));
}

void FileLoop::StartInside(FileLoop const& parent) {
  FileItem const& item = *parent;
  FileLocation folder = item.Location();
  std::string const name = MakeUTF8String(item.Name());
  // Opened before this loop lets its own folder go: `parent` may be this loop.
  int const descriptor = OpenFolder(parent.stream_->Descriptor(), name.c_str(), false);
  Finish();
  Begin(std::move(folder), descriptor);
}

void FileLoop::Begin(FileLocation folder, int descriptor) {
  folder_ = std::move(folder);
  if (descriptor < 0) return;
  DIR* const directory = ::fdopendir(descriptor);
  if (directory == nullptr) {
    ::close(descriptor);
    throw inspectors::FSIteratorCreateError();
  }
  stream_ = std::make_unique<Stream>(directory);
  Advance();
}

bool FileLoop::Finished() const noexcept {
  return stream_ == nullptr;
}

FileItem const& FileLoop::operator*() const {
  if (Finished()) throw inspectors::FailedToGetFileItem();
  return current_;
}

FileLoop& FileLoop::operator++() {
  if (!Finished()) Advance();
  return *this;
}

void FileLoop::Advance() {
  std::size_t const folderLength = folder_.POSIXPath().size();
  for (;;) {
    errno = 0;
    dirent const* const entry = ::readdir(stream_->directory);
    if (entry == nullptr) {
      int const error = errno;
      Finish();
      if (error != 0) throw FileLoopFailed();
      return;
    }
    char const* const name = entry->d_name;
    if (IsDotEntry(name)) continue;
    if (folderLength + 1 + std::strlen(name) > kLongestPath) continue;
    try {
      MacFileInfo const info = ReadFileInfo(stream_->Descriptor(), name);
      if (!info.valid) continue;
      current_ = FileItem(FileLocation(folder_, ExactFileName(name)), info);
      return;
    } catch (inspectors::DebuggableException const&) {
    } catch (inspectors::OSError const&) {
    } catch (inspectors::IllegalFileName const&) {
    } catch (inspectors::IllegalFileNameLength const&) {
    }
  }
}

void FileLoop::Finish() noexcept {
  stream_.reset();
  current_ = FileItem();
}

}  // namespace MacintoshPlatform
