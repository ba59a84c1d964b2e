// The machine's offset from GMT follows the process's time zone settings as they
// change.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/local_time_zone.h"

namespace {

TEST(CurrentGMTOffset, FollowsTheZoneInForce) {
  char const* const previous = std::getenv("TZ");
  std::string const saved = previous != nullptr ? previous : "";
  struct Case {
    char const* zone;
    long offset;
  };
  // POSIX zone strings count hours west of GMT; offsets here are east. The last zone
  // keeps daylight saving all year round: the offset in force includes it.
  for (Case const& c : {Case{"UTC0", 0}, Case{"EST5", -5 * 3600}, Case{"IST-5:30", 5 * 3600 + 1800},
                        Case{"XST-1XDT-2,J1/0,J365/25", 2 * 3600}}) {
    setenv("TZ", c.zone, 1);
    EXPECT_EQ(MacintoshPlatform::CurrentGMTOffsetSeconds(), c.offset) << c.zone;
  }
  if (previous != nullptr) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
}

}  // namespace
