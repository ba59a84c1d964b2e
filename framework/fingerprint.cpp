#include "framework/fingerprint.h"

#include "platform/local_time_zone.h"

namespace inspectors {

void DependsOnlyOnParameters(Fingerprinter&) {}

void DependsOnLocalTimeZone(Fingerprinter& f) {
  constexpr std::int64_t kMicrosecondsPerSecond = 1000000;
  f << integer(std::int64_t{MacintoshPlatform::CurrentGMTOffsetSeconds()} * kMicrosecondsPerSecond);
}

}  // namespace inspectors
