// Folder listings: the items of one folder, one at a time, in the order in which the
// file system keeps them (unsorted). Every item is listed, hidden ones included;
// "." and ".." are not items.
//
// A listing reads the folder as it goes, a buffer of entries at a time, so that its
// memory does not grow with the folder; it holds the folder open (one descriptor)
// until it is finished. Items created or deleted while a listing runs may or may
// not be seen; an item that is gone by the time its turn comes is skipped, and so
// is one whose status cannot be read or whose path would be longer than
// `kLongestPath`. Each item's snapshot is taken when the listing reaches it,
// relative to the open folder.
#pragma once

#include <memory>

#include "platform/file_item.h"

namespace MacintoshPlatform {

class FileLoop {
 public:
  // A finished listing.
  FileLoop() noexcept;
  explicit FileLoop(FileLocation const& folder);
  ~FileLoop();
  FileLoop(FileLoop&&) noexcept;
  FileLoop& operator=(FileLoop&&) noexcept;

  // Lists `folder` (following a symbolic link to a folder). When nothing is there,
  // or no folder, the listing is finished at once. A folder that may not be read
  // throws `FilePermissionError`; other failures to open it `FSIteratorCreateError`.
  void Start(FileLocation const& folder);
  // Lists the current item of `parent`, opened through the parent's open folder
  // and never through a symbolic link: when the item is a link (or no folder, or
  // gone), the listing is finished at once. Failures throw as `Start` does. A walk
  // down a tree that starts each level this way stays inside the tree, whatever is
  // renamed or replaced by links meanwhile.
  void StartInside(FileLoop const& parent);

  bool Finished() const noexcept;
  // The current item; a finished listing throws `FailedToGetFileItem`.
  FileItem const& operator*() const;
  FileItem const* operator->() const { return &**this; }
  // Moves to the next item; reading the folder fails with `FileLoopFailed`.
  FileLoop& operator++();

  // The folder being listed.
  FileLocation const& Folder() const noexcept { return folder_; }

 private:
  struct Stream;

  void Begin(FileLocation folder, int descriptor);
  void Advance();
  void Finish() noexcept;

  FileLocation folder_;
  std::unique_ptr<Stream> stream_;  // null once finished
  FileItem current_;
};

}  // namespace MacintoshPlatform
