// The machine's location record: a position and the offset from GMT with the
// daylight-saving flag, packed as the platform keeps them.
#pragma once

#include <cstdint>

#include "platform/local_time_zone.h"

namespace inspectors {

class MachineLocationObject {
 public:
  // Reads the record from the platform.
  MachineLocationObject();
  constexpr explicit MachineLocationObject(MacintoshPlatform::MachineLocation const& record) noexcept
      : record_(record) {}

  // Read once, on first use.
  static MachineLocationObject const& The();

  std::int32_t Latitude() const noexcept { return record_.latitude; }
  std::int32_t Longitude() const noexcept { return record_.longitude; }

  // The low 24 bits of the word, sign-extended.
  std::int32_t SecondsEastOfGMT() const noexcept;
  bool SavingDaylight() const noexcept;

  // Replaces the low 24 bits; an offset outside them (beyond about 97 days either
  // way) throws `TimeOutOfRange` and leaves the record unchanged.
  void SetSecondsFromGMT(long seconds);
  void SetSavingDaylight() noexcept { SetSavingDaylight(true); }
  void ClearSavingDaylight() noexcept { SetSavingDaylight(false); }
  void SetSavingDaylight(bool saving) noexcept;

  MacintoshPlatform::MachineLocation const& Record() const noexcept { return record_; }

 private:
  MacintoshPlatform::MachineLocation record_;
};

}  // namespace inspectors
