// The machine's zone as the process's TZ setting gives it, read afresh at each call,
// and the machine-location record's packed word. The zone at a given instant, under
// daylight-saving rules, is in moment_daylight_saving.q.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"
#include "inspectors/time/machine_location.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {
namespace {

// Sets TZ for the life of the object and puts the previous setting back.
class ZoneSetting {
 public:
  explicit ZoneSetting(char const* zone) {
    char const* const previous = std::getenv("TZ");
    had_ = previous != nullptr;
    if (had_) previous_ = previous;
    setenv("TZ", zone, 1);
  }
  ~ZoneSetting() {
    if (had_) {
      setenv("TZ", previous_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
  }
  ZoneSetting(ZoneSetting const&) = delete;
  ZoneSetting& operator=(ZoneSetting const&) = delete;

 private:
  bool had_ = false;
  std::string previous_;
};

TEST(LocalZone, FollowsTZAtEachCall) {
  struct {
    char const* tz;
    std::int32_t offset;
    bool saving;
  } const cases[] = {{"UTC0", 0, false}, {"CET-1", 3600, false}, {"EST5", -18000, false},
                     // POSIX zones count west; a zone of half hours.
                     {"IST-5:30", 19800, false},
                     // Daylight saving all year round: the offset in force includes it.
                     {"XST-1XDT-2,J1/0,J365/25", 7200, true}};
  for (auto const& c : cases) {
    ZoneSetting const setting(c.tz);
    EXPECT_EQ(TimeZone::Local(), TimeZone(c.offset)) << c.tz;
    MachineLocationObject const location;
    EXPECT_EQ(location.SecondsEastOfGMT(), c.offset) << c.tz;
    EXPECT_EQ(location.SavingDaylight(), c.saving) << c.tz;
  }
}

TEST(MachineLocation, OffsetIsTheSignedLow24Bits) {
  MachineLocationObject location(MacintoshPlatform::MachineLocation{0, 0, 0});
  location.SetSavingDaylight();
  for (long const seconds : {-18000L, 19800L, 0x7FFFFFL, -0x800000L, -1L}) {
    location.SetSecondsFromGMT(seconds);
    EXPECT_EQ(location.SecondsEastOfGMT(), seconds);
    EXPECT_TRUE(location.SavingDaylight()) << seconds;
  }
  location.ClearSavingDaylight();
  EXPECT_FALSE(location.SavingDaylight());
  EXPECT_EQ(location.SecondsEastOfGMT(), -1);
  EXPECT_THROW(location.SetSecondsFromGMT(0x800000), TimeOutOfRange);
  EXPECT_THROW(location.SetSecondsFromGMT(-0x800001), TimeOutOfRange);
  EXPECT_EQ(location.SecondsEastOfGMT(), -1);
}

}  // namespace
}  // namespace inspectors
