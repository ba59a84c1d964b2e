// The machine's offset from GMT, as the process's time zone settings (TZ,
// /etc/localtime) give it, and the machine-location record built from it.
#pragma once

#include <cstdint>

namespace MacintoshPlatform {

// The local zone in force at one instant.
struct LocalZoneReading {
  std::int32_t secondsEastOfGMT = 0;  // daylight saving included
  bool savingDaylight = false;
};

// The local zone at `secondsSince1970` (seconds since 1 January 1970 GMT). An instant
// the platform cannot convert reads as GMT without daylight saving.
LocalZoneReading ReadLocalZoneAt(std::int64_t secondsSince1970);

// Seconds east of GMT of the local time zone now, daylight saving included.
std::int32_t CurrentGMTOffsetSeconds();

// The machine-location record: a position (this platform knows none, so 0 and 0) and
// a word whose low 24 bits are the signed offset from GMT in seconds and whose top bit
// is set while daylight-saving time is in effect.
struct MachineLocation {
  std::int32_t latitude = 0;
  std::int32_t longitude = 0;
  std::uint32_t gmtDelta = 0;
};

// Fills the record from the local zone in force now.
void ReadLocation(MachineLocation& location);

}  // namespace MacintoshPlatform
