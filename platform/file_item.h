// File items: a location and a snapshot of what the file system said about the item
// there when the snapshot was taken (its identity, kind, length and times).
//
// The snapshot of a symbolic link is that of the item it points to, so that a link
// to a file reads as that file and a link to a folder as that folder; it still
// records that the item itself is a link. A link that leads nowhere (dangling, or
// into a loop of links) has the snapshot of the link itself: a file whose length
// is that of the link's text.
#pragma once

#include <cstdint>

#include "platform/file_location.h"
#include "platform/file_name.h"

namespace MacintoshPlatform {

// A file system time: seconds since 1 January 1970 00:00:00 GMT and nanoseconds
// after them.
struct FileTime {
  std::int64_t seconds = 0;
  std::uint32_t nanoseconds = 0;
};

// The time in microseconds since 1970, truncated toward zero; a time beyond the
// 64-bit range of microseconds is the nearest end of that range.
std::int64_t MicrosecondsSince1970(FileTime time) noexcept;

// What the file system keeps of an item. Linux keeps no backup time (it is always
// the zero time, 1 January 1970), no resource fork (its length is always 0), and no
// type or creator codes. A file system without birth times gives the modification
// time as the creation time.
struct MacFileInfo {
  bool valid = false;
  // The node's identity: equal for two paths to the same node (hard links included).
  std::uint64_t device = 0;
  std::uint64_t node = 0;
  bool directory = false;
  bool regular = false;       // a plain file (neither folder nor device, pipe, socket)
  bool symbolicLink = false;  // the item itself is a link (see above)
  bool leadsNowhere = false;  // a link whose target cannot be reached: its own snapshot
  FileTime creation;
  FileTime modification;
  FileTime backup;
  std::uint64_t length = 0;
};

// Reads the status of `path`, taken relative to the folder open as `folder`
// (AT_FDCWD for the current folder; ignored for an absolute path). Nothing there
// gives an invalid snapshot; other failures throw: `FilePermissionError` when
// permission is denied, `BadFileNameError` for a name or path too long, `FileError`
// with the system's error number otherwise.
MacFileInfo ReadFileInfo(int folder, char const* path);

class FileItem {
 public:
  // No location, no snapshot.
  FileItem() = default;
  // Reads the snapshot; nothing there throws `FailedToGetFileItem`.
  explicit FileItem(FileLocation location);
  // An item whose snapshot was read already.
  FileItem(FileLocation location, MacFileInfo const& info) noexcept
      : location_(std::move(location)), info_(info) {}

  // Rereads for a new location; nothing there throws `FailedToGetFileItem`, and
  // leaves the snapshot invalid.
  void Get(FileLocation location);
  // Rereads (for the same or a new location) and tells whether something is there.
  // Failures other than absence throw as `ReadFileInfo` does.
  bool TryToGet();
  bool TryToGet(FileLocation location);

  FileLocation const& Location() const noexcept { return location_; }
  FileName Name() const { return location_.Name(); }
  bool Valid() const noexcept { return info_.valid; }

  // The readers of the snapshot; an invalid one throws `FailedToGetFileItem`.
  bool IsDirectory() const { return Info().directory; }
  bool IsFile() const { return !Info().directory; }
  bool IsRegularFile() const { return Info().regular; }
  bool IsSymbolicLink() const { return Info().symbolicLink; }
  FileTime CreationTime() const { return Info().creation; }
  FileTime ModificationTime() const { return Info().modification; }
  FileTime BackupTime() const { return Info().backup; }
  std::uint64_t Length() const { return Info().length; }
  std::uint64_t ResourceLength() const {
    Info();
    return 0;
  }

  // The same node when both snapshots are valid; otherwise the same location.
  friend bool operator==(FileItem const& a, FileItem const& b) noexcept;

 private:
  MacFileInfo const& Info() const;

  FileLocation location_;
  MacFileInfo info_;
};

}  // namespace MacintoshPlatform
