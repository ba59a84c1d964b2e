// The machine's clocks, in microseconds.
#pragma once

#include <cstdint>

namespace MacintoshPlatform {

// The wall-clock time: microseconds since 1 January 1970 00:00:00 GMT, rounded down.
std::int64_t CurrentTimeMicroseconds();

// A counter that only moves forward, unaffected by changes of the wall clock:
// microseconds since an arbitrary point (the machine's start).
std::uint64_t Microseconds();

}  // namespace MacintoshPlatform
