// The os-release reader behind the system version, which no query can feed with
// text of its own, and the record read from this machine.
#include "platform/system_version.h"

#include <sys/utsname.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using MacintoshPlatform::OSReleaseValue;

TEST(OSRelease, ValuesAreUnquotedAndTheLastAssignmentCounts) {
  struct {
    char const* text;
    std::optional<std::string> expected;
  } const cases[] = {
      {"NAME=x\nVERSION_ID=12\n", "12"},
      {"VERSION_ID=\"22.04\"\n", "22.04"},
      {"VERSION_ID='3.18.4'", "3.18.4"},
      {"VERSION_ID=\"a\\\"b\\\\c\\$d\\`e\\n\"\n", "a\"b\\c$d`e\\n"},
      {"VERSION_ID=1\r\nVERSION_ID=2  \n", "2"},
      {"VERSION_ID=\n", ""},
      {"VERSION_ID=\"\"\n", ""},
      {"VERSION_ID=\"unclosed\n", "\"unclosed"},
      {"# VERSION_ID=9\nVERSION=12 (bookworm)\n", std::nullopt},
      {"XVERSION_ID=1\nVERSION_IDS=2\n VERSION_ID=3\n", std::nullopt},
      {"VERSION_ID", std::nullopt},
      {"", std::nullopt},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(OSReleaseValue(c.text, "VERSION_ID"), c.expected) << c.text;
  }
}

TEST(SystemVersionRecord, HoldsTheKernelNamesOfThisMachine) {
  struct utsname names {};
  ASSERT_EQ(::uname(&names), 0);
  auto const& record = MacintoshPlatform::SystemVersionRecord::The();
  EXPECT_EQ(record.Machine(), names.machine);
  EXPECT_EQ(record.KernelVersion(), names.version);
  EXPECT_EQ(&record, &MacintoshPlatform::SystemVersionRecord::The());
}

}  // namespace
