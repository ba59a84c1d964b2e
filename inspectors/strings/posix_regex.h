// A thin layer over the platform's POSIX regcomp/regexec: compiled expressions
// owned by RAII handles, error codes turned into exceptions that carry the
// platform's message, and matching over byte ranges (REG_STARTEND) so that the
// searched text need not be NUL-terminated and may contain NUL bytes.
#pragma once

#include <regex.h>

#include <cstddef>
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

 private:
  struct Compiled {
    regex_t regex{};
    bool owned = false;  // set once regcomp succeeded
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

// An estimate of the work of compiling a pattern, in atoms. The platform's compiler
// writes every repetition out ("(ab){3}c" is 7 atoms; "a+", an "a" followed by
// "a*", is 2) and then follows every path of empty matches: through a run of k
// pieces that can match nothing it follows about k * k of them, and more through
// nested stars. Without a bound, "((a{1000}){1000}){1000}" or "(a*){20000}" take it
// minutes and gigabytes. Costs saturate at kLargestPatternCost + 1.
std::size_t PatternCost(std::string_view pattern) noexcept;
inline constexpr std::size_t kLargestPatternCost = 100000;
// Empty paths are cheaper to follow than atoms are to build, by about this factor.
inline constexpr std::size_t kEmptyPathsPerAtom = 64;

// Compiles a NUL-terminated pattern. Failure, or a pattern that would cost more
// than kLargestPatternCost to compile (REG_ESIZE): InvalidRegularExpression.
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

// The platform's message for an error code.
std::string RegError(int code, regex_t const* regex);

}  // namespace inspectors
