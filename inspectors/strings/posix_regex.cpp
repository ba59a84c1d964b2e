#include "inspectors/strings/posix_regex.h"

#include <algorithm>
#include <cstring>
#include <limits>

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

constexpr std::size_t kSaturated = kLargestExpandedPattern + 1;

std::size_t SaturatingAdd(std::size_t a, std::size_t b) noexcept {
  return std::min(kSaturated, a + b);  // both operands are at most kSaturated
}

std::size_t SaturatingMultiply(std::size_t a, std::size_t b) noexcept {
  if (a == 0 || b == 0) return 0;
  if (a > kSaturated / b) return kSaturated;
  return std::min(kSaturated, a * b);
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

// If an interval "{m}", "{m,}" or "{m,n}" starts at `i` (on the brace), the
// largest number of copies it asks for, with `i` moved past it; else 0.
std::size_t ReadInterval(std::string_view text, std::size_t& i) noexcept {
  std::size_t j = i + 1;
  if (j >= text.size() || !IsDigit(text[j])) return 0;
  std::size_t const low = ReadCount(text, j);
  std::size_t copies = low;
  if (j < text.size() && text[j] == ',') {
    ++j;
    // An open interval is written out as its minimum followed by a star.
    copies = j < text.size() && IsDigit(text[j]) ? ReadCount(text, j) : SaturatingAdd(low, 1);
  }
  if (j >= text.size() || text[j] != '}') return 0;
  i = j + 1;
  return std::max<std::size_t>(copies, 1);
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

}  // namespace

std::size_t ExpandedPatternSize(std::string_view pattern) noexcept {
  // One frame per open group: the size so far and the size of the last atom, which
  // a following repetition applies to.
  struct Frame {
    std::size_t total = 0;
    std::size_t last = 0;
  };
  std::vector<Frame> frames(1);
  auto addAtom = [&](std::size_t size) {
    frames.back().total = SaturatingAdd(frames.back().total, size);
    frames.back().last = size;
  };
  std::size_t i = 0;
  while (i < pattern.size()) {
    char const c = pattern[i];
    if (c == '(') {
      frames.emplace_back();
      ++i;
    } else if (c == ')' && frames.size() > 1) {
      std::size_t const group = frames.back().total;
      frames.pop_back();
      addAtom(std::max<std::size_t>(group, 1));
      ++i;
    } else if (c == '{') {
      std::size_t const copies = ReadInterval(pattern, i);
      if (copies == 0) {
        addAtom(1);
        ++i;
      } else {
        Frame& f = frames.back();
        std::size_t const repeated = SaturatingMultiply(f.last, copies);
        f.total = SaturatingAdd(f.total - std::min(f.total, f.last), repeated);
        f.last = repeated;
      }
    } else if (c == '*' || c == '+' || c == '?' || c == '|') {
      ++i;
    } else if (c == '[') {
      SkipBracket(pattern, i);
      addAtom(1);
    } else {
      i += c == '\\' ? 2 : 1;
      addAtom(1);
    }
  }
  std::size_t total = 0;
  for (Frame const& f : frames) total = SaturatingAdd(total, f.total);
  return total;
}

AutoRegex RegComp(char const* pattern, int cflags) {
  if (ExpandedPatternSize(pattern) > kLargestExpandedPattern) {
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
