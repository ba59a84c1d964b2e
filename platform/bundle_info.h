// The version keys of an application bundle: a folder holding Contents/Info.plist, a
// property list in its XML or binary form whose top is a dictionary.
#pragma once

#include <cstddef>
#include <string>

#include "platform/file_location.h"

namespace MacintoshPlatform {

// One key of the bundle's information dictionary.
struct BundleKey {
  enum class Kind { kAbsent, kString, kOther };  // kOther: present, not a string
  Kind kind = Kind::kAbsent;
  std::string text;  // the string, for kString
};

// The longest Info.plist read.
inline constexpr std::size_t kLongestInfo = 16 * 1024 * 1024;

struct BundleVersionKeys {
  BundleKey bundleVersion;       // "CFBundleVersion"
  BundleKey shortVersionString;  // "CFBundleShortVersionString"
};

// Reads the keys of the bundle at `folder`. A location that is no folder throws
// `CFBundleCreateFailed`; a folder without Contents/Info.plist gives both keys absent,
// as a bundle without information does. An Info.plist that is longer than
// `kLongestInfo`, or is no property list with a dictionary at its top, throws
// `DictionaryCreateFromXMLDataFailed`, as does any Info.plist when the property-list
// library cannot be loaded; one that cannot be read throws as the file
// layer does (file_reading.h).
BundleVersionKeys ReadBundleVersionKeys(FileLocation const& folder);

}  // namespace MacintoshPlatform
