// The types "active directory server", the machine's directory service, and
// "active directory local computer", this machine's entry in it:
//
//   distinguished name of local computer of active directory
//   distinguished name error message of local computer of active directory
//
// The distinguished name and the error message each come from a cache of their own
// with the retry policy of directory_cache.h. The message is there only while the
// lookup fails, and says at which step it failed; while it succeeds, the message has
// no value.
#pragma once

#include <string>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "platform/directory_lookup.h"

namespace inspectors {

struct ActiveDirectoryServer {
  static ActiveDirectoryServer const& The() noexcept;
  static char const* TypeName() noexcept { return "active directory server"; }
};

struct ActiveDirectoryLocalComputer {
  static char const* TypeName() noexcept { return "active directory local computer"; }

  // Through the caches; no value when there is none to serve.
  static std::string const& GetDistinguishedName();
  static std::string const& GetDistinguishedNameErrorMessage();
};

// The message for a lookup that stopped at `step`; null for a lookup that succeeded.
char const* DirectoryErrorMessage(MacintoshPlatform::DirectoryStep step) noexcept;

ActiveDirectoryServer ActiveDirectoryOfWorld();
ActiveDirectoryLocalComputer LocalComputerObjectOfActiveDirectoryServer(
    Of, ActiveDirectoryServer const& server);
inspector_string DistinguishedNameOfActiveDirectoryComputer(
    Of, ActiveDirectoryLocalComputer const& computer);
inspector_string DistinguishedNameErrorMessageOfActiveDirectoryComputer(
    Of, ActiveDirectoryLocalComputer const& computer);

}  // namespace inspectors
