#include "inspectors/files/folders_by_path.h"

#include "framework/inspector.h"
#include "inspectors/files/files_by_path.h"

namespace inspectors {
namespace {

LookupCache<kFolderCacheSlots> relativeFolderCache;
LookupCache<kFolderCacheSlots> worldFolderCache;

void ClearMacFolderCaches() {
  relativeFolderCache.Clear();
  worldFolderCache.Clear();
}

}  // namespace

folder folder_of_world(unsigned char const* path, unsigned long length, PathStyle style) {
  return {{worldFolderCache.Answer(PathKey(nullptr, path, length, style), [&] {
    return ItemAtPath(nullptr, path, length, style, ItemKind::kFolder);
  })}};
}

folder relative_folder_of(unsigned char const* path, unsigned long length, folder const& base,
                          PathStyle style) {
  return {{relativeFolderCache.Answer(PathKey(&base, path, length, style), [&] {
    return ItemAtPath(&base, path, length, style, ItemKind::kFolder);
  })}};
}

folder posix_folder_of_world(unsigned char const* path, unsigned long length) {
  return folder_of_world(path, length, PathStyle::kPOSIX);
}
folder hfs_folder_of_world(unsigned char const* path, unsigned long length) {
  return folder_of_world(path, length, PathStyle::kHFS);
}
folder posix_relative_folder_of(unsigned char const* path, unsigned long length,
                                folder const& base) {
  return relative_folder_of(path, length, base, PathStyle::kPOSIX);
}
folder hfs_relative_folder_of(unsigned char const* path, unsigned long length, folder const& base) {
  return relative_folder_of(path, length, base, PathStyle::kHFS);
}

namespace {

NamedProperty<folder, folder> const relativeFolder("relative folder", "relative folders",
                                                   &posix_relative_folder_of,
                                                   kDependsOnMachineState);
NamedProperty<folder, folder> const relativeHFSFolder("relative hfs folder", "relative hfs folders",
                                                      &hfs_relative_folder_of,
                                                      kDependsOnMachineState);
NamedProperty<folder, folder> const relativePOSIXFolder("relative posix folder",
                                                        "relative posix folders",
                                                        &posix_relative_folder_of,
                                                        kDependsOnMachineState);
NamedGlobalProperty<folder> const worldFolder("folder", "folders", &posix_folder_of_world,
                                              kDependsOnMachineState);
NamedGlobalProperty<folder> const worldHFSFolder("hfs folder", "hfs folders", &hfs_folder_of_world,
                                                 kDependsOnMachineState);
NamedGlobalProperty<folder> const worldPOSIXFolder("posix folder", "posix folders",
                                                   &posix_folder_of_world, kDependsOnMachineState);
CacheRegistration<&ClearMacFolderCaches> const folderCachesRegistration;

}  // namespace

}  // namespace inspectors
