// The clocks' units and epochs, against the C library's seconds and a known pause.
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

TEST(Clocks, CounterMovesInMicroseconds) {
  std::uint64_t const first = MacintoshPlatform::Microseconds();
  timespec const pause{0, 20000000};  // 20 ms
  nanosleep(&pause, nullptr);
  std::uint64_t const elapsed = MacintoshPlatform::Microseconds() - first;
  EXPECT_GE(elapsed, 20000u);
  EXPECT_LT(elapsed, 60000000u);
}

}  // namespace
