// The machine's current offset from GMT.
#pragma once

#include <cstdint>

namespace MacintoshPlatform {

// Seconds east of GMT of the local time zone now, daylight saving included, as the
// process's time zone settings (TZ, /etc/localtime) give it.
std::int32_t CurrentGMTOffsetSeconds();

}  // namespace MacintoshPlatform
