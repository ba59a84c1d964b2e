#include "inspectors/strings/posix_regex.h"

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace inspectors {
namespace {

TEST(PosixRegexTest, PatternCostWritesOutRepetitions) {
  EXPECT_EQ(PatternCost(""), 0u);
  EXPECT_EQ(PatternCost("abc"), 3u);
  EXPECT_EQ(PatternCost("(ab){3}c"), 7u);
  EXPECT_EQ(PatternCost("a{2,5}b"), 6u);
  EXPECT_EQ(PatternCost("a{4,}b"), 6u);
  EXPECT_EQ(PatternCost("((a{10}){10}){10}"), 1000u);
  // "+" writes its piece out twice.
  EXPECT_EQ(PatternCost("a+"), 2u);
  EXPECT_EQ(PatternCost("(ab)+c"), 5u);
  EXPECT_EQ(PatternCost("a++++"), 16u);
  // Only the piece just before an interval is repeated.
  EXPECT_EQ(PatternCost("ab{10}"), 11u);
  // Braces that do not make an interval, and braces inside brackets or escaped, are
  // single characters.
  EXPECT_EQ(PatternCost("a{x}"), 4u);
  EXPECT_EQ(PatternCost("[{}]{3}"), 3u);
  EXPECT_EQ(PatternCost("[]{]"), 1u);
  EXPECT_EQ(PatternCost("[[:digit:]{]{2}"), 2u);
  EXPECT_EQ(PatternCost("\\{{4}"), 4u);
  // Unbalanced parentheses still count what they hold.
  EXPECT_EQ(PatternCost("(ab"), 2u);
  EXPECT_EQ(PatternCost("ab)"), 3u);
}

TEST(PosixRegexTest, PatternCostCountsEmptyPaths) {
  // A run of k nullable atoms costs about k * k / kEmptyPathsPerAtom more.
  std::size_t const run = 2000;  // "a*" written out 1000 times: 2 atoms each
  EXPECT_EQ(PatternCost("a*{1000}"), run + run * run / kEmptyPathsPerAtom);
  EXPECT_EQ(PatternCost(std::string(1000, 'a') + "*"), 1001u);
  // A non-nullable atom ends a run: "a*b" repeated is many short runs.
  EXPECT_LT(PatternCost("(a*b){1000}"), 4000u);
  EXPECT_GT(PatternCost("(a*b?){1000}"), kLargestPatternCost);
  // Stars around stars cost more than one star.
  EXPECT_GT(PatternCost("a**{1000}"), kLargestPatternCost);
  EXPECT_GT(PatternCost("(a*){20000}"), kLargestPatternCost);
  EXPECT_GT(PatternCost("a?{20000}"), kLargestPatternCost);
}

TEST(PosixRegexTest, PatternCostSaturates) {
  std::size_t const saturated = kLargestPatternCost + 1;
  EXPECT_EQ(PatternCost("((a{1000}){1000}){1000}"), saturated);
  EXPECT_EQ(PatternCost("a{99999999999999999999999}"), saturated);
  EXPECT_EQ(PatternCost("(a{400}){300}"), saturated);
  EXPECT_EQ(PatternCost("(a{300}){300}"), 90000u);
  EXPECT_EQ(PatternCost("(a{10}){10}" + std::string(50, '+') + "$"), saturated);
  EXPECT_EQ(PatternCost("a" + std::string(60, '*') + "{1000}"), saturated);
}

TEST(PosixRegexTest, CompileFailureCarriesThePlatformMessage) {
  regex_t probe;
  int const code = regcomp(&probe, "a(", REG_EXTENDED);
  ASSERT_NE(code, 0);
  std::string const expected = RegError(code, &probe);
  EXPECT_FALSE(expected.empty());
  try {
    RegComp("a(", REG_EXTENDED);
    FAIL() << "compiled an unbalanced parenthesis";
  } catch (InvalidRegularExpression const& e) {
    EXPECT_EQ(e.Code(), code);
    EXPECT_EQ(std::string(e.what()), expected);
  }
  EXPECT_THROW(RegComp("a(", REG_EXTENDED), RegComp_Failed);
}

TEST(PosixRegexTest, RefusesPatternsItCannotCompileFaithfully) {
  std::string const withNul("a\0b", 3);
  try {
    RegComp(withNul.data(), withNul.data() + withNul.size(), REG_EXTENDED);
    FAIL() << "compiled a pattern with a NUL byte";
  } catch (InvalidRegularExpression const& e) {
    EXPECT_EQ(e.Code(), REG_BADPAT);
  }
  try {
    RegComp("(a{400}){300}", REG_EXTENDED);
    FAIL() << "compiled a pattern of 120000 atoms";
  } catch (InvalidRegularExpression const& e) {
    EXPECT_EQ(e.Code(), REG_ESIZE);
    EXPECT_EQ(std::string(e.what()), RegError(REG_ESIZE, nullptr));
  }
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

TEST(PosixRegexTest, SubexpressionsThatTookNoPartHaveNoOffsets) {
  AutoRegex const regex = RegComp("(a)|(b)", REG_EXTENDED);
  EXPECT_EQ(regex.Subexpressions(), 2u);
  char const text[] = {'b'};
  std::vector<regmatch_t> matches;
  ASSERT_TRUE(RegExec(regex.Get(), text, text, text + 1, 0, matches));
  ASSERT_EQ(matches.size(), 3u);
  EXPECT_EQ(matches[1].rm_so, -1);
  EXPECT_EQ(matches[2].rm_so, 0);
  EXPECT_EQ(matches[2].rm_eo, 1);
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

}  // namespace
}  // namespace inspectors
