// The directory cache's retry policy, on a clock of the test's own: how long a
// fetched text is served, the short and the long pause after failures, and an
// interrupted fetch that must not count as a failure.
#include "inspectors/system/directory_cache.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace inspectors {
namespace {

enum class Outcome { kText, kFailure, kInterrupted };
enum class Answer { kValue, kNoValue, kPassesThrough };

constexpr std::uint64_t kSecond = 1'000'000;
constexpr std::uint64_t kMinute = 60 * kSecond;
constexpr std::uint64_t kHour = 60 * kMinute;

TEST(DirectoryCache, ServesRetriesAndPausesOnItsSchedule) {
  struct {
    std::uint64_t at;    // microseconds on the test's clock
    Outcome outcome;     // what a fetch at that moment gives
    bool fetched;        // whether the cache asks
    Answer answer;
    std::uint32_t failures;
  } const steps[] = {
      // A first failure pauses the directory for 60 seconds from the attempt.
      {0, Outcome::kFailure, true, Answer::kNoValue, 1},
      {59 * kSecond, Outcome::kText, false, Answer::kNoValue, 1},
      // An interrupted fetch neither counts nor moves the mark: the pause still
      // runs from the last real attempt.
      {60 * kSecond, Outcome::kInterrupted, true, Answer::kPassesThrough, 1},
      {60 * kSecond + 1, Outcome::kFailure, true, Answer::kNoValue, 2},
      {2 * kMinute, Outcome::kFailure, false, Answer::kNoValue, 2},
      {3 * kMinute, Outcome::kFailure, true, Answer::kNoValue, 3},
      {4 * kMinute, Outcome::kFailure, true, Answer::kNoValue, 4},
      {5 * kMinute, Outcome::kFailure, true, Answer::kNoValue, 5},
      // The sixth failure in a row pauses for an hour.
      {6 * kMinute, Outcome::kFailure, true, Answer::kNoValue, 6},
      {8 * kMinute, Outcome::kText, false, Answer::kNoValue, 6},
      {6 * kMinute + kHour - 1, Outcome::kText, false, Answer::kNoValue, 6},
      // A success clears the count and is served for 12 hours.
      {6 * kMinute + kHour, Outcome::kText, true, Answer::kValue, 0},
      {6 * kMinute + 13 * kHour - 1, Outcome::kFailure, false, Answer::kValue, 0},
      {6 * kMinute + 13 * kHour, Outcome::kFailure, true, Answer::kNoValue, 1},
      // One failure after a success is a short pause again.
      {6 * kMinute + 13 * kHour + kMinute, Outcome::kText, true, Answer::kValue, 0},
  };
  DirectoryCache cache;
  int text = 0;
  for (auto const& step : steps) {
    bool fetched = false;
    std::string const expected = "cn=ws-" + std::to_string(text + 1);
    auto fetch = [&]() -> std::optional<std::string> {
      fetched = true;
      if (step.outcome == Outcome::kInterrupted) throw std::runtime_error("interrupted");
      if (step.outcome == Outcome::kFailure) return std::nullopt;
      return expected;
    };
    Answer answer = Answer::kValue;
    std::string value;
    try {
      value = cache.Get(TimeMark(step.at), fetch);
    } catch (NoSuchObject const&) {
      answer = Answer::kNoValue;
    } catch (std::runtime_error const&) {
      answer = Answer::kPassesThrough;
    }
    if (fetched && step.outcome == Outcome::kText) ++text;
    EXPECT_EQ(fetched, step.fetched) << step.at;
    EXPECT_EQ(answer, step.answer) << step.at;
    EXPECT_EQ(cache.Failures(), step.failures) << step.at;
    if (answer == Answer::kValue) {
      EXPECT_EQ(value, "cn=ws-" + std::to_string(text)) << step.at;
    }
  }
}

}  // namespace
}  // namespace inspectors
