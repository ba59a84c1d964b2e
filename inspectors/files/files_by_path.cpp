#include "inspectors/files/files_by_path.h"

#include <string>

#include "framework/inspector.h"

namespace inspectors {
namespace {

LookupCache<kFileCacheSlots> relativeFileCache;
LookupCache<kFileCacheSlots> worldFileCache;

void ClearMacFileCaches() {
  relativeFileCache.Clear();
  worldFileCache.Clear();
}

}  // namespace

LookupKey PathKey(folder const* base, unsigned char const* path, unsigned long length,
                  PathStyle style) {
  std::string text(1, style == PathStyle::kHFS ? ':' : '/');
  text += TextOf(path, length);
  return LookupKey{base == nullptr ? FileItem() : base->item, std::move(text)};
}

FileItem ItemAtPath(folder const* base, unsigned char const* path, unsigned long length,
                    PathStyle style, ItemKind kind) {
  char const* const text = reinterpret_cast<char const*>(path);
  FileLocation location =
      base == nullptr ? MakeFileLocation(text, length, style)
                      : MakeRelativeFileLocation(base->item.Location(), text, length, style);
  return OfKind(FileItem(std::move(location)), kind);
}

file file_of_world(unsigned char const* path, unsigned long length, PathStyle style) {
  return {{worldFileCache.Answer(PathKey(nullptr, path, length, style), [&] {
    return ItemAtPath(nullptr, path, length, style, ItemKind::kFile);
  })}};
}

file relative_file_of(unsigned char const* path, unsigned long length, folder const& base,
                      PathStyle style) {
  return {{relativeFileCache.Answer(PathKey(&base, path, length, style), [&] {
    return ItemAtPath(&base, path, length, style, ItemKind::kFile);
  })}};
}

file posix_file_of_world(unsigned char const* path, unsigned long length) {
  return file_of_world(path, length, PathStyle::kPOSIX);
}
file hfs_file_of_world(unsigned char const* path, unsigned long length) {
  return file_of_world(path, length, PathStyle::kHFS);
}
file posix_relative_file_of(unsigned char const* path, unsigned long length, folder const& base) {
  return relative_file_of(path, length, base, PathStyle::kPOSIX);
}
file hfs_relative_file_of(unsigned char const* path, unsigned long length, folder const& base) {
  return relative_file_of(path, length, base, PathStyle::kHFS);
}

file_type type_of(file const& f) {
  return {f.item.Location().Type()};
}

file_signature creator_of(file const& f) {
  return {f.item.Location().CreatorType()};
}

namespace {

NamedProperty<folder, file> const relativeFile("relative file", "relative files",
                                               &posix_relative_file_of, kDependsOnMachineState);
NamedProperty<folder, file> const relativeHFSFile("relative hfs file", "relative hfs files",
                                                  &hfs_relative_file_of, kDependsOnMachineState);
NamedProperty<folder, file> const relativePOSIXFile("relative posix file", "relative posix files",
                                                    &posix_relative_file_of,
                                                    kDependsOnMachineState);
NamedGlobalProperty<file> const worldFile("file", "files", &posix_file_of_world,
                                          kDependsOnMachineState);
NamedGlobalProperty<file> const worldHFSFile("hfs file", "hfs files", &hfs_file_of_world,
                                             kDependsOnMachineState);
NamedGlobalProperty<file> const worldPOSIXFile("posix file", "posix files", &posix_file_of_world,
                                               kDependsOnMachineState);
Property<file, file_type> const type("type", "types", &type_of, kDependsOnMachineState);
Property<file, file_signature> const creator("creator", "creators", &creator_of,
                                             kDependsOnMachineState);
CacheRegistration<&ClearMacFileCaches> const fileCachesRegistration;

}  // namespace

}  // namespace inspectors
