// The machine's offset from GMT follows the process's time zone settings as they
// change.
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/local_time_zone.h"

namespace {

// Sets TZ for the test's duration and restores what was there.
class ZoneSetting {
 public:
  explicit ZoneSetting(char const* zone) {
    if (char const* old = std::getenv("TZ")) previous_ = old;
    setenv("TZ", zone, 1);
  }
  ~ZoneSetting() {
    if (previous_) {
      setenv("TZ", previous_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
  }

 private:
  std::optional<std::string> previous_;
};

TEST(CurrentGMTOffset, FollowsTheZoneInForce) {
  {
    ZoneSetting utc("UTC0");
    EXPECT_EQ(MacintoshPlatform::CurrentGMTOffsetSeconds(), 0);
  }
  {
    // POSIX zone strings count hours west of GMT; offsets here are east.
    ZoneSetting newYorkStandard("EST5");
    EXPECT_EQ(MacintoshPlatform::CurrentGMTOffsetSeconds(), -5 * 3600);
  }
  {
    ZoneSetting india("IST-5:30");
    EXPECT_EQ(MacintoshPlatform::CurrentGMTOffsetSeconds(), 5 * 3600 + 30 * 60);
  }
  {
    // Daylight saving all year round: the offset in force includes it.
    ZoneSetting alwaysSummer("XST-1XDT-2,J1/0,J365/25");
    EXPECT_EQ(MacintoshPlatform::CurrentGMTOffsetSeconds(), 2 * 3600);
  }
}

}  // namespace
