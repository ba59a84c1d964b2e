#include "platform/bundle_info.h"

#include <plist/plist.h>

#include <memory>
#include <string>

#include "foundation/exceptions.h"
#include "platform/file_reading.h"

namespace MacintoshPlatform {
namespace {

struct PlistFree {
  void operator()(plist_t node) const noexcept { plist_free(node); }
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
  plist_t const node = plist_dict_get_item(dictionary, name);
  if (node == nullptr) return key;
  if (plist_get_node_type(node) != PLIST_STRING) {
    key.kind = BundleKey::Kind::kOther;
    return key;
  }
  std::uint64_t length = 0;
  char const* const text = plist_get_string_ptr(node, &length);
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
  plist_t root = nullptr;
  if (!data.empty()) plist_from_memory(data.data(), static_cast<std::uint32_t>(data.size()), &root);
  PlistHandle const owner(root);
  if (root == nullptr || plist_get_node_type(root) != PLIST_DICT) {
    throw inspectors::DictionaryCreateFromXMLDataFailed();
  }
  return {KeyOf(root, "CFBundleVersion"), KeyOf(root, "CFBundleShortVersionString")};
}

}  // namespace MacintoshPlatform
