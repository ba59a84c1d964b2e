#include "inspectors/system/directory_membership.h"

#include <optional>

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/system/directory_cache.h"

namespace inspectors {
namespace {

using MacintoshPlatform::DirectoryStep;

DirectoryCache& NameCache() {
  static DirectoryCache cache;
  return cache;
}
DirectoryCache& MessageCache() {
  static DirectoryCache cache;
  return cache;
}

std::optional<std::string> FetchName() {
  MacintoshPlatform::DirectoryAnswer answer = MacintoshPlatform::GetLocalComputerDistinguishedName();
  if (answer.failedStep != DirectoryStep::kNone) return std::nullopt;
  return std::move(answer.distinguishedName);
}

// A message is fetched when the lookup fails.
std::optional<std::string> FetchMessage() {
  char const* message =
      DirectoryErrorMessage(MacintoshPlatform::GetLocalComputerDistinguishedName().failedStep);
  if (message == nullptr) return std::nullopt;
  return std::string(message);
}

}  // namespace

ActiveDirectoryServer const& ActiveDirectoryServer::The() noexcept {
  static ActiveDirectoryServer const server;
  return server;
}

std::string const& ActiveDirectoryLocalComputer::GetDistinguishedName() {
  return NameCache().Get(TimeMark::Now(), &FetchName);
}

std::string const& ActiveDirectoryLocalComputer::GetDistinguishedNameErrorMessage() {
  return MessageCache().Get(TimeMark::Now(), &FetchMessage);
}

char const* DirectoryErrorMessage(DirectoryStep step) noexcept {
  switch (step) {
    case DirectoryStep::kNone: return nullptr;
    case DirectoryStep::kOpenService: return "dsOpenDirService() failed";
    case DirectoryStep::kRecordList: return "dsGetRecordList() failed";
    case DirectoryStep::kRecordEntry: return "dsGetRecordEntry() failed";
    case DirectoryStep::kAttributeValue: return "dsGetAttributeValue() failed";
    case DirectoryStep::kAttributeValueData: return "attr value was NULL";
    case DirectoryStep::kMachineName: break;
  }
  return "Unknown error";
}

ActiveDirectoryServer ActiveDirectoryOfWorld() { return ActiveDirectoryServer::The(); }

ActiveDirectoryLocalComputer LocalComputerObjectOfActiveDirectoryServer(
    Of, ActiveDirectoryServer const&) {
  return ActiveDirectoryLocalComputer{};
}

inspector_string DistinguishedNameOfActiveDirectoryComputer(Of,
                                                            ActiveDirectoryLocalComputer const&) {
  return CopyToInspectorString(std::string_view(ActiveDirectoryLocalComputer::GetDistinguishedName()));
}

inspector_string DistinguishedNameErrorMessageOfActiveDirectoryComputer(
    Of, ActiveDirectoryLocalComputer const&) {
  return CopyToInspectorString(
      std::string_view(ActiveDirectoryLocalComputer::GetDistinguishedNameErrorMessage()));
}

namespace {

constexpr auto kMachine = kDependsOnMachineState;

Type<ActiveDirectoryServer, kNotFingerprinted> const serverType;
Type<ActiveDirectoryLocalComputer, kNotFingerprinted> const computerType;

Prop const activeDirectory("active directory", "active directories", &ActiveDirectoryOfWorld,
                           kMachine);
Prop const localComputer("local computer", "local computers",
                         &LocalComputerObjectOfActiveDirectoryServer, kMachine);
Prop const distinguishedName("distinguished name", "distinguished names",
                             &DistinguishedNameOfActiveDirectoryComputer, kMachine);
Prop const distinguishedNameErrorMessage("distinguished name error message",
                                         "distinguished name error messages",
                                         &DistinguishedNameErrorMessageOfActiveDirectoryComputer,
                                         kMachine);

}  // namespace

}  // namespace inspectors
