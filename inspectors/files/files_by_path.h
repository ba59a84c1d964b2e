// Files named by a path: from the world ("file", "posix file", "hfs file") or
// relative to a folder ("relative file", "relative posix file", "relative hfs
// file"), and a file's type and creator codes. The unqualified forms take POSIX
// paths; platform/file_location.h says how either style becomes a location.
#pragma once

#include "inspectors/files/filesystem_object.h"
#include "inspectors/files/lookup_cache.h"

namespace inspectors {

// The four-byte codes of a file's type and creator, which the evaluator registers.
struct file_type {
  FileCode code;
  static char const* TypeName() noexcept { return "file type"; }
};
struct file_signature {
  FileCode code;
  static char const* TypeName() noexcept { return "file signature"; }
};
static_assert(sizeof(file_type) == 4 && sizeof(file_signature) == 4);

// The item at the path, relative to `base` (or to the current folder when there is
// none), checked to be of the kind.
FileItem ItemAtPath(folder const* base, unsigned char const* path, unsigned long length,
                    PathStyle style, ItemKind kind);
// What the path lookups' caches keep their answers by: the base, the style and the
// text ("a:b" names different items in the two styles).
LookupKey PathKey(folder const* base, unsigned char const* path, unsigned long length,
                  PathStyle style);

// Nothing at the path, or a folder, has no value; text that makes no path throws
// `CFURLCreateWithFileSystemPathFailed` (relative forms:
// `CFURLCreateWithFileSystemPathRelativeToBaseFailed`).
file file_of_world(unsigned char const* path, unsigned long length, PathStyle style);
file relative_file_of(unsigned char const* path, unsigned long length, folder const& base,
                      PathStyle style);
file posix_file_of_world(unsigned char const* path, unsigned long length);
file hfs_file_of_world(unsigned char const* path, unsigned long length);
file posix_relative_file_of(unsigned char const* path, unsigned long length, folder const& base);
file hfs_relative_file_of(unsigned char const* path, unsigned long length, folder const& base);

// Read afresh from the file's location; this system keeps no codes, so both are
// zero for every file.
file_type type_of(file const& f);
file_signature creator_of(file const& f);

}  // namespace inspectors
