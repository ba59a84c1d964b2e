#include "framework/fingerprint.h"

#include "platform/local_time_zone.h"

namespace inspectors {

void DependsOnlyOnParameters(Fingerprinter&) {}

// The zone as a time zone value holds it: universal minus local time, so the negated
// offset east of GMT.
void DependsOnLocalTimeZone(Fingerprinter& f) {
  constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
  f << integer(-std::int64_t{MacintoshPlatform::CurrentGMTOffsetSeconds()} * kMicrosecondsPerSecond);
}

}  // namespace inspectors
