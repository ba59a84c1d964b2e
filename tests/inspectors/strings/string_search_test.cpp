#include "inspectors/strings/string_search.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace inspectors {
namespace {

// Every start from `from` upward, compared byte by byte.
std::size_t NaiveFirst(std::string const& haystack, std::string const& needle, std::size_t from) {
  if (from > haystack.size()) return kNotFound;
  for (std::size_t p = from; p + needle.size() <= haystack.size(); ++p) {
    if (haystack.compare(p, needle.size(), needle) == 0) return p;
  }
  return kNotFound;
}

std::size_t NaiveLast(std::string const& haystack, std::string const& needle) {
  if (needle.size() > haystack.size()) return kNotFound;
  for (std::size_t p = haystack.size() - needle.size() + 1; p-- > 0;) {
    if (haystack.compare(p, needle.size(), needle) == 0) return p;
  }
  return kNotFound;
}

std::string RandomText(std::mt19937& random, std::size_t length, char alphabetSize) {
  std::uniform_int_distribution<int> letter(0, alphabetSize - 1);
  std::string text(length, 'a');
  for (char& c : text) c = static_cast<char>('a' + letter(random));
  return text;
}

// Empty needles and haystacks and starts past the end come up among these; NUL bytes
// and empty needles in a query are in substring.q.
TEST(StringSearchTest, AgreesWithByteByByteSearchOnSmallAlphabets) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 4000; ++round) {
    char const alphabet = static_cast<char>(1 + round % 3);
    std::string const haystack = RandomText(random, random() % 40, alphabet);
    std::string const needle = RandomText(random, random() % 7, alphabet);
    std::size_t const from = random() % (haystack.size() + 2);
    ASSERT_EQ(FindFirst(ConstData(haystack), ConstData(needle), from),
              NaiveFirst(haystack, needle, from))
        << haystack << " / " << needle << " from " << from;
    ASSERT_EQ(FindLast(ConstData(haystack), ConstData(needle)), NaiveLast(haystack, needle))
        << haystack << " / " << needle;
  }
}

TEST(StringSearchTest, LastOccurrenceOfPeriodicNeedles) {
  // Needles whose prefixes repeat make the backward scan fall back on its borders.
  std::string const haystack = "abaababaabaababaababa";
  for (std::string const needle : {"aba", "abaab", "ababa", "baababaab", "abaababaabaab"}) {
    EXPECT_EQ(FindLast(ConstData(haystack), ConstData(needle)), NaiveLast(haystack, needle))
        << needle;
  }
  EXPECT_EQ(FindLast(ConstData(std::string(1000, 'a')), ConstData(std::string(999, 'a'))), 1u);
  EXPECT_EQ(FindLast(ConstData(std::string(1000, 'a') + "b"), ConstData(std::string(3, 'a'))),
            997u);
}

// Long needles over two letters: most bytes begin a candidate, so the search from the
// end soon hands the rest of the haystack to the linear scan, and the occurrences
// (taken from the haystack, some spoilt at one byte) fall on either side of the handover.
TEST(StringSearchTest, LastOccurrenceOfLongNeedlesInRepetitiveText) {
  std::mt19937 random(7);
  for (int round = 0; round < 600; ++round) {
    std::string const haystack = RandomText(random, 200 + random() % 1800, 2);
    std::size_t const length = 2 + random() % 60;
    std::string needle = haystack.substr(random() % (haystack.size() - length), length);
    if (round % 3 != 0) needle[random() % length] ^= 3;  // 'a' <-> 'b'
    ASSERT_EQ(FindLast(ConstData(haystack), ConstData(needle)), NaiveLast(haystack, needle))
        << "round " << round;
  }
}

// A needle of a's ending in b, in a's with one b: every start after the occurrence is a
// near miss, so however many near misses the search takes before it changes method,
// some count of trailing a's puts the change right next to the occurrence.
TEST(StringSearchTest, LastOccurrenceRightAfterNearMisses) {
  for (std::size_t const m : {2, 5, 40, 200}) {
    std::string const needle = std::string(m - 1, 'a') + "b";
    for (std::size_t trailing = 0; trailing <= 300; ++trailing) {
      std::string const haystack = std::string(m + 10, 'a') + "b" + std::string(trailing, 'a');
      ASSERT_EQ(FindLast(ConstData(haystack), ConstData(needle)), 11u)
          << "needle of " << m << ", " << trailing << " trailing";
    }
  }
}

}  // namespace
}  // namespace inspectors
