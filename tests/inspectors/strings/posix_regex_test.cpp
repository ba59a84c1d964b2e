#include "inspectors/strings/posix_regex.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace inspectors {
namespace {

// What a pattern costs decides whether it is compiled at all. The refusals of huge
// patterns, of a NUL byte and of an unbalanced parenthesis, with the platform's
// message, are in regular_expressions.q; these are the patterns near the limit.
TEST(PosixRegexTest, PatternCostRefusesPatternsThatWouldExplode) {
  // Repetitions are written out and runs of nullable nodes cost quadratically: each
  // of these stays within the limit.
  std::string const accepted[] = {
      "",
      "(ab){3}c",
      "((a{10}){10}){10}",
      "(a{20}){30}",
      "a++++",
      "[{}]{3}",  // braces inside brackets or escaped are characters
      "\\{{4}",
      "(ab",
      std::string(1000, 'a') + "*",
      "a*{100}",
      "(a*b){1000}",  // many short nullable runs, each ended by an atom
      std::string(kLargestPatternCost, 'a'),
  };
  for (auto const& pattern : accepted) {
    EXPECT_LE(PatternCost(pattern), kLargestPatternCost) << pattern;
  }
  std::size_t const saturated = kLargestPatternCost + 1;
  std::string const refused[] = {
      std::string(kLargestPatternCost + 1, 'a'),
      "((a{1000}){1000}){1000}",
      "a{99999999999999999999999}",
      "(a{10}){10}" + std::string(50, '+') + "$",
      "a" + std::string(60, '*') + "{1000}",
      "(a*b?){1000}",
      "a**{1000}",
      "(a*){20000}",
      "a?{20000}",
      ".{0,1000}",               // nested bypasses
      "(b?){1000}",              // groups in a nullable run
      "(a{10})(a)(b)?{1000}b)",
      ".*{1000,}a",              // a loop back over a long nullable run
      "((a?)+)*",                // loops over empty paths, nested
      "((^|a)?){20,}",           // anchors in a nullable run
      "((^|a+|aa+)?){,692}b{100}",
      "((\\b|a)?){16}",
  };
  for (auto const& pattern : refused) EXPECT_EQ(PatternCost(pattern), saturated) << pattern;
}

TEST(PosixRegexTest, SearchesARangeOfUnterminatedText) {
  AutoRegex const regex = RegComp("b+", REG_EXTENDED);
  ASSERT_TRUE(regex.Owns());
  // No NUL after the text: the range alone bounds the search.
  std::vector<char> const text{'a', 'b', 'b', '\0', 'b', 'a'};
  char const* const base = text.data();
  std::vector<regmatch_t> matches;
  ASSERT_TRUE(RegExec(regex.Get(), base, base, base + text.size(), 0, matches));
  ASSERT_EQ(matches.size(), 1u);
  EXPECT_EQ(matches[0].rm_so, 1);
  EXPECT_EQ(matches[0].rm_eo, 3);
  // Offsets are from the base, not from the start of the range.
  ASSERT_TRUE(RegExec(regex.Get(), base, base + 3, base + text.size(), REG_NOTBOL, matches));
  EXPECT_EQ(matches[0].rm_so, 4);
  EXPECT_EQ(matches[0].rm_eo, 5);
  EXPECT_FALSE(RegExec(regex.Get(), base, base + 5, base + text.size(), REG_NOTBOL, matches));
  // The end of the range is the end of the text.
  EXPECT_FALSE(RegExecWithRegStartEnd(regex.Get(), base, base, base + 1, 0, 0, nullptr));
  EXPECT_TRUE(RegExecWithRegStartEnd(regex.Get(), base, base, base + 2, 0, 0, nullptr));
}

TEST(PosixRegexTest, TextBeyondThePlatformOffsetsIsRefusedUnread) {
  AutoRegex const regex = RegComp("a", REG_EXTENDED);
  // Address space only: nothing of it may be read.
  std::size_t const size = std::size_t{INT_MAX} + 2;
  void* const space =
      mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  ASSERT_NE(space, MAP_FAILED);
  char const* const base = static_cast<char const*>(space);
  try {
    RegExecWithRegStartEnd(regex.Get(), base, base, base + size, 0, 0, nullptr);
    ADD_FAILURE() << "searched more text than offsets can describe";
  } catch (RegularExpressionMatchFailed const& e) {
    EXPECT_EQ(e.Code(), REG_ESIZE);
  }
  munmap(space, size);
}

TEST(PosixRegexTest, MovingAHandleKeepsTheExpressionInPlace) {
  AutoRegex first = RegComp("x", REG_EXTENDED);
  regex_t const* const address = &first.Get();
  AutoRegex moved = std::move(first);
  EXPECT_FALSE(first.Owns());
  ASSERT_TRUE(moved.Owns());
  EXPECT_EQ(&moved.Get(), address);
  char const text[] = {'x'};
  EXPECT_TRUE(RegExecWithRegStartEnd(*address, text, text, text + 1, 0, 0, nullptr));
}

TEST(PosixRegexTest, BackReferencesAreRefused) {
  struct {
    char const* pattern;
    bool backReference;
  } const cases[] = {
      {"(a)\\1", true}, {"(a)(b)\\2c", true}, {"a\\9", true},   {"(a)\\0", false},
      {"[\\1]", false}, {"[]\\1]", false},    {"\\\\1", false}, {"[[:digit:]\\1]x", false},
      {"a\\.1", false}, {"", false},          {"\\", false},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(HasBackReference(c.pattern), c.backReference) << c.pattern;
    if (!c.backReference) continue;
    try {
      RegComp(c.pattern, REG_EXTENDED);
      ADD_FAILURE() << "compiled " << c.pattern;
    } catch (InvalidRegularExpression const& e) {
      EXPECT_EQ(e.Code(), REG_ESUBREG);
      EXPECT_STREQ(e.what(), "back references are not supported");
    }
  }
}

// Random patterns over a small alphabet, with anchors, word boundaries, groups
// and repetitions, so that searches meet every kind of match and non-match.
std::string RandomPattern(std::mt19937& random, int depth) {
  static char const* const atoms[] = {"a", "b",   "c",   ".",   "[ab]", "[^a]", "^",
                                      "$", "\\b", "\\<", "\\>", "\\w",  "A",    " "};
  static char const* const repeats[] = {"", "", "", "*", "+", "?", "{2}", "{0,2}", "{1,}"};
  std::string pattern;
  int const branches = depth > 0 && random() % 4 == 0 ? 2 : 1;
  for (int b = 0; b < branches; ++b) {
    if (b > 0) pattern += '|';
    int const pieces = 1 + static_cast<int>(random() % 3);
    for (int p = 0; p < pieces; ++p) {
      if (depth > 0 && random() % 3 == 0) {
        pattern += "(" + RandomPattern(random, depth - 1) + ")";
      } else {
        pattern += atoms[random() % std::size(atoms)];
      }
      pattern += repeats[random() % std::size(repeats)];
    }
  }
  return pattern;
}

std::string RandomText(std::mt19937& random) {
  static char const alphabet[] = {'a', 'a', 'b', 'b', 'c', 'A', ' ', '\0'};
  std::string text(random() % 24, ' ');
  for (char& c : text) c = alphabet[random() % std::size(alphabet)];
  return text;
}

void NoInterruption() {}

// The search in steps finds what one call to regexec finds, however it is cut into
// calls: the same leftmost start, the same longest end and the same parts.
TEST(PosixRegexTest, SearchInStepsFindsWhatRegexecFinds) {
  std::mt19937 random(2024);
  std::size_t const largestSteps[] = {1, 2, 3, 5, 8, 21, SIZE_MAX};
  int searches = 0;
  int found = 0;
  int unassignable = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string const pattern = RandomPattern(random, 2);
    int const cflags = REG_EXTENDED | (random() % 4 == 0 ? REG_ICASE : 0);
    AutoRegex regex;
    try {
      regex = RegComp(pattern.c_str(), cflags);
    } catch (InvalidRegularExpression const&) {
      continue;
    }
    std::size_t const parts = regex.Subexpressions() + 1;
    for (int t = 0; t < 4; ++t) {
      std::string const text = RandomText(random);
      std::size_t const from = random() % (text.size() + 1);
      // With REG_NOTBOL, "^" does not match at offset 0 either.
      int const eflags = from > 0 || random() % 4 == 0 ? REG_NOTBOL : 0;
      char const* const base = text.data();
      // With parts, and with the whole match only: the platform may find that the
      // parts of a match cannot be assigned, and then looks further.
      std::vector<regmatch_t> expected(parts);
      bool const matched = RegExecWithRegStartEnd(
          regex.Get(), base, base + from, base + text.size(), eflags, parts, expected.data());
      regmatch_t expectedWhole;
      bool const matchedWhole = RegExecWithRegStartEnd(
          regex.Get(), base, base + from, base + text.size(), eflags, 1, &expectedWhole);
      bool const matchedAny = RegExecWithRegStartEnd(regex.Get(), base, base + from,
                                                     base + text.size(), eflags, 0, nullptr);
      found += matched ? 1 : 0;
      // Where the platform finds no parts for the leftmost match, one call to
      // regexec may look further or give up depending on what it did before in the
      // same call; the search in steps looks further, from one byte on.
      bool const partsFound =
          matched == matchedWhole && (!matched || expected[0].rm_so == expectedWhole.rm_so);
      unassignable += partsFound ? 0 : 1;
      for (std::size_t largestStep : largestSteps) {
        SearchPace pace(regex.Cost());
        pace.largestStep = largestStep;
        std::string const what = "/" + pattern + "/ in \"" + text + "\" from " +
                                 std::to_string(from) + ", steps of " + std::to_string(largestStep);
        ++searches;
        SearchSpan const span{base, from, text.size(), text.size()};
        std::vector<regmatch_t> got(parts, regmatch_t{-7, -7});
        bool const gotParts =
            SearchInSteps(regex.Get(), span, eflags, parts, got.data(), pace, &NoInterruption);
        if (!partsFound) {
          if (gotParts) {
            EXPECT_GT(got[0].rm_so, expectedWhole.rm_so) << what;
          }
        } else {
          ASSERT_EQ(gotParts, matched) << what;
          for (std::size_t k = 0; matched && k < parts; ++k) {
            EXPECT_EQ(got[k].rm_so, expected[k].rm_so) << what << ", part " << k;
            EXPECT_EQ(got[k].rm_eo, expected[k].rm_eo) << what << ", part " << k;
          }
        }
        regmatch_t whole{-7, -7};
        ASSERT_EQ(SearchInSteps(regex.Get(), span, eflags, 1, &whole, pace, &NoInterruption),
                  matchedWhole)
            << what << ", whole match only";
        if (matchedWhole) {
          EXPECT_EQ(whole.rm_so, expectedWhole.rm_so) << what;
          EXPECT_EQ(whole.rm_eo, expectedWhole.rm_eo) << what;
        }
        EXPECT_EQ(SearchInSteps(regex.Get(), span, eflags, 0, nullptr, pace, &NoInterruption),
                  matchedAny)
            << what << ", no offsets";
        // Only the first start: a match there is the leftmost one.
        SearchSpan const onlyFirst{base, from, from, text.size()};
        bool const atFirst = matchedWhole && static_cast<std::size_t>(expectedWhole.rm_so) == from;
        ASSERT_EQ(SearchInSteps(regex.Get(), onlyFirst, eflags, 1, &whole, pace, &NoInterruption),
                  atFirst)
            << what << ", first start only";
        if (atFirst) {
          EXPECT_EQ(whole.rm_eo, expectedWhole.rm_eo) << what;
        }
      }
    }
  }
  // The cases must exercise both outcomes, in numbers.
  EXPECT_GT(searches, 25000);
  EXPECT_LT(unassignable, 30);
  EXPECT_GT(found, 1000);
  EXPECT_LT(found, searches / 7 - 1000);
}

int interruptionChecks = 0;
struct Stop {};
void StopAtTheThirdCheck() {
  if (++interruptionChecks == 3) throw Stop{};
}

TEST(PosixRegexTest, SearchInStepsChecksForInterruptionBetweenCalls) {
  AutoRegex const regex = RegComp("(a|b)*c", REG_EXTENDED);
  std::string const text(5000, 'a');
  struct {
    std::size_t lastStart;  // one start (an attempt read in steps) or all of them
    int nmatch;
  } const cases[] = {{0, 0}, {text.size(), 0}, {text.size(), 2}};
  for (auto const& c : cases) {
    SearchPace pace(regex.Cost());
    pace.largestStep = 1000;
    interruptionChecks = 0;
    std::vector<regmatch_t> match(2);
    SearchSpan const span{text.data(), 0, c.lastStart, text.size()};
    EXPECT_THROW(
        SearchInSteps(regex.Get(), span, 0, c.nmatch, match.data(), pace, &StopAtTheThirdCheck),
        Stop)
        << c.lastStart;
  }
}

TEST(PosixRegexTest, SearchInStepsRefusesWhatItCannotBound) {
  AutoRegex const regex = RegComp("(a)*", REG_EXTENDED);
  SearchPace pace(regex.Cost());
  std::string const longest(kLongestSearchedText, 'b');
  std::string const tooLong = longest + "b";
  regmatch_t whole;
  SearchSpan const atLimit{longest.data(), 0, longest.size(), longest.size()};
  EXPECT_TRUE(SearchInSteps(regex.Get(), atLimit, 0, 1, &whole, pace, &NoInterruption));
  try {
    SearchSpan const span{tooLong.data(), 0, tooLong.size(), tooLong.size()};
    SearchInSteps(regex.Get(), span, 0, 1, &whole, pace, &NoInterruption);
    ADD_FAILURE() << "searched a text longer than the limit";
  } catch (RegularExpressionMatchFailed const& e) {
    EXPECT_EQ(e.Code(), REG_ESIZE);
  }

  // The parts of a match cost its length times the pattern's cost and more.
  std::size_t const longestMatch = kLargestPartsWork / (regex.Cost() + kPartsWorkPerByte);
  std::string const as(longestMatch + 1, 'a');
  std::vector<regmatch_t> parts(2);
  SearchSpan const longMatch{as.data(), 0, 0, as.size()};
  try {
    SearchInSteps(regex.Get(), longMatch, 0, 2, parts.data(), pace, &NoInterruption);
    ADD_FAILURE() << "took apart a match of " << as.size() << " bytes";
  } catch (RegularExpressionMatchFailed const& e) {
    EXPECT_EQ(e.Code(), REG_ESIZE);
  }
  // Without its parts, the same match is found; one byte shorter, with them.
  EXPECT_TRUE(SearchInSteps(regex.Get(), longMatch, 0, 1, parts.data(), pace, &NoInterruption));
  EXPECT_EQ(static_cast<std::size_t>(parts[0].rm_eo), as.size());
  SearchSpan const shorter{as.data(), 0, 0, as.size() - 1};
  ASSERT_TRUE(SearchInSteps(regex.Get(), shorter, 0, 2, parts.data(), pace, &NoInterruption));
  EXPECT_EQ(parts[1].rm_so, static_cast<regoff_t>(longestMatch - 1));
  EXPECT_EQ(parts[1].rm_eo, static_cast<regoff_t>(longestMatch));
}

}  // namespace
}  // namespace inspectors
