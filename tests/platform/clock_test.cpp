// The wall clock's unit and epoch, against the C library's seconds. The counter is
// measured by the tests of the time marks built on it.
#include "platform/clock.h"

#include <time.h>

#include <cstdint>

#include <gtest/gtest.h>

namespace {

TEST(Clocks, WallClockIsInMicrosecondsSince1970) {
  time_t const before = time(nullptr);
  std::int64_t const now = MacintoshPlatform::CurrentTimeMicroseconds();
  time_t const after = time(nullptr);
  EXPECT_GE(now, std::int64_t{before} * 1000000);
  EXPECT_LT(now, (std::int64_t{after} + 1) * 1000000);
}

}  // namespace
