// The wall clock's unit and epoch, against the C library's real-time clock. The
// counter is measured by the tests of the time marks built on it.
#include "platform/clock.h"

#include <time.h>

#include <cstdint>

#include <gtest/gtest.h>

namespace {

std::int64_t RealTimeMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return std::int64_t{now.tv_sec} * 1000000 + now.tv_nsec / 1000;
}

// time() reads the kernel's coarse clock, which may lag the precise one by a
// tick, so the bounds come from the precise clock itself.
TEST(Clocks, WallClockIsInMicrosecondsSince1970) {
  std::int64_t const before = RealTimeMicroseconds();
  std::int64_t const now = MacintoshPlatform::CurrentTimeMicroseconds();
  std::int64_t const after = RealTimeMicroseconds();
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
}

}  // namespace
