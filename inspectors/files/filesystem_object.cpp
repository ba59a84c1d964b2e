#include "inspectors/files/filesystem_object.h"

#include <string_view>

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/files/lookup_cache.h"

namespace inspectors {
namespace {

LookupCache<kFileCacheSlots> itemCache;

void ClearFileSystemObjectCache() {
  itemCache.Clear();
}

std::string_view View(inspector_string const& text) noexcept {
  return {reinterpret_cast<char const*>(text.bytes), text.length};
}

}  // namespace

bool IsOfKind(FileItem const& item, ItemKind kind) {
  switch (kind) {
    case ItemKind::kFile:
      return item.IsFile();
    case ItemKind::kFolder:
      return item.IsDirectory();
    case ItemKind::kAny:
      break;
  }
  return true;
}

FileItem OfKind(FileItem item, ItemKind kind) {
  if (!IsOfKind(item, kind)) throw NoSuchObject();
  return item;
}

FileItem ChildItem(FileItem const& parent, unsigned char const* name, unsigned long length,
                   ItemKind kind) {
  FileName const child =
      ExactFileName(std::string_view(reinterpret_cast<char const*>(name), length));
  return OfKind(FileItem(FileLocation(parent.Location(), child)), kind);
}

Instant FileTimeToInstant(FileTime time) noexcept {
  return Instant(MicrosecondsSince1970(time));
}

boolean operator==(filesystem_object const& a, filesystem_object const& b) {
  return a.item == b.item;
}

filesystem_object object_of(unsigned char const* name, unsigned long length, folder const& parent) {
  return {itemCache.Answer(LookupKey{parent.item, TextOf(name, length)},
                           [&] { return ChildItem(parent.item, name, length, ItemKind::kAny); })};
}

filesystem_object sibling_object_of(unsigned char const* name, unsigned long length,
                                    filesystem_object const& object) {
  return object_of(name, length, parent_folder_of(object));
}

moment creation_time_of(filesystem_object const& object) {
  return AsMoment(FileTimeToInstant(object.item.CreationTime()));
}

moment modification_time_of(filesystem_object const& object) {
  return AsMoment(FileTimeToInstant(object.item.ModificationTime()));
}

moment backup_time_of(filesystem_object const& object) {
  return AsMoment(FileTimeToInstant(object.item.BackupTime()));
}

folder parent_folder_of(filesystem_object const& object) {
  folder parent;
  parent.item = FileItem(object.item.Location().Parent());
  return parent;
}

inspector_string name_of(filesystem_object const& object) {
  return CopyToInspectorString(object.item.Name().View());
}

void filesystem_object_iterator::Start(folder const& parent) {
  loop_.Start(parent.item.Location());
}

FileItem filesystem_object_iterator::Next(ItemKind kind, inspector_string const& suffix) {
  while (!loop_.Finished()) {
    FileItem item = *loop_;
    ++loop_;
    Check_For_Inspector_Interruption();
    if (IsOfKind(item, kind) && HasSuffix(item.Name(), View(suffix), false)) return item;
  }
  throw NoSuchObject();
}

namespace {

inspector_string const kEverySuffix{};

}  // namespace

filesystem_object filesystem_object_iterator::FirstItem(Of, folder const& parent) {
  Start(parent);
  return NextItem(Of{}, parent);
}
filesystem_object filesystem_object_iterator::NextItem(Of, folder const&) {
  return {Next(ItemKind::kAny, kEverySuffix)};
}
filesystem_object filesystem_object_iterator::FirstItemEndingIn(inspector_string const& suffix, Of,
                                                                folder const& parent) {
  Start(parent);
  return NextItemEndingIn(suffix, Of{}, parent);
}
filesystem_object filesystem_object_iterator::NextItemEndingIn(inspector_string const& suffix, Of,
                                                               folder const&) {
  return {Next(ItemKind::kAny, suffix)};
}

file filesystem_object_iterator::FirstFile(Of, folder const& parent) {
  Start(parent);
  return NextFile(Of{}, parent);
}
file filesystem_object_iterator::NextFile(Of, folder const&) {
  return {{Next(ItemKind::kFile, kEverySuffix)}};
}
file filesystem_object_iterator::FirstFileEndingIn(inspector_string const& suffix, Of,
                                                   folder const& parent) {
  Start(parent);
  return NextFileEndingIn(suffix, Of{}, parent);
}
file filesystem_object_iterator::NextFileEndingIn(inspector_string const& suffix, Of,
                                                  folder const&) {
  return {{Next(ItemKind::kFile, suffix)}};
}

folder filesystem_object_iterator::FirstFolder(Of, folder const& parent) {
  Start(parent);
  return NextFolder(Of{}, parent);
}
folder filesystem_object_iterator::NextFolder(Of, folder const&) {
  return {{Next(ItemKind::kFolder, kEverySuffix)}};
}
folder filesystem_object_iterator::FirstFolderEndingIn(inspector_string const& suffix, Of,
                                                       folder const& parent) {
  Start(parent);
  return NextFolderEndingIn(suffix, Of{}, parent);
}
folder filesystem_object_iterator::NextFolderEndingIn(inspector_string const& suffix, Of,
                                                      folder const&) {
  return {{Next(ItemKind::kFolder, suffix)}};
}

namespace {

using It = filesystem_object_iterator;

Type<filesystem_object, kNotFingerprinted> const filesystemObjectType;
RelationEqual<filesystem_object, filesystem_object> const sameObject(kDependsOnlyOnParameters);
NamedProperty<folder, filesystem_object> const item("item", "items", &object_of,
                                                    kDependsOnMachineState);
NamedProperty<filesystem_object, filesystem_object> const siblingItem("sibling item",
                                                                      "sibling items",
                                                                      &sibling_object_of,
                                                                      kDependsOnMachineState);
Property<filesystem_object, moment> const creationTime("creation time", "creation times",
                                                       &creation_time_of, kDependsOnlyOnParameters);
Property<filesystem_object, moment> const modificationTime("modification time",
                                                           "modification times",
                                                           &modification_time_of,
                                                           kDependsOnlyOnParameters);
Property<filesystem_object, moment> const backupTime("backup time", "backup times", &backup_time_of,
                                                     kDependsOnMachineState);
Property<filesystem_object, folder> const parentFolder("parent folder", "parent folders",
                                                       &parent_folder_of, kDependsOnMachineState);
Property<filesystem_object, inspector_string> const name("name", "names", &name_of,
                                                         kDependsOnlyOnParameters);
Prop const items("item", "items", &It::FirstItem, &It::NextItem, kDependsOnMachineState);
Prop const itemsEndingIn("item ending in", "items ending in", &It::FirstItemEndingIn,
                         &It::NextItemEndingIn, kDependsOnMachineState);
Prop const files("file", "files", &It::FirstFile, &It::NextFile, kDependsOnMachineState);
Prop const filesEndingIn("file ending in", "files ending in", &It::FirstFileEndingIn,
                         &It::NextFileEndingIn, kDependsOnMachineState);
Prop const folders("folder", "folders", &It::FirstFolder, &It::NextFolder, kDependsOnMachineState);
Prop const foldersEndingIn("folder ending in", "folders ending in", &It::FirstFolderEndingIn,
                           &It::NextFolderEndingIn, kDependsOnMachineState);
CacheRegistration<&ClearFileSystemObjectCache> const itemCacheRegistration;

}  // namespace

}  // namespace inspectors
