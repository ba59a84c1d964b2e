// A thin layer over the platform's POSIX regcomp/regexec: compiled expressions
// owned by RAII handles, error codes turned into exceptions that carry the
// platform's message, and matching over byte ranges (REG_STARTEND) so that the
// searched text need not be NUL-terminated and may contain NUL bytes.
//
// The platform's matcher cannot be stopped once called, so SearchInSteps runs the
// same matcher through its GNU search interface in steps of bounded work, checking
// for interruption between steps, and the work that no step can bound is refused
// before it starts: back references when a pattern is compiled, texts longer than
// kLongestSearchedText, and parenthesized parts of matches that are too long.
#pragma once

#include <regex.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/exceptions.h"

namespace inspectors {

// A failure of the platform's regcomp or regexec: its code, and the platform's message
// as what().
template <class Failure>
class PlatformRegexFailure : public Failure, public std::runtime_error {
 public:
  PlatformRegexFailure(int code, std::string const& message)
      : std::runtime_error(message), code_(code) {}
  int Code() const noexcept { return code_; }

 private:
  int code_;
};

// A pattern that regcomp rejected.
class INSPECTORS_EXPORT InvalidRegularExpression : public PlatformRegexFailure<RegComp_Failed> {
 public:
  using PlatformRegexFailure::PlatformRegexFailure;
};

// regexec failed for a reason other than finding no match (such as running out of
// memory), or the text is too long for the platform's offsets.
class INSPECTORS_EXPORT RegularExpressionMatchFailed : public PlatformRegexFailure<RegExec_Failed> {
 public:
  using PlatformRegexFailure::PlatformRegexFailure;
};

// Owner of one compiled expression. The regex_t lives on the heap, so moving the
// handle never moves it: pointers to Get() stay valid while some handle owns it.
class AutoRegex {
 public:
  AutoRegex() noexcept = default;

  bool Owns() const noexcept { return compiled_ != nullptr; }
  regex_t const& Get() const noexcept { return compiled_->regex; }
  // The number of parenthesized subexpressions.
  std::size_t Subexpressions() const noexcept { return compiled_->regex.re_nsub; }
  // PatternCost of the pattern it was compiled from.
  std::size_t Cost() const noexcept { return compiled_->cost; }

 private:
  struct Compiled {
    regex_t regex{};
    bool owned = false;  // set once regcomp succeeded
    std::size_t cost = 0;
    Compiled() = default;
    Compiled(Compiled const&) = delete;
    Compiled& operator=(Compiled const&) = delete;
    ~Compiled() {
      if (owned) regfree(&regex);
    }
  };

  explicit AutoRegex(std::unique_ptr<Compiled> compiled) noexcept
      : compiled_(std::move(compiled)) {}

  friend AutoRegex RegComp(char const* pattern, int cflags);

  std::unique_ptr<Compiled> compiled_;
};

// An estimate of the work of compiling a pattern, in nodes, where a node costs
// about a microsecond. The platform's compiler writes every repetition out
// ("(ab){3}c" is 13 nodes: each group opens and closes; "a+", an "a" followed by
// "a*", is 3) and then follows every path of empty matches: through a run of k
// nodes that can match nothing it follows about k * k of them, about k * k * k
// when a loop leads back over the run, and twice as many for each anchor ("^",
// "$", a word boundary) in the run. Without a bound, "((a{1000}){1000}){1000}",
// "(a*){20000}", "a*{1000,}" or "((^|a)?){20,}" take it from a second to minutes
// and gigabytes, none of which can be interrupted. Costs saturate at
// kLargestPatternCost + 1.
std::size_t PatternCost(std::string_view pattern) noexcept;
inline constexpr std::size_t kLargestPatternCost = 20000;
// Empty paths and loops over them are cheaper to follow than nodes are to build,
// by about these factors.
inline constexpr std::size_t kEmptyPathsPerAtom = 128;
inline constexpr std::size_t kLoopPathsPerAtom = 2048;

// Whether the pattern refers back to a subexpression (\1 to \9 outside a
// bracket expression). The platform accepts back references as an extension; it
// matches them by trying combinations, in time exponential in the text.
bool HasBackReference(std::string_view pattern) noexcept;

// Compiles a NUL-terminated pattern. Failure, a pattern with a back reference
// (REG_ESUBREG), or a pattern that would cost more than kLargestPatternCost to
// compile (REG_ESIZE): InvalidRegularExpression.
AutoRegex RegComp(char const* pattern, int cflags);
// Compiles the pattern bytes [begin, end). A NUL byte among them cannot be given
// to the platform, so such a pattern is refused (InvalidRegularExpression with
// REG_BADPAT) rather than cut short.
AutoRegex RegComp(char const* begin, char const* end, int cflags);

// regexec: true on a match, false on none; any other result throws
// RegularExpressionMatchFailed.
bool RegExec(regex_t const& regex, char const* s, int eflags, std::size_t nmatch,
             regmatch_t* pmatch);

// Searches [start, end) of the text that begins at `base`; reported offsets are
// from `base`, which the matcher also uses as the beginning of the text (so "^"
// matches only there, and not at all with REG_NOTBOL). With nmatch 0, no offsets
// are reported. A range that ends more than the platform's largest offset past
// `base` throws RegularExpressionMatchFailed (REG_ESIZE).
bool RegExecWithRegStartEnd(regex_t const& regex, char const* base, char const* start,
                            char const* end, int eflags, std::size_t nmatch, regmatch_t* pmatch);

// The same, filling `matches` with one element for the whole match and one for
// each subexpression (offsets -1 for a subexpression that took no part).
bool RegExec(regex_t const& regex, char const* base, char const* start, char const* end, int eflags,
             std::vector<regmatch_t>& matches);

// The longest text that SearchInSteps searches. One attempt to match from one start
// position may read the text to its end in one call to the platform's matcher, at
// up to about 10 ns a byte once the matcher has built the states it passes
// through, and up to about 70 ns a byte (measured) when there are so many of them
// that they do not stay in the processor's caches.
inline constexpr std::size_t kLongestSearchedText = std::size_t{1} << 20;
// The most work, match length times (PatternCost + kPartsWorkPerByte), spent in one
// call on the parenthesized parts of a match: the platform traces every match back
// through the states it passed, at about 10 ns per byte and atom, with at least
// 200 ns per byte.
inline constexpr std::size_t kLargestPartsWork = 4000000;
inline constexpr std::size_t kPartsWorkPerByte = 20;

// What a search has learned of the matcher's speed on one expression, kept from
// one search to the next (an iterator over matches keeps one). Each call into the
// matcher is planned to take about `stepTime`; the bytes it may read are counted
// generously (every start position that the platform would try is counted as
// reading to the end of the text), so a planned call usually takes far less.
class SearchPace {
 public:
  // Before anything is measured, an expression is assumed to build a new state of
  // the matcher for every byte it reads, at a cost that grows with its size.
  explicit SearchPace(std::size_t patternCost = 0) noexcept;

  // The bytes one call may read; at least 1.
  std::size_t StepBytes() const noexcept;
  // After a call planned to read `bytes` took `elapsed`: calls may grow by a
  // factor of 4 at most from one to the next, and never past what reading each
  // byte at the speed of states already built would allow.
  void Measured(std::size_t bytes, std::chrono::nanoseconds elapsed) noexcept;
  double NanosecondsPerByte() const noexcept { return nanosPerByte_; }
  std::size_t PatternCost() const noexcept { return patternCost_; }

  std::chrono::nanoseconds stepTime{std::chrono::milliseconds(5)};
  // The most bytes a call may read, whatever the measurements say: tests make it
  // small so that every way of cutting a search into calls is taken.
  std::size_t largestStep = SIZE_MAX;

 private:
  std::size_t patternCost_;
  double nanosPerByte_;
};

// Where a search looks: the text [base, base + end), offsets from base, and the
// offsets a match may start at, [firstStart, lastStart] with lastStart <= end.
// The text begins at base: "^" matches at offset 0 unless eflags has REG_NOTBOL.
struct SearchSpan {
  char const* base = nullptr;
  std::size_t firstStart = 0;
  std::size_t lastStart = 0;
  std::size_t end = 0;
};

// The leftmost-longest match that starts in the span, as regexec with REG_STARTEND
// finds it: true with element 0 of pmatch set (nmatch > 0) and the offsets of the
// subexpressions (the next elements, up to nmatch; -1 for one that took no part),
// false when there is none. The platform's matcher runs in calls planned by `pace`
// to take about its step time, and `checkInterruption` runs between calls; a
// search that fits one step is one regexec call. Where the platform cannot assign
// the parts of the leftmost match (anchors in repeated groups), the search goes
// on from the next start.
// Throws RegularExpressionMatchFailed (REG_ESIZE) for a text longer than
// kLongestSearchedText or parts of a match beyond kLargestPartsWork, and for any
// failure of the matcher (REG_ESPACE when it runs out of memory).
bool SearchInSteps(regex_t const& regex, SearchSpan const& span, int eflags, std::size_t nmatch,
                   regmatch_t* pmatch, SearchPace& pace, void (*checkInterruption)());

// The platform's message for an error code.
std::string RegError(int code, regex_t const* regex);

}  // namespace inspectors
