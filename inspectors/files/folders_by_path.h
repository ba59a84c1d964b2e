// Folders named by a path: from the world ("folder", "posix folder", "hfs folder")
// or relative to a folder ("relative folder", "relative posix folder", "relative hfs
// folder"). The unqualified forms take POSIX paths.
#pragma once

#include "inspectors/files/filesystem_object.h"

namespace inspectors {

// Nothing at the path, or no folder, has no value; text that makes no path throws
// as for files (files_by_path.h).
folder folder_of_world(unsigned char const* path, unsigned long length, PathStyle style);
folder relative_folder_of(unsigned char const* path, unsigned long length, folder const& base,
                          PathStyle style);
folder posix_folder_of_world(unsigned char const* path, unsigned long length);
folder hfs_folder_of_world(unsigned char const* path, unsigned long length);
folder posix_relative_folder_of(unsigned char const* path, unsigned long length,
                                folder const& base);
folder hfs_relative_folder_of(unsigned char const* path, unsigned long length, folder const& base);

}  // namespace inspectors
