#include "inspectors/files/file.h"

#include <cstdint>
#include <string>

#include "framework/inspector.h"
#include "inspectors/files/lookup_cache.h"

namespace inspectors {
namespace {

LookupCache<kFileCacheSlots> fileCache;

void ClearFileCaches() {
  fileCache.Clear();
}

void FingerprintCount(Fingerprinter& f, std::uint64_t count) {
  unsigned char bytes[8];
  for (unsigned char& b : bytes) {
    b = static_cast<unsigned char>(count & 0xFF);
    count >>= 8;
  }
  Fingerprint_Byte_Range(f, bytes, bytes + sizeof bytes);
}

}  // namespace

Fingerprinter& operator<<(Fingerprinter& f, file const& value) {
  std::string const& path = value.item.Location().POSIXPath();
  Fingerprint_Byte_Range(f, path.data(), path.data() + path.size());
  FingerprintCount(f, value.item.Length());
  FingerprintCount(f, value.item.ResourceLength());
  return f << creation_time_of(value) << modification_time_of(value);
}

file file_of(unsigned char const* name, unsigned long length, folder const& parent) {
  return {{fileCache.Answer(LookupKey{parent.item, TextOf(name, length)}, [&] {
    return ChildItem(parent.item, name, length, ItemKind::kFile);
  })}};
}

file sibling_file_of(unsigned char const* name, unsigned long length,
                     filesystem_object const& object) {
  return file_of(name, length, parent_folder_of(object));
}

file asFile(filesystem_object const& object) {
  return {{OfKind(object.item, ItemKind::kFile)}};
}

namespace {

DerivedType<file, filesystem_object, kFingerprinted> const fileType;
NamedProperty<folder, file> const fileOfFolder("file", "files", &file_of, kDependsOnMachineState);
NamedProperty<filesystem_object, file> const siblingFile("sibling file", "sibling files",
                                                         &sibling_file_of, kDependsOnMachineState);
Cast<filesystem_object, file> const asFileCast("file", &asFile, kDependsOnMachineState);
CacheRegistration<&ClearFileCaches> const fileCacheRegistration;

}  // namespace

}  // namespace inspectors
