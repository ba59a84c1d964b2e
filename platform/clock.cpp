#include "platform/clock.h"

#include <time.h>

namespace MacintoshPlatform {
namespace {

constexpr std::int64_t kNanosecondsPerMicrosecond = 1000;
constexpr std::int64_t kMicrosecondsPerSecond = 1000000;

// tv_nsec is always in 0..999999999, so the sub-second part rounds down even before
// 1970.
std::int64_t MicrosecondsOf(timespec const& t) {
  return static_cast<std::int64_t>(t.tv_sec) * kMicrosecondsPerSecond +
         static_cast<std::int64_t>(t.tv_nsec) / kNanosecondsPerMicrosecond;
}

}  // namespace

std::int64_t CurrentTimeMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return MicrosecondsOf(now);
}

std::uint64_t Microseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(MicrosecondsOf(now));
}

}  // namespace MacintoshPlatform
