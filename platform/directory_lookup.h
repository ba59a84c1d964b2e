// The local computer's entry in the machine's LDAP directory.
//
// The directory is the one the LDAP client configuration names (`URI` and `BASE` of
// ldap.conf, with the client library's own rules: LDAPCONF, LDAPRC, LDAPNOINIT and
// the LDAP<option> environment variables); without a BASE there is no directory.
// The computer is the entry under `BASE` whose `cn` is the host name up to its first
// '.' and whose object class is `computer` or `device`; the lookup binds anonymously.
// SIGPIPE is blocked on the calling thread while the lookup talks to the server.
//
// Every network step is bounded: connecting (without blocking) by kConnectTimeout, the whole search by
// kSearchTimeout, and while it waits the lookup calls the evaluator's interruption
// check every kPollInterval, so that a query's own time limit stops it too.
#pragma once

#include <cstdint>
#include <string>

namespace MacintoshPlatform {

// The step at which a lookup stopped.
enum class DirectoryStep : std::uint8_t {
  kNone,                // found
  kMachineName,         // the host name could not be read, or is empty
  kOpenService,         // no directory is configured (no BASE), its URI is unusable, or
                        // the LDAP client library cannot be loaded
  kRecordList,          // the search failed: no server, a refusal, a time-out
  kRecordEntry,         // no computer entry of that name
  kAttributeValue,      // the entry's name could not be read
  kAttributeValueData,  // the entry's name is empty
};

struct DirectoryAnswer {
  DirectoryStep failedStep = DirectoryStep::kNone;
  std::string distinguishedName;  // when found
};

inline constexpr std::uint64_t kConnectTimeoutMicroseconds = 3'000'000;
inline constexpr std::uint64_t kSearchTimeoutMicroseconds = 5'000'000;
inline constexpr std::uint64_t kPollIntervalMicroseconds = 20'000;

// The host name up to its first '.'; empty when it cannot be read.
std::string LocalMachineName();

// The computer entry's distinguished name, or the step that failed. The
// evaluator's interruption check may throw out of it; every directory resource is
// released on every path.
DirectoryAnswer GetLocalComputerDistinguishedName();

// `value` escaped for an LDAP search filter: '*', '(', ')', '\' and NUL as \hh.
std::string EscapeFilterValue(std::string const& value);

}  // namespace MacintoshPlatform
