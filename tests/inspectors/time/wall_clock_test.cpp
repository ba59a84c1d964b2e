// Wall-clock readings of instants, checked against the C library's own GMT breakdown,
// and the arithmetic, zone changes, comparisons and text forms built on them.
#include "inspectors/time/wall_clock.h"

#include <time.h>

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "foundation/exceptions.h"
#include "inspectors/time/time_text.h"

namespace inspectors {
namespace {

constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kFirstSecondOfYearZero = -62167219200;

std::string Text(TimeObject const& t) {
  return std::string(TimeToText(t).AsStringView());
}

TEST(TimeObjects, AgreeWithTheCLibrarysBreakdownOfInstants) {
  // Seconds from year 1 to about year 9999, with a sub-second part, stepped oddly so
  // that every time of day and both signs come up.
  std::uint64_t state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    std::int64_t const seconds = static_cast<std::int64_t>(state >> 20) % 315537897600 - 62135596800;
    std::int64_t const us = seconds * 1000000 + static_cast<std::int64_t>(state % 1000000);
    time_t const at = seconds;
    struct tm gmt {};
    ASSERT_NE(gmtime_r(&at, &gmt), nullptr);
    TimeObject const t{Instant(us), TimeZone()};
    ASSERT_EQ(t.date, DateRecord(static_cast<std::uint8_t>(gmt.tm_mday), static_cast<Month>(gmt.tm_mon + 1),
                                 static_cast<std::uint32_t>(gmt.tm_year + 1900)))
        << seconds;
    ASSERT_EQ(t.time, TimeOfDay(static_cast<std::uint8_t>(gmt.tm_hour), static_cast<std::uint8_t>(gmt.tm_min),
                                static_cast<std::uint8_t>(gmt.tm_sec)))
        << seconds;
    ASSERT_EQ(static_cast<int>(t.date.DayOfWeek()), gmt.tm_wday) << seconds;
    // Back to the instant, less the microseconds.
    ASSERT_EQ(InstantOf(t).microseconds, seconds * 1000000);
    TimeObject const shifted(Instant(us), TimeZone(-37800));
    ASSERT_EQ(shifted - t, 0);
    ASSERT_EQ(InstantOf(shifted), InstantOf(t));
  }
}

TEST(TimeObjects, OfInstantsAtTheEdges) {
  struct {
    std::int64_t us;
    std::int32_t zone;
    char const* text;
  } const cases[] = {
      // 1970, 1994 and the greatest instant in universal time are in moment.q.
      {-999999, 0, "Wed, 31 Dec 1969 23:59:59 +0000"},
      {999999, 0, "Thu, 01 Jan 1970 00:00:00 +0000"},
      {784111777000000, 3600, "Sun, 06 Nov 1994 09:49:37 +0100"},
      {784111777000000, -36000, "Sat, 05 Nov 1994 22:49:37 -1000"},
      {Instant::Jan_1_1904_GMT().microseconds, 0, "Fri, 01 Jan 1904 00:00:00 +0000"},
      {kFirstSecondOfYearZero * 1000000, 0, "Sat, 01 Jan 0000 00:00:00 +0000"},
      {kFirstSecondOfYearZero * 1000000, 3600, "Sat, 01 Jan 0000 01:00:00 +0100"},
  };
  for (auto const& c : cases) EXPECT_EQ(Text(TimeObject(Instant(c.us), TimeZone(c.zone))), c.text) << c.us;
  EXPECT_THROW(TimeObject(Instant(kFirstSecondOfYearZero * 1000000 - 1), TimeZone()), TimeOutOfRange);
  EXPECT_THROW(TimeObject(Instant(kFirstSecondOfYearZero * 1000000), TimeZone(-1)), TimeOutOfRange);
  EXPECT_THROW(TimeObject(Instant(kLeast), TimeZone()), TimeOutOfRange);
  EXPECT_THROW(InstantOf(TimeObject(1, Month::January, 300000, 0, 0, 0, TimeZone())), TimeOutOfRange);
}

TEST(TimeObjects, MoveBySecondsCarryingIntoTheDate) {
  struct {
    TimeObject from;
    std::int64_t seconds;
    char const* text;
  } const cases[] = {
      {{1, Month::January, 1970, 0, 0, 30, TimeZone()}, -60, "Wed, 31 Dec 1969 23:59:30 +0000"},
      {{31, Month::December, 1999, 23, 59, 59, TimeZone()}, 1, "Sat, 01 Jan 2000 00:00:00 +0000"},
      {{28, Month::February, 2000, 12, 0, 0, TimeZone()}, 86400, "Tue, 29 Feb 2000 12:00:00 +0000"},
      {{1, Month::March, 2000, 11, 0, 0, TimeZone()}, -43200, "Tue, 29 Feb 2000 23:00:00 +0000"},
      {{1, Month::January, 1970, 0, 0, 0, TimeZone()}, kMost / 1000000, "Sun, 10 Jan 294247 04:00:54 +0000"},
  };
  for (auto const& c : cases) EXPECT_EQ(Text(c.from + c.seconds), c.text) << c.seconds;
  TimeObject const first(1, Month::January, 0, 0, 0, 0, TimeZone());
  EXPECT_THROW(first - 1, TimeOutOfRange);
  EXPECT_THROW(first + kMost, TimeOutOfRange);  // past the last year
  EXPECT_THROW(first + kLeast, TimeOutOfRange);
  EXPECT_THROW(first - kLeast, TimeOutOfRange);
  TimeObject moved = first;
  EXPECT_THROW(moved.SetTimeZone(TimeZone(-3600)), TimeOutOfRange);
  EXPECT_EQ(Text(moved), Text(first));
}

TEST(TimeObjects, CompareAsInstantsWhateverTheirZones) {
  TimeObject const gmt(6, Month::November, 1994, 8, 49, 37, TimeZone());
  TimeObject east = gmt;
  east.SetTimeZone(TimeZone(3600));
  TimeObject west = gmt;
  west.SetTimeZone(TimeZone(-36000));
  EXPECT_EQ(Text(east), "Sun, 06 Nov 1994 09:49:37 +0100");
  EXPECT_EQ(Text(west), "Sat, 05 Nov 1994 22:49:37 -1000");
  EXPECT_EQ(east, west);
  EXPECT_EQ(west - gmt, 0);
  TimeObject const paris(6, Month::November, 1994, 9, 0, 0, TimeZone(3600));  // 08:00 GMT
  EXPECT_LT(paris, gmt);
  EXPECT_GT(west, paris);
  EXPECT_EQ(gmt - paris, 49 * 60 + 37);
  EXPECT_EQ(paris - gmt, -(49 * 60 + 37));
}

TEST(TimesOfDay, WrapAroundMidnightEitherWay) {
  struct {
    TimeOfDay from;
    std::int64_t seconds;
    TimeOfDay expected;
  } const cases[] = {
      {{23, 59, 59}, 1, {0, 0, 0}},
      {{0, 0, 0}, -1, {23, 59, 59}},
      {{12, 0, 0}, 3 * 86400 + 5, {12, 0, 5}},
      {{12, 0, 0}, -(1000 * 86400 + 1), {11, 59, 59}},
      {{0, 0, 0}, kMost, {15, 30, 7}},   // 2^63 - 1 is 55807 past a whole day
      {{0, 0, 0}, kLeast, {8, 29, 52}},  // -2^63 is 30592 past one
  };
  for (auto const& c : cases) {
    TimeOfDay t = c.from;
    EXPECT_EQ(t += c.seconds, c.expected) << c.seconds;
    if (c.seconds != kLeast) {
      EXPECT_EQ(t -= c.seconds, c.from) << c.seconds;
    }
  }
  EXPECT_EQ(TimeOfDay(0, 0, 0) - TimeOfDay(23, 59, 59), -86399);
}

TEST(ZonedTimesOfDay, EqualWhenTheSameMomentOfTheDay) {
  ZonedTimeOfDay const late(TimeOfDay(23, 30, 0), TimeZone());
  ZonedTimeOfDay moved = late;
  moved.SetTimeZone(TimeZone(3600));
  EXPECT_EQ(ZonedTimeOfDayToText(moved).AsStringView(), "00:30:00 +0100");
  EXPECT_EQ(moved, late);
  EXPECT_FALSE(moved == ZonedTimeOfDay(TimeOfDay(0, 30, 0), TimeZone()));
}

TEST(TimeText, ZonesDatesAndOverflow) {
  struct {
    std::int32_t offset;
    char const* text;
  } const zones[] = {
      // Whole minutes are kept, toward zero; the plain zones are in moment.q.
      {-18030, "-0500"},
      {-30, "+0000"},
      {std::numeric_limits<std::int32_t>::min(), "-59652314"},
      {std::numeric_limits<std::int32_t>::max(), "+59652314"},
  };
  for (auto const& z : zones) EXPECT_EQ(TimeZoneToText(TimeZone(z.offset)).AsStringView(), z.text) << z.offset;
  struct {
    DateRecord date;
    char const* text;
  } const dates[] = {
      {{6, Month::November, 1994}, "Sun, 06 Nov 1994"},
      {{1, Month::January, 7}, "Mon, 01 Jan 0007"},
      {{31, Month::December, 4294967295u}, "Sat, 31 Dec 4294967295"},
  };
  for (auto const& d : dates) EXPECT_EQ(DateToText(d.date).AsStringView(), d.text);
  EXPECT_THROW(DateToText(DateRecord(30, Month::February, 2000)), NoSuchDate);
  BufferOfSize<30> small;
  EXPECT_THROW(small.GetBuffer() << TimeObject(), DataOverflow);
}

}  // namespace
}  // namespace inspectors
