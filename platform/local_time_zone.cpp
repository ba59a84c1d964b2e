#include "platform/local_time_zone.h"

#include <time.h>

namespace MacintoshPlatform {

static_assert(sizeof(time_t) == 8, "instants are converted as 64-bit seconds");

LocalZoneReading ReadLocalZoneAt(std::int64_t secondsSince1970) {
  // localtime_r reads the zone rules afresh only after tzset(); call it so that a
  // change of TZ during the process's life is seen.
  tzset();
  time_t const at = static_cast<time_t>(secondsSince1970);
  struct tm local {};
  if (localtime_r(&at, &local) == nullptr) return {};
  return {static_cast<std::int32_t>(local.tm_gmtoff), local.tm_isdst > 0};
}

std::int32_t CurrentGMTOffsetSeconds() {
  return ReadLocalZoneAt(time(nullptr)).secondsEastOfGMT;
}

void ReadLocation(MachineLocation& location) {
  LocalZoneReading const now = ReadLocalZoneAt(time(nullptr));
  location.latitude = 0;
  location.longitude = 0;
  // Offsets beyond 24 bits do not occur in zone rules (they are within a day); the
  // word keeps the low 24 bits.
  location.gmtDelta = (static_cast<std::uint32_t>(now.secondsEastOfGMT) & 0x00FFFFFFu) |
                      (now.savingDaylight ? 0x80000000u : 0u);
}

}  // namespace MacintoshPlatform
