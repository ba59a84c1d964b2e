#include "platform/local_time_zone.h"

#include <time.h>

namespace MacintoshPlatform {

std::int32_t CurrentGMTOffsetSeconds() {
  // localtime_r reads the zone rules afresh only after tzset(); call it so that a
  // change of TZ during the process's life is seen.
  tzset();
  time_t const now = time(nullptr);
  struct tm local {};
  if (localtime_r(&now, &local) == nullptr) return 0;
  return static_cast<std::int32_t>(local.tm_gmtoff);
}

}  // namespace MacintoshPlatform
