#include "inspectors/strings/posix_regex.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

#if defined(__SANITIZE_ADDRESS__)
#define INSPECTORS_REGEXEC_READS_TO_NUL 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define INSPECTORS_REGEXEC_READS_TO_NUL 1
#endif
#endif
#ifndef INSPECTORS_REGEXEC_READS_TO_NUL
#define INSPECTORS_REGEXEC_READS_TO_NUL 0
#endif

namespace inspectors {

std::string RegError(int code, regex_t const* regex) {
  std::string message(200, '\0');
  while (true) {
    std::size_t const needed = regerror(code, regex, message.data(), message.size());
    if (needed <= message.size()) {
      message.resize(needed == 0 ? 0 : needed - 1);
      return message;
    }
    message.assign(needed, '\0');
  }
}

namespace {

// Sizes saturate here, far above any cost allowed, so that squares cannot overflow.
constexpr std::size_t kCap = std::size_t{1} << 50;

std::size_t SaturatingAdd(std::size_t a, std::size_t b) noexcept {
  return std::min(kCap, a + b);  // both operands are at most kCap
}

std::size_t SaturatingMultiply(std::size_t a, std::size_t b) noexcept {
  if (a == 0 || b == 0) return 0;
  if (a > kCap / b) return kCap;
  return std::min(kCap, a * b);
}

bool IsDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}

// Reads the decimal count at `i`, saturating; moves `i` past it.
std::size_t ReadCount(std::string_view text, std::size_t& i) noexcept {
  std::size_t n = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    n = SaturatingAdd(SaturatingMultiply(n, 10), static_cast<std::size_t>(text[i] - '0'));
  }
  return n;
}

struct Interval {
  std::size_t copies = 0;  // 0: not an interval
  bool optional = false;   // the minimum is 0
};

// If an interval "{m}", "{m,}" or "{m,n}" starts at `i` (on the brace), the
// number of copies it writes out, with `i` moved past it.
Interval ReadInterval(std::string_view text, std::size_t& i) noexcept {
  std::size_t j = i + 1;
  if (j >= text.size() || !IsDigit(text[j])) return {};
  std::size_t const low = ReadCount(text, j);
  std::size_t copies = low;
  if (j < text.size() && text[j] == ',') {
    ++j;
    // An open interval is written out as its minimum followed by a star.
    copies = j < text.size() && IsDigit(text[j]) ? ReadCount(text, j) : SaturatingAdd(low, 1);
  }
  if (j >= text.size() || text[j] != '}') return {};
  i = j + 1;
  return Interval{std::max<std::size_t>(copies, 1), low == 0};
}

// Moves `i` from the '[' of a bracket expression past its closing ']'.
void SkipBracket(std::string_view text, std::size_t& i) noexcept {
  ++i;
  if (i < text.size() && text[i] == '^') ++i;
  if (i < text.size() && text[i] == ']') ++i;
  while (i < text.size() && text[i] != ']') {
    if (text[i] == '[' && i + 1 < text.size() &&
        (text[i + 1] == ':' || text[i + 1] == '.' || text[i + 1] == '=')) {
      char const kind = text[i + 1];
      std::size_t const close = text.find(std::string_view{&kind, 1}, i + 2);
      i = close == std::string_view::npos ? text.size() : close + 1;
    }
    ++i;
  }
  if (i < text.size()) ++i;
}

// A piece of a pattern once written out: its number of atoms, the work its empty
// paths cost, and whether it can match the empty string.
struct Piece {
  std::size_t size = 0;
  std::size_t emptyPaths = 0;
  bool nullable = false;
};

// One group being read: its finished pieces, and the last piece, which a
// following repetition operator still applies to.
struct Group {
  std::size_t size = 0;
  std::size_t emptyPaths = 0;
  std::size_t nullableRun = 0;  // atoms of the nullable pieces just before `last`
  bool alternativeNullable = true;
  bool nullable = false;
  std::optional<Piece> last;

  void Commit() noexcept {
    if (!last) return;
    size = SaturatingAdd(size, last->size);
    emptyPaths = SaturatingAdd(emptyPaths, last->emptyPaths);
    if (last->nullable) {
      nullableRun = SaturatingAdd(nullableRun, last->size);
    } else {
      EndRun();
      alternativeNullable = false;
    }
    last.reset();
  }
  // Every atom of a run of nullable pieces reaches every later one by empty paths.
  void EndRun() noexcept {
    emptyPaths = SaturatingAdd(emptyPaths, SaturatingMultiply(nullableRun, nullableRun));
    nullableRun = 0;
  }
  void EndAlternative() noexcept {
    Commit();
    EndRun();
    nullable = nullable || alternativeNullable;
    alternativeNullable = true;
  }
  Piece Finish() noexcept {
    EndAlternative();
    return Piece{size, emptyPaths, nullable};
  }
};

}  // namespace

std::size_t PatternCost(std::string_view pattern) noexcept {
  std::vector<Group> groups(1);
  auto add = [&](Piece piece) {
    groups.back().Commit();
    groups.back().last = piece;
  };
  std::size_t i = 0;
  while (i < pattern.size()) {
    char const c = pattern[i];
    std::optional<Piece>& last = groups.back().last;
    if (c == '(') {
      groups.back().Commit();
      groups.emplace_back();
      ++i;
    } else if (c == ')' && groups.size() > 1) {
      Piece group = groups.back().Finish();
      group.size = std::max<std::size_t>(group.size, 1);
      groups.pop_back();
      add(group);
      ++i;
    } else if (c == '|') {
      groups.back().EndAlternative();
      ++i;
    } else if ((c == '*' || c == '?') && last) {
      // A loop or a bypass of empty paths; one around a piece that already has
      // them multiplies the paths through it.
      if (last->nullable) {
        last->emptyPaths =
            SaturatingAdd(last->emptyPaths, SaturatingMultiply(last->size, last->size));
      }
      last->size = SaturatingAdd(last->size, 1);
      last->nullable = true;
      ++i;
    } else if (c == '+' && last) {
      // Written out as the piece followed by the piece starred: two copies.
      last->size = SaturatingMultiply(last->size, 2);
      last->emptyPaths = SaturatingMultiply(last->emptyPaths, 2);
      ++i;
    } else if (c == '{') {
      Interval const interval = ReadInterval(pattern, i);
      if (interval.copies == 0) {
        add(Piece{1, 0, false});
        ++i;
      } else if (last) {
        // The copies of a nullable piece form a run, counted once committed.
        Piece const repeated{SaturatingMultiply(last->size, interval.copies),
                             SaturatingMultiply(last->emptyPaths, interval.copies),
                             last->nullable || interval.optional};
        last = repeated;
      }
    } else if (c == '[') {
      SkipBracket(pattern, i);
      add(Piece{1, 0, false});
    } else if (c == '*' || c == '?' || c == '+') {
      ++i;  // nothing to repeat: an ordinary character or an error
      add(Piece{1, 0, false});
    } else {
      i += c == '\\' ? 2 : 1;
      add(Piece{1, 0, false});
    }
  }
  while (groups.size() > 1) {
    Piece const group = groups.back().Finish();
    groups.pop_back();
    add(group);
  }
  Piece const whole = groups.back().Finish();
  std::size_t const cost = SaturatingAdd(whole.size, whole.emptyPaths / kEmptyPathsPerAtom);
  return std::min(cost, kLargestPatternCost + 1);
}

AutoRegex RegComp(char const* pattern, int cflags) {
  if (PatternCost(pattern) > kLargestPatternCost) {
    throw InvalidRegularExpression(REG_ESIZE, RegError(REG_ESIZE, nullptr));
  }
  auto compiled = std::make_unique<AutoRegex::Compiled>();
  int const code = regcomp(&compiled->regex, pattern, cflags);
  if (code != 0) throw InvalidRegularExpression(code, RegError(code, &compiled->regex));
  compiled->owned = true;
  return AutoRegex(std::move(compiled));
}

AutoRegex RegComp(char const* begin, char const* end, int cflags) {
  std::string pattern(begin, end);
  if (pattern.find('\0') != std::string::npos) {
    throw InvalidRegularExpression(REG_BADPAT, "the pattern contains a NUL byte");
  }
  return RegComp(pattern.c_str(), cflags);
}

bool RegExec(regex_t const& regex, char const* s, int eflags, std::size_t nmatch,
             regmatch_t* pmatch) {
  int const code = regexec(&regex, s, nmatch, pmatch, eflags);
  if (code == 0) return true;
  if (code == REG_NOMATCH) return false;
  throw RegularExpressionMatchFailed(code, RegError(code, &regex));
}

bool RegExecWithRegStartEnd(regex_t const& regex, char const* base, char const* start,
                            char const* end, int eflags, std::size_t nmatch, regmatch_t* pmatch) {
  constexpr auto kLargestOffset = std::numeric_limits<regoff_t>::max();
  if (end - base > kLargestOffset) {
    throw RegularExpressionMatchFailed(REG_ESIZE, "the text is too long to search");
  }
  regmatch_t local[1];
  regmatch_t* const range = nmatch == 0 ? local : pmatch;
  range[0].rm_so = static_cast<regoff_t>(start - base);
  range[0].rm_eo = static_cast<regoff_t>(end - base);
#if INSPECTORS_REGEXEC_READS_TO_NUL
  // The address sanitizer's regexec wrapper checks the text up to its first NUL
  // byte, REG_STARTEND or not; it gets a terminated copy of the range.
  std::string const terminated(base, end);
  return RegExec(regex, terminated.c_str(), eflags | REG_STARTEND, nmatch, range);
#else
  return RegExec(regex, base, eflags | REG_STARTEND, nmatch, range);
#endif
}

bool RegExec(regex_t const& regex, char const* base, char const* start, char const* end, int eflags,
             std::vector<regmatch_t>& matches) {
  matches.assign(regex.re_nsub + 1, regmatch_t{});
  return RegExecWithRegStartEnd(regex, base, start, end, eflags, matches.size(), matches.data());
}

}  // namespace inspectors
