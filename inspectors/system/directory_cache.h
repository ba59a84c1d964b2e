// A text fetched from the directory, kept for a while, with a bounded retry policy:
//
//   - a fetched text is served for kRefreshInterval (12 hours) after the fetch;
//   - after 1 to 5 failures in a row, nothing is fetched for kShortErrorRefreshInterval
//     (60 seconds) after the last attempt, and there is no value;
//   - after more than 5, nothing is fetched for kLongErrorRefreshInterval (1 hour).
//
// A fetch is a function of no arguments that returns the text, or no text for a
// failure. An exception out of a fetch (the query was interrupted, memory ran out)
// is not a directory failure: it leaves the cache as it was and passes through.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "foundation/exceptions.h"
#include "inspectors/time/clock.h"

namespace inspectors {

inline constexpr TimeInterval kRefreshInterval{43'200'000'000};
inline constexpr TimeInterval kLongErrorRefreshInterval{3'600'000'000};
inline constexpr TimeInterval kShortErrorRefreshInterval{60'000'000};
inline constexpr std::uint32_t kFailuresBeforeLongPause = 5;

class DirectoryCache {
 public:
  // The text as of `now`: cached, freshly fetched, or NoSuchObject.
  template <class Fetch>
  std::string const& Get(TimeMark now, Fetch&& fetch) {
    TimeInterval const sinceRefresh = now - refreshMark_;
    if (valid_ && sinceRefresh < kRefreshInterval) return text_;
    if (failures_ > kFailuresBeforeLongPause && sinceRefresh < kLongErrorRefreshInterval) {
      throw NoSuchObject();
    }
    if (failures_ != 0 && sinceRefresh < kShortErrorRefreshInterval) throw NoSuchObject();

    TimeMark const previousMark = refreshMark_;
    refreshMark_ = now;
    std::optional<std::string> fetched;
    try {
      fetched = fetch();
    } catch (...) {
      refreshMark_ = previousMark;
      throw;
    }
    if (!fetched) {
      valid_ = false;
      ++failures_;
      throw NoSuchObject();
    }
    text_ = std::move(*fetched);
    valid_ = true;
    failures_ = 0;
    return text_;
  }

  std::uint32_t Failures() const noexcept { return failures_; }

 private:
  std::string text_;
  bool valid_ = false;
  std::uint32_t failures_ = 0;
  TimeMark refreshMark_;
};

}  // namespace inspectors
