// The operating system's version record: the product version from the os-release
// file (its VERSION_ID), and the machine name and kernel version from uname.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace MacintoshPlatform {

class SystemVersionRecord {
 public:
  // The record, read on the first call that succeeds and kept for the process. Until
  // then each call reads again: no os-release file (/etc/os-release, else
  // /usr/lib/os-release) throws `FailedToLoadOSXVersionDictionary`, a failing uname
  // `FailedToLoadunameInformation`.
  static SystemVersionRecord const& The();

  // The VERSION_ID value; a file without one throws `FailedToGetStringValue`.
  std::string const& ProductVersion() const;
  std::string const& Machine() const noexcept { return machine_; }
  std::string const& KernelVersion() const noexcept { return kernelVersion_; }

 private:
  SystemVersionRecord() = default;
  static SystemVersionRecord Load();

  std::optional<std::string> productVersion_;
  std::string machine_;
  std::string kernelVersion_;
};

// The value of `key` in os-release text: lines of KEY=VALUE, the value optionally in
// double quotes (where \" \\ \$ and \` stand for the second byte) or in single
// quotes; '#' lines and lines without '=' are skipped. The last assignment counts.
std::optional<std::string> OSReleaseValue(std::string_view text, std::string_view key);

}  // namespace MacintoshPlatform
