#include "inspectors/strings/posix_regex.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

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
  bool open = false;       // no maximum: the last copy loops
  std::size_t bypasses = 0;  // copies that may be skipped, each by one more node
};

// If an interval "{m}", "{m,}", "{m,n}" or "{,n}" starts at `i` (on the brace), the
// number of copies it writes out, with `i` moved past it.
Interval ReadInterval(std::string_view text, std::size_t& i) noexcept {
  std::size_t j = i + 1;
  // "{,n}" is read as "{0,n}".
  if (j >= text.size() || !(IsDigit(text[j]) || text[j] == ',')) return {};
  std::size_t const low = ReadCount(text, j);
  std::size_t copies = low;
  bool open = false;
  if (j < text.size() && text[j] == ',') {
    ++j;
    // An open interval is written out as its minimum followed by a star.
    open = j >= text.size() || !IsDigit(text[j]);
    copies = open ? SaturatingAdd(low, 1) : ReadCount(text, j);
  }
  if (j >= text.size() || text[j] != '}') return {};
  i = j + 1;
  copies = std::max<std::size_t>(copies, 1);
  return Interval{copies, low == 0, open, copies - std::min(low, copies)};
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

// A piece of a pattern once written out: its nodes, the empty paths the platform's
// compiler follows through them, the further work of loops and anchors, the
// anchors among them, whether it can match the empty string, and whether it loops
// over something that can.
struct Piece {
  std::size_t size = 0;
  std::size_t emptyPaths = 0;
  std::size_t work = 0;
  std::size_t anchors = 0;
  bool nullable = false;
  bool loopsOverEmpty = false;
};

// Each anchor passed by empty paths doubles the closures the compiler builds
// through a run; past this many the cost saturates anyway.
constexpr std::size_t kLargestAnchorDoublings = 40;

// One group being read: its finished pieces, and the last piece, which a
// following repetition operator still applies to.
struct Group {
  Piece done;
  std::size_t nullableRun = 0;  // nodes of the nullable pieces just before `last`
  std::size_t runAnchors = 0;   // anchors among them
  bool alternativeNullable = true;
  std::optional<Piece> last;

  void Commit() noexcept {
    if (!last) return;
    done.size = SaturatingAdd(done.size, last->size);
    done.emptyPaths = SaturatingAdd(done.emptyPaths, last->emptyPaths);
    done.work = SaturatingAdd(done.work, last->work);
    done.anchors = SaturatingAdd(done.anchors, last->anchors);
    if (last->nullable) {
      nullableRun = SaturatingAdd(nullableRun, last->size);
      runAnchors = SaturatingAdd(runAnchors, last->anchors);
      if (last->loopsOverEmpty) {
        // A loop back over a run of empty paths revisits the whole run from each
        // of its nodes.
        done.loopsOverEmpty = true;
        std::size_t const cube =
            SaturatingMultiply(SaturatingMultiply(nullableRun, nullableRun), nullableRun);
        done.work = SaturatingAdd(done.work, cube / kLoopPathsPerAtom);
      }
    } else {
      EndRun();
      alternativeNullable = false;
    }
    last.reset();
  }
  // Every node of a run of nullable pieces reaches every later one by empty paths,
  // and each anchor among them doubles the closures built through the run.
  void EndRun() noexcept {
    done.emptyPaths =
        SaturatingAdd(done.emptyPaths, SaturatingMultiply(nullableRun, nullableRun));
    if (runAnchors > 0) {
      std::size_t const doublings = std::min(runAnchors, kLargestAnchorDoublings);
      done.work = SaturatingAdd(done.work,
                                SaturatingMultiply(nullableRun, std::size_t{1} << doublings));
    }
    nullableRun = 0;
    runAnchors = 0;
  }
  void EndAlternative() noexcept {
    Commit();
    EndRun();
    done.nullable = done.nullable || alternativeNullable;
    alternativeNullable = true;
  }
  // The group as a piece: its contents between an opening and a closing node.
  Piece Finish() noexcept {
    EndAlternative();
    Piece whole = done;
    whole.size = SaturatingAdd(whole.size, 2);
    return whole;
  }
};

// A loop back over empty paths. One around a piece that already loops over them
// makes the compiler's work grow with the depth of the nesting, beyond any bound
// worth estimating.
void LoopOverEmpty(Piece& piece) noexcept {
  if (piece.loopsOverEmpty) piece.work = kCap;
  piece.loopsOverEmpty = true;
}

// An anchor matches the empty string under a condition: "^", "$", and the escapes
// of word boundaries and buffer ends.
bool IsAnchorEscape(char c) noexcept {
  return c == 'b' || c == 'B' || c == '<' || c == '>' || c == '`' || c == '\'';
}

}  // namespace

std::size_t PatternCost(std::string_view pattern) noexcept {
  std::vector<Group> groups(1);
  auto add = [&](Piece piece) {
    groups.back().Commit();
    groups.back().last = piece;
  };
  Piece const atom{1, 0, 0, 0, false, false};
  Piece const anchor{1, 0, 0, 1, true, false};
  std::size_t i = 0;
  while (i < pattern.size()) {
    char const c = pattern[i];
    std::optional<Piece>& last = groups.back().last;
    if (c == '(') {
      groups.back().Commit();
      groups.emplace_back();
      ++i;
    } else if (c == ')' && groups.size() > 1) {
      Piece const group = groups.back().Finish();
      groups.pop_back();
      add(group);
      ++i;
    } else if (c == '|') {
      groups.back().EndAlternative();
      ++i;
    } else if ((c == '*' || c == '?') && last) {
      // A loop or a bypass: one more node, and empty paths around the piece; one
      // around a piece that already has them multiplies the paths through it.
      if (last->nullable) {
        last->emptyPaths =
            SaturatingAdd(last->emptyPaths, SaturatingMultiply(last->size, last->size));
        if (c == '*') LoopOverEmpty(*last);
      }
      last->size = SaturatingAdd(last->size, 1);
      last->nullable = true;
      ++i;
    } else if (c == '+' && last) {
      // Written out as the piece followed by the piece starred: two copies.
      last->size = SaturatingAdd(SaturatingMultiply(last->size, 2), 1);
      last->emptyPaths = SaturatingMultiply(last->emptyPaths, 2);
      last->work = SaturatingMultiply(last->work, 2);
      last->anchors = SaturatingMultiply(last->anchors, 2);
      if (last->nullable) LoopOverEmpty(*last);
      ++i;
    } else if (c == '{') {
      Interval const interval = ReadInterval(pattern, i);
      if (interval.copies == 0) {
        add(atom);
        ++i;
      } else if (last) {
        // The copies of a nullable piece form a run, counted once committed.
        Piece const repeated{SaturatingAdd(SaturatingMultiply(last->size, interval.copies),
                                           interval.bypasses),
                             SaturatingMultiply(last->emptyPaths, interval.copies),
                             SaturatingMultiply(last->work, interval.copies),
                             SaturatingMultiply(last->anchors, interval.copies),
                             last->nullable || interval.optional,
                             last->loopsOverEmpty};
        bool const loops = interval.open && last->nullable;
        last = repeated;
        if (loops) LoopOverEmpty(*last);
      }
    } else if (c == '[') {
      SkipBracket(pattern, i);
      add(atom);
    } else if (c == '*' || c == '?' || c == '+') {
      ++i;  // nothing to repeat: an ordinary character or an error
      add(atom);
    } else if (c == '^' || c == '$') {
      ++i;
      add(anchor);
    } else if (c == '\\') {
      add(i + 1 < pattern.size() && IsAnchorEscape(pattern[i + 1]) ? anchor : atom);
      i += 2;
    } else {
      ++i;
      add(atom);
    }
  }
  while (groups.size() > 1) {
    Piece const group = groups.back().Finish();
    groups.pop_back();
    add(group);
  }
  Piece const whole = groups.back().Finish();
  std::size_t const cost =
      SaturatingAdd(SaturatingAdd(whole.size - 2, whole.emptyPaths / kEmptyPathsPerAtom),
                    whole.work);
  return std::min(cost, kLargestPatternCost + 1);
}

bool HasBackReference(std::string_view pattern) noexcept {
  std::size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] == '[') {
      SkipBracket(pattern, i);
    } else if (pattern[i] == '\\') {
      if (i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') return true;
      i += 2;
    } else {
      ++i;
    }
  }
  return false;
}

AutoRegex RegComp(char const* pattern, int cflags) {
  std::size_t const cost = PatternCost(pattern);
  if (cost > kLargestPatternCost) {
    throw InvalidRegularExpression(REG_ESIZE, RegError(REG_ESIZE, nullptr));
  }
  if (HasBackReference(pattern)) {
    throw InvalidRegularExpression(REG_ESUBREG, "back references are not supported");
  }
  auto compiled = std::make_unique<AutoRegex::Compiled>();
  int const code = regcomp(&compiled->regex, pattern, cflags);
  if (code != 0) throw InvalidRegularExpression(code, RegError(code, &compiled->regex));
  compiled->owned = true;
  compiled->cost = cost;
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

namespace {

using Clock = std::chrono::steady_clock;

// Reading a byte through states the matcher has already built costs up to about
// this (measured with case-insensitive expressions); a pace never assumes less, so
// a planned call stays within its time however many of its attempts read to the
// end of the text.
constexpr double kBuiltStateNanosecondsPerByte = 10;
// Building a new state costs up to about this per atom of the pattern (measured
// with expressions that build one for every byte read).
constexpr double kNewStateNanosecondsPerAtom = 1000;
constexpr double kLargestGrowth = 4;

}  // namespace

SearchPace::SearchPace(std::size_t patternCost) noexcept
    : patternCost_(patternCost),
      nanosPerByte_(kNewStateNanosecondsPerAtom * static_cast<double>(patternCost + 1)) {}

std::size_t SearchPace::StepBytes() const noexcept {
  double const bytes = static_cast<double>(stepTime.count()) / nanosPerByte_;
  double const largest = static_cast<double>(std::min(largestStep, kLongestSearchedText * 64));
  return static_cast<std::size_t>(std::clamp(bytes, 1.0, largest));
}

void SearchPace::Measured(std::size_t bytes, std::chrono::nanoseconds elapsed) noexcept {
  double const measured =
      static_cast<double>(elapsed.count()) / static_cast<double>(std::max<std::size_t>(bytes, 1));
  nanosPerByte_ =
      std::max({measured, nanosPerByte_ / kLargestGrowth, kBuiltStateNanosecondsPerByte});
}

namespace {

// The platform's GNU search over one text: the same matcher as regexec, which
// also takes the last start position to try and the offset to stop reading at.
// It works on its own copy of the pattern buffer, whose fields for registers and
// flags it may set; the compiled automaton stays shared.
class GnuSearch {
 public:
  GnuSearch(regex_t const& regex, SearchSpan const& span, int eflags) noexcept
      : buffer_(regex), base_(span.base), length_(static_cast<regoff_t>(span.end)) {
    buffer_.regs_allocated = REGS_FIXED;
    buffer_.not_bol = (eflags & REG_NOTBOL) != 0;
    buffer_.not_eol = (eflags & REG_NOTEOL) != 0;
    firstBytes_ = buffer_.fastmap != nullptr && buffer_.fastmap_accurate && !buffer_.can_be_null
                      ? buffer_.fastmap
                      : nullptr;
  }

  // The first start in [first, last] with a match that ends by `stop`, or -1; the
  // registers get the whole match and as many subexpressions as they hold.
  regoff_t Search(std::size_t first, std::size_t last, std::size_t stop, re_registers& registers) {
    regoff_t const found =
        re_search_2(&buffer_, base_, length_, nullptr, 0, static_cast<regoff_t>(first),
                    static_cast<regoff_t>(last - first), &registers, static_cast<regoff_t>(stop));
    if (found < -1) throw RegularExpressionMatchFailed(REG_ESPACE, RegError(REG_ESPACE, nullptr));
    return found;
  }

  // Whether the platform tries a match at `offset`: it skips the bytes that no
  // match can begin with.
  bool MayStartAt(std::size_t offset) const noexcept {
    return firstBytes_ == nullptr || offset >= static_cast<std::size_t>(length_) ||
           firstBytes_[static_cast<unsigned char>(base_[offset])] != 0;
  }

 private:
  regex_t buffer_;
  char const* firstBytes_;  // the bytes a match may begin with; null: any
  char const* base_;
  regoff_t length_;
};

// Registers for the whole match and `count` - 1 subexpressions; those of the
// whole match alone need no allocation.
class Registers {
 public:
  explicit Registers(std::size_t count) {
    if (count > 1) {
      starts_.assign(count, -1);
      ends_.assign(count, -1);
    }
    registers_.num_regs = static_cast<decltype(registers_.num_regs)>(count);
    registers_.start = count > 1 ? starts_.data() : &start_;
    registers_.end = count > 1 ? ends_.data() : &end_;
  }
  Registers(Registers const&) = delete;
  Registers& operator=(Registers const&) = delete;

  re_registers& Get() noexcept { return registers_; }
  std::size_t Count() const noexcept { return registers_.num_regs; }
  regmatch_t operator[](std::size_t i) const noexcept {
    return regmatch_t{registers_.start[i], registers_.end[i]};
  }

 private:
  regoff_t start_ = -1;
  regoff_t end_ = -1;
  std::vector<regoff_t> starts_;
  std::vector<regoff_t> ends_;
  re_registers registers_{};
};

// Calls planned to read fewer bytes than this are not timed: too short to tell.
constexpr std::size_t kLeastTimedBytes = 4096;

// Runs one call, timed for the pace.
template <typename Call>
regoff_t Timed(SearchPace& pace, std::size_t plannedBytes, Call&& call) {
  if (plannedBytes < kLeastTimedBytes) return call();
  Clock::time_point const started = Clock::now();
  regoff_t const found = call();
  pace.Measured(plannedBytes, Clock::now() - started);
  return found;
}

// One attempt, from `start`, that may read more than a step: it reads to growing
// stops first. The states it builds stay built, so each call builds at most about
// a step's worth and the last one mostly passes through states already built. A
// call reads again what the previous one read, at the speed of built states, and
// then new bytes at the speed measured on the new bytes of the previous call.
void ReadInSteps(GnuSearch& search, std::size_t start, std::size_t end, Registers& whole,
                 SearchPace& pace, void (*checkInterruption)()) {
  double const stepTime = static_cast<double>(pace.stepTime.count());
  double newBytesCost = pace.NanosecondsPerByte();
  for (std::size_t reached = start; true;) {
    double const again = static_cast<double>(reached - start) * kBuiltStateNanosecondsPerByte;
    double const room = std::max(stepTime - again, stepTime / 4);
    auto const grow = static_cast<std::size_t>(
        std::clamp(room / newBytesCost, 1.0, static_cast<double>(pace.largestStep)));
    std::size_t const stop = reached + grow;
    if (stop >= end) return;
    Clock::time_point const started = Clock::now();
    search.Search(start, start, stop, whole.Get());
    auto const elapsed = static_cast<double>((Clock::now() - started).count());
    newBytesCost = std::max({(elapsed - again) / static_cast<double>(grow),
                             newBytesCost / kLargestGrowth, kBuiltStateNanosecondsPerByte});
    reached = stop;
    checkInterruption();
  }
}

// The first start in [first, span.lastStart] with a match, its end in the
// registers, or -1: the search in calls planned by the pace.
regoff_t FirstMatch(GnuSearch& search, SearchSpan const& span, std::size_t first, Registers& whole,
                    SearchPace& pace, void (*checkInterruption)()) {
  while (first <= span.lastStart) {
    // The start positions of this call: as many as their attempts' reading fits a
    // step, each attempt counted as reading to the end of the text.
    std::size_t const step = pace.StepBytes();
    std::size_t last = first;
    std::size_t planned = 0;
    std::size_t const starts = span.lastStart - first + 1;
    std::size_t const reach = span.end - first + 1;
    if (starts <= step / reach) {
      // Every start at once, even if each read to the end.
      last = span.lastStart;
      planned = starts * reach;
    } else {
      for (std::size_t next = first; next <= span.lastStart; ++next) {
        std::size_t const bytes = 1 + (search.MayStartAt(next) ? span.end - next : 0);
        if (planned > 0 && planned + bytes > step) break;
        planned += bytes;
        last = next;
      }
    }
    if (planned > step) ReadInSteps(search, first, span.end, whole, pace, checkInterruption);
    regoff_t const found =
        Timed(pace, planned, [&] { return search.Search(first, last, span.end, whole.Get()); });
    if (found >= 0) return found;
    checkInterruption();
    first = last + 1;
  }
  return -1;
}

}  // namespace

bool SearchInSteps(regex_t const& regex, SearchSpan const& span, int eflags, std::size_t nmatch,
                   regmatch_t* pmatch, SearchPace& pace, void (*checkInterruption)()) {
  if (span.end > kLongestSearchedText) {
    throw RegularExpressionMatchFailed(
        REG_ESIZE, "the text is longer than " + std::to_string(kLongestSearchedText) +
                       " bytes, the most that a regular expression searches");
  }
  bool const wantParts = nmatch > 1 && regex.re_nsub > 0;
  std::size_t const reach = span.end - span.firstStart + 1;
  if (reach <= pace.StepBytes() / reach &&
      (!wantParts || reach * (pace.PatternCost() + kPartsWorkPerByte) <= kLargestPartsWork)) {
    // Trying every start up to the end fits in a step: one regexec call does it.
    // It finds the leftmost match from the first start; one that starts after the
    // last start is none.
    regmatch_t local;
    bool const anyStart = span.lastStart == span.end;
    regmatch_t* const offsets = nmatch == 0 ? &local : pmatch;
    std::size_t const wanted = nmatch == 0 && anyStart ? 0 : std::max<std::size_t>(nmatch, 1);
    char const* const base = span.base;
    return RegExecWithRegStartEnd(regex, base, base + span.firstStart, base + span.end, eflags,
                                  wanted, offsets) &&
           (anyStart || static_cast<std::size_t>(offsets[0].rm_so) <= span.lastStart);
  }
  GnuSearch search(regex, span, eflags);
  Registers whole(1);
  std::optional<Registers> parts;
  if (wantParts) parts.emplace(regex.re_nsub + 1);
  regoff_t found = -1;
  for (std::size_t first = span.firstStart; first <= span.lastStart;) {
    found = FirstMatch(search, span, first, whole, pace, checkInterruption);
    if (found < 0 || !wantParts) break;
    // The same match again, reading only to its end, for the offsets of its parts.
    // The platform may find that the parts of a match cannot be assigned (with
    // anchors in repeated groups); regexec then goes on to a later start or gives
    // up, depending on what it did before in the same call. This goes on from the
    // next start.
    auto const matchStart = static_cast<std::size_t>(found);
    auto const matchEnd = static_cast<std::size_t>(whole[0].rm_eo);
    if ((matchEnd - matchStart) * (pace.PatternCost() + kPartsWorkPerByte) > kLargestPartsWork) {
      throw RegularExpressionMatchFailed(REG_ESIZE,
                                         "the match is too long to find its parenthesized parts");
    }
    if (search.Search(matchStart, matchStart, matchEnd, parts->Get()) == found) break;
    found = -1;
    checkInterruption();
    first = matchStart + 1;
  }
  if (found < 0) return false;
  if (nmatch == 0) return true;
  pmatch[0] = whole[0];
  for (std::size_t i = 1; i < nmatch; ++i) {
    pmatch[i] = parts && i < parts->Count() ? (*parts)[i] : regmatch_t{-1, -1};
  }
  return true;
}

}  // namespace inspectors
