#include "inspectors/files/folder.h"

#include "framework/inspector.h"
#include "inspectors/files/lookup_cache.h"

namespace inspectors {
namespace {

LookupCache<kFolderCacheSlots> folderCache;

void ClearFolderCaches() {
  folderCache.Clear();
}

}  // namespace

folder folder_of(unsigned char const* name, unsigned long length, folder const& parent) {
  return {{folderCache.Answer(LookupKey{parent.item, TextOf(name, length)}, [&] {
    return ChildItem(parent.item, name, length, ItemKind::kFolder);
  })}};
}

folder sibling_folder_of(unsigned char const* name, unsigned long length,
                         filesystem_object const& object) {
  return folder_of(name, length, parent_folder_of(object));
}

folder asFolder(filesystem_object const& object) {
  return {{OfKind(object.item, ItemKind::kFolder)}};
}

namespace {

DerivedType<folder, filesystem_object, kNotFingerprinted> const folderType;
NamedProperty<folder, folder> const folderOfFolder("folder", "folders", &folder_of,
                                                   kDependsOnMachineState);
NamedProperty<filesystem_object, folder> const siblingFolder("sibling folder", "sibling folders",
                                                             &sibling_folder_of,
                                                             kDependsOnMachineState);
Cast<filesystem_object, folder> const asFolderCast("folder", &asFolder, kDependsOnMachineState);
CacheRegistration<&ClearFolderCaches> const folderCacheRegistration;

}  // namespace

}  // namespace inspectors
