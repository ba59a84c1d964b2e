#include "platform/file_item.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <limits>

#include "foundation/exceptions.h"
#include "platform/file_errors.h"

namespace MacintoshPlatform {
namespace {

constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;
// Never wait for an automounter, and take what the kernel has cached.
constexpr int kPlain = AT_NO_AUTOMOUNT | AT_STATX_SYNC_AS_STAT;

FileTime TimeOf(statx_timestamp const& t) noexcept {
  return FileTime{t.tv_sec, t.tv_nsec};
}

MacFileInfo InfoOf(struct statx const& s) noexcept {
  MacFileInfo info;
  info.valid = true;
  info.device = makedev(s.stx_dev_major, s.stx_dev_minor);
  info.node = s.stx_ino;
  info.directory = S_ISDIR(s.stx_mode);
  info.regular = S_ISREG(s.stx_mode);
  info.symbolicLink = S_ISLNK(s.stx_mode);
  info.modification = TimeOf(s.stx_mtime);
  info.creation = (s.stx_mask & STATX_BTIME) != 0 ? TimeOf(s.stx_btime) : info.modification;
  info.length = s.stx_size;
  return info;
}

}  // namespace

std::int64_t MicrosecondsSince1970(FileTime time) noexcept {
  constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
  constexpr std::int64_t kNanosecondsPerMicrosecond = 1000;
  std::int64_t const fraction = time.nanoseconds / kNanosecondsPerMicrosecond;
  std::int64_t microseconds = 0;
  if (__builtin_mul_overflow(time.seconds, kMicrosecondsPerSecond, &microseconds) ||
      __builtin_add_overflow(microseconds, fraction, &microseconds)) {
    return time.seconds < 0 ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
  }
  // Before 1970 the nanoseconds lessen the distance from 1970: a part of a
  // microsecond left over rounds toward 1970.
  bool const partLeft = time.nanoseconds % kNanosecondsPerMicrosecond != 0;
  if (microseconds < 0 && partLeft) ++microseconds;
  return microseconds;
}

MacFileInfo ReadFileInfo(int folder, char const* path) {
  struct statx itself {};
  if (::statx(folder, path, kPlain | AT_SYMLINK_NOFOLLOW, kWanted, &itself) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return MacFileInfo{};
    ThrowStatusError(errno);
  }
  if (!S_ISLNK(itself.stx_mode)) return InfoOf(itself);
  struct statx target {};
  if (::statx(folder, path, kPlain, kWanted, &target) != 0) {
    MacFileInfo info = InfoOf(itself);
    info.leadsNowhere = true;
    return info;
  }
  MacFileInfo info = InfoOf(target);
  info.symbolicLink = true;
  return info;
}

FileItem::FileItem(FileLocation location) {
  Get(std::move(location));
}

void FileItem::Get(FileLocation location) {
  if (!TryToGet(std::move(location))) throw inspectors::FailedToGetFileItem();
}

bool FileItem::TryToGet() {
  info_ = MacFileInfo{};
  if (location_.Empty()) return false;
  info_ = ReadFileInfo(AT_FDCWD, location_.POSIXPath().c_str());
  return info_.valid;
}

bool FileItem::TryToGet(FileLocation location) {
  location_ = std::move(location);
  return TryToGet();
}

MacFileInfo const& FileItem::Info() const {
  if (!info_.valid) throw inspectors::FailedToGetFileItem();
  return info_;
}

bool operator==(FileItem const& a, FileItem const& b) noexcept {
  if (a.info_.valid && b.info_.valid) {
    return a.info_.device == b.info_.device && a.info_.node == b.info_.node;
  }
  return a.location_ == b.location_;
}

}  // namespace MacintoshPlatform
