// The inspector types "filesystem object", "file" and "folder", and what every
// filesystem object has: equality, a child of a folder by name ("item"), siblings,
// the parent folder, the name, the creation, modification and backup times, and the
// listings of a folder's items, files and folders, optionally only those whose name
// ends in a text.
//
// A value of any of the three types is one FileItem: a location and the snapshot
// taken when the value was made. Properties read the snapshot in the value; a
// lookup reads the file system again.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/time/clock.h"
#include "inspectors/time/moment.h"
#include "platform/file_layer.h"

namespace inspectors {

// "file" and "folder" add nothing to "filesystem object", so that the evaluator may
// hand either to a function that takes a filesystem object.
struct filesystem_object {
  FileItem item;

  static char const* TypeName() noexcept { return "filesystem object"; }
};

// A filesystem object that is not a folder (a plain file, or a device, pipe or
// socket, or a symbolic link that leads nowhere).
struct file : filesystem_object {
  static char const* TypeName() noexcept { return "file"; }
};

struct folder : filesystem_object {
  static char const* TypeName() noexcept { return "folder"; }
};

enum class ItemKind { kAny, kFile, kFolder };

// Whether the snapshot is of the kind: a file is anything but a folder.
bool IsOfKind(FileItem const& item, ItemKind kind);
// The item, checked to be of the kind; the wrong kind has no value.
FileItem OfKind(FileItem item, ItemKind kind);
// The child of `parent` named by the bytes, of the kind. A name with '/' throws
// `IllegalFileName`, an empty one or one of more than 255 bytes
// `IllegalFileNameLength`; nothing there throws `FailedToGetFileItem`.
FileItem ChildItem(FileItem const& parent, unsigned char const* name, unsigned long length,
                   ItemKind kind);

Instant FileTimeToInstant(FileTime time) noexcept;

// The same node (see FileItem), else the same location.
boolean operator==(filesystem_object const& a, filesystem_object const& b);

// The child `name` of the folder, file or folder; nothing there has no value, nor a
// name with '/' (`IllegalFileName`) or of more than 255 bytes
// (`IllegalFileNameLength`) makes one. Each lookup keeps its last answers until the
// evaluator clears the caches.
filesystem_object object_of(unsigned char const* name, unsigned long length, folder const& parent);
// The same in the object's parent folder.
filesystem_object sibling_object_of(unsigned char const* name, unsigned long length,
                                    filesystem_object const& object);

moment creation_time_of(filesystem_object const& object);
moment modification_time_of(filesystem_object const& object);
moment backup_time_of(filesystem_object const& object);
// The root has none (`RootHasNoParent`).
folder parent_folder_of(filesystem_object const& object);
// The last component of the path, as bytes; the root has none
// (`IllegalFileNameLength`).
inspector_string name_of(filesystem_object const& object);

// The listings of a folder, in the file system's order. A folder that is gone lists
// nothing.
class filesystem_object_iterator {
 public:
  filesystem_object FirstItem(Of, folder const& parent);
  filesystem_object NextItem(Of, folder const& parent);
  filesystem_object FirstItemEndingIn(inspector_string const& suffix, Of, folder const& parent);
  filesystem_object NextItemEndingIn(inspector_string const& suffix, Of, folder const& parent);
  file FirstFile(Of, folder const& parent);
  file NextFile(Of, folder const& parent);
  file FirstFileEndingIn(inspector_string const& suffix, Of, folder const& parent);
  file NextFileEndingIn(inspector_string const& suffix, Of, folder const& parent);
  folder FirstFolder(Of, folder const& parent);
  folder NextFolder(Of, folder const& parent);
  folder FirstFolderEndingIn(inspector_string const& suffix, Of, folder const& parent);
  folder NextFolderEndingIn(inspector_string const& suffix, Of, folder const& parent);

 private:
  void Start(folder const& parent);
  // The next item of the kind whose name ends in the suffix; NoSuchObject after the last.
  FileItem Next(ItemKind kind, inspector_string const& suffix);

  FileLoop loop_;
};

}  // namespace inspectors
