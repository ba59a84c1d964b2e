#include "inspectors/time/machine_location.h"

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

constexpr std::uint32_t kOffsetBits = 0x00FFFFFFu;
constexpr std::uint32_t kOffsetSignBit = 0x00800000u;
constexpr std::uint32_t kDaylightBit = 0x80000000u;
constexpr long kLargestOffset = 0x7FFFFF;

}  // namespace

MachineLocationObject::MachineLocationObject() : record_{} {
  MacintoshPlatform::ReadLocation(record_);
}

MachineLocationObject const& MachineLocationObject::The() {
  static MachineLocationObject const location;
  return location;
}

std::int32_t MachineLocationObject::SecondsEastOfGMT() const noexcept {
  std::int32_t const low = static_cast<std::int32_t>(record_.gmtDelta & kOffsetBits);
  return (record_.gmtDelta & kOffsetSignBit) != 0 ? low - 0x01000000 : low;
}

bool MachineLocationObject::SavingDaylight() const noexcept {
  return (record_.gmtDelta & kDaylightBit) != 0;
}

void MachineLocationObject::SetSecondsFromGMT(long seconds) {
  if (seconds < -kLargestOffset - 1 || seconds > kLargestOffset) throw TimeOutOfRange();
  record_.gmtDelta = (record_.gmtDelta & ~kOffsetBits) | (static_cast<std::uint32_t>(seconds) & kOffsetBits);
}

void MachineLocationObject::SetSavingDaylight(bool saving) noexcept {
  record_.gmtDelta = saving ? record_.gmtDelta | kDaylightBit : record_.gmtDelta & ~kDaylightBit;
}

}  // namespace inspectors
