#include "inspectors/system/version_sources.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"
#include "platform/bundle_info.h"
#include "platform/system_version.h"

namespace inspectors {
namespace {

using MacintoshPlatform::BundleKey;

constexpr NumVersion kStageAndBuild = 0xffff;

// The key's text read as a version; absent has no value, another kind of value fails.
inspector_version VersionOfKey(BundleKey const& key) {
  switch (key.kind) {
    case BundleKey::Kind::kAbsent: throw NoSuchObject();
    case BundleKey::Kind::kOther: throw CFCastError<inspector_string>();
    case BundleKey::Kind::kString: break;
  }
  return TextToVersion(ConstData(key.text));
}

// CFBundleVersion packed, or 0 when absent, not a string, or not packable.
NumVersion PackedBundleVersion(MacintoshPlatform::BundleVersionKeys const& keys) {
  if (keys.bundleVersion.kind != BundleKey::Kind::kString) return 0;
  return PackedVersion(TextToVersion(ConstData(keys.bundleVersion.text)));
}

bool IsFolder(filesystem_object const& o) {
  return o.item.IsDirectory();
}

}  // namespace

inspector_version numbered_version_of_file(integer const&, Of, file const&) {
  throw NoSuchObject();
}

inspector_version version_of_file(Of, file const& f) {
  return numbered_version_of_file(1, Of{}, f);
}

inspector_version VersionOfFolder(Of, folder const& f) {
  auto const keys = MacintoshPlatform::ReadBundleVersionKeys(f.item.Location());
  if (NumVersion const packed = PackedBundleVersion(keys); packed != 0) {
    return VersionOfNumVersion(packed & ~kStageAndBuild);
  }
  return VersionOfKey(keys.shortVersionString);
}

inspector_version BundleVersionOfFolder(Of, folder const& f) {
  auto const keys = MacintoshPlatform::ReadBundleVersionKeys(f.item.Location());
  if (NumVersion const packed = PackedBundleVersion(keys); packed != 0) {
    return VersionOfNumVersion(packed);
  }
  return VersionOfKey(keys.bundleVersion);
}

inspector_version VersionOfObject(Of, filesystem_object const& o) {
  if (IsFolder(o)) return VersionOfFolder(Of{}, static_cast<folder const&>(o));
  return version_of_file(Of{}, static_cast<file const&>(o));
}

inspector_version BundleVersionOfObject(Of, filesystem_object const& o) {
  if (IsFolder(o)) return BundleVersionOfFolder(Of{}, static_cast<folder const&>(o));
  throw NoSuchObject();
}

inspector_version sys_version_of() {
  try {
    auto const& record = MacintoshPlatform::SystemVersionRecord::The();
    return TextToVersion(ConstData(record.ProductVersion()));
  } catch (FailedToLoadOSXVersionDictionary const&) {
  } catch (FailedToLoadunameInformation const&) {
  } catch (FailedToGetStringValue const&) {
  }
  throw NoSuchObject();
}

namespace {

constexpr auto kPure = kDependsOnlyOnParameters;
constexpr auto kMachine = kDependsOnMachineState;

// One attempt at load time; a failure is tried again on first use.
bool TryToLoadSystemVersion() noexcept {
  try {
    MacintoshPlatform::SystemVersionRecord::The();
    return true;
  } catch (...) {
    return false;
  }
}

Prop const numberedVersionOfFile("version", "versions", &numbered_version_of_file, kPure);
Prop const versionOfFile("version", "versions", &version_of_file, kPure);
Prop const versionOfFolder("version", "versions", &VersionOfFolder, kMachine);
Prop const versionOfObject("version", "versions", &VersionOfObject, kMachine);
Prop const bundleVersionOfFolder("bundle version", "bundle versions", &BundleVersionOfFolder,
                                 kMachine);
Prop const bundleVersionOfObject("bundle version", "bundle versions", &BundleVersionOfObject,
                                 kMachine);
Prop const systemVersion("system version", "system versions", &sys_version_of, kMachine);
[[maybe_unused]] bool const systemVersionLoaded = TryToLoadSystemVersion();

}  // namespace

}  // namespace inspectors
