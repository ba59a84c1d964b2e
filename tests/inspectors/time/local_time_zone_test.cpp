// The machine's zone as the process's TZ setting gives it, read at each call and for
// the instant concerned, and the machine-location record's packed word.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"
#include "inspectors/time/machine_location.h"
#include "inspectors/time/time_text.h"
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
                     // Daylight saving all year round.
                     {"XST-1XDT-2,J1/0,J365/25", 7200, true}};
  for (auto const& c : cases) {
    ZoneSetting const setting(c.tz);
    EXPECT_EQ(TimeZone::Local(), TimeZone(c.offset)) << c.tz;
    MachineLocationObject const location;
    EXPECT_EQ(location.SecondsEastOfGMT(), c.offset) << c.tz;
    EXPECT_EQ(location.SavingDaylight(), c.saving) << c.tz;
  }
}

TEST(LocalZone, AtAnInstantUsesTheRulesInForceThen) {
  ZoneSetting const setting("CET-1CEST,M3.5.0,M10.5.0/3");
  struct {
    std::int64_t seconds;
    char const* text;
  } const cases[] = {
      {1610668800, "Fri, 15 Jan 2021 01:00:00 +0100"},
      {1626307200, "Thu, 15 Jul 2021 02:00:00 +0200"},
      {-1, "Thu, 01 Jan 1970 00:59:59 +0100"},
  };
  for (auto const& c : cases) {
    Instant const at(c.seconds * 1000000);
    EXPECT_EQ(TimeToText(at, TimeZone::LocalAt(at)).AsStringView(), c.text) << c.seconds;
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
