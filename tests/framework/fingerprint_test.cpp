// The local-zone fingerprint appends the zone as a time zone value holds it:
// universal time minus local time, in microseconds.
#include "framework/fingerprint.h"

#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

#include "host/contract/fingerprinter.h"

namespace inspectors {
namespace {

TEST(DependsOnLocalTimeZone, AppendsUniversalMinusLocalTime) {
  struct {
    char const* tz;
    std::int64_t universalMinusLocal;
  } const cases[] = {
      {"UTC0", 0},
      {"CET-1", -3600000000},
      {"EST5", 18000000000},
      {"IST-5:30", -19800000000},
  };
  char const* const saved = std::getenv("TZ");
  std::string const restore = saved ? saved : "";
  for (auto const& c : cases) {
    ::setenv("TZ", c.tz, 1);
    ::tzset();
    Fingerprinter zone;
    DependsOnLocalTimeZone(zone);
    Fingerprinter expected;
    expected << integer(c.universalMinusLocal);
    EXPECT_EQ(zone.Digest(), expected.Digest()) << c.tz;
  }
  if (saved) {
    ::setenv("TZ", restore.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

}  // namespace
}  // namespace inspectors
