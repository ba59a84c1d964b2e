#include "platform/bundle_info.h"

#include <plist/plist.h>

#include <memory>
#include <string>

#include "foundation/exceptions.h"
#include "platform/file_reading.h"
#include "platform/system_library.h"

namespace MacintoshPlatform {
namespace {

// The property-list library's functions, resolved from the library on the first
// Info.plist read; it stays loaded for the life of the process.
struct PlistLibrary {
  decltype(&::plist_from_memory) fromMemory = nullptr;
  decltype(&::plist_free) free = nullptr;
  decltype(&::plist_get_node_type) nodeType = nullptr;
  decltype(&::plist_dict_get_item) dictionaryItem = nullptr;
  decltype(&::plist_get_string_ptr) stringPointer = nullptr;
  bool complete = false;
};

PlistLibrary const& Plist() {
  static PlistLibrary const plist = [] {
    PlistLibrary functions;
    SystemLibrary library(INSPECTORS_PLIST_LIBRARY);
    functions.complete = library.Resolve(functions.fromMemory, "plist_from_memory") &&
                         library.Resolve(functions.free, "plist_free") &&
                         library.Resolve(functions.nodeType, "plist_get_node_type") &&
                         library.Resolve(functions.dictionaryItem, "plist_dict_get_item") &&
                         library.Resolve(functions.stringPointer, "plist_get_string_ptr");
    return functions;
  }();
  return plist;
}

struct PlistFree {
  void operator()(plist_t node) const noexcept { Plist().free(node); }
};
using PlistHandle = std::unique_ptr<void, PlistFree>;

// The whole file, which is at most kLongestInfo bytes.
std::string ReadWhole(FileLocation const& location) {
  FileReadingPath path(location);
  std::string data;
  char chunk[64 * 1024];
  for (std::uint64_t offset = 0;;) {
    std::size_t const n = path.ReadAt(offset, inspectors::Data(chunk, sizeof chunk));
    if (n == 0) return data;
    if (data.size() + n > kLongestInfo) throw inspectors::DictionaryCreateFromXMLDataFailed();
    data.append(chunk, n);
    offset += n;
  }
}

BundleKey KeyOf(plist_t dictionary, char const* name) {
  BundleKey key;
  plist_t const node = Plist().dictionaryItem(dictionary, name);
  if (node == nullptr) return key;
  if (Plist().nodeType(node) != PLIST_STRING) {
    key.kind = BundleKey::Kind::kOther;
    return key;
  }
  std::uint64_t length = 0;
  char const* const text = Plist().stringPointer(node, &length);
  key.kind = BundleKey::Kind::kString;
  if (text != nullptr) key.text.assign(text, length);
  return key;
}

}  // namespace

BundleVersionKeys ReadBundleVersionKeys(FileLocation const& folder) {
  if (folder.Empty() || !folder.IsDirectory()) throw inspectors::CFBundleCreateFailed();
  FileLocation const info(FileLocation(folder, "Contents"), "Info.plist");
  if (!info.Exists()) return {};
  std::string const data = ReadWhole(info);
  // Without the property-list library, no information dictionary can be made.
  PlistLibrary const& plist = Plist();
  if (!plist.complete) throw inspectors::DictionaryCreateFromXMLDataFailed();
  plist_t root = nullptr;
  if (!data.empty()) plist.fromMemory(data.data(), static_cast<std::uint32_t>(data.size()), &root);
  PlistHandle const owner(root);
  if (root == nullptr || plist.nodeType(root) != PLIST_DICT) {
    throw inspectors::DictionaryCreateFromXMLDataFailed();
  }
  return {KeyOf(root, "CFBundleVersion"), KeyOf(root, "CFBundleShortVersionString")};
}

}  // namespace MacintoshPlatform
