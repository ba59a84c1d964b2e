#include "foundation/stringy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inspectors {
namespace {

std::vector<std::string> Texts(std::vector<Stringy> const& fields) {
  std::vector<std::string> texts;
  for (Stringy const& f : fields) texts.push_back(f.Str());
  return texts;
}

std::vector<std::string> Split(char const* text, char separator, std::size_t max, bool strip,
                               std::size_t* count = nullptr) {
  std::vector<Stringy> fields;
  std::size_t const n = SplitSeparatedStringsIntoArray(text, separator, fields, max, strip);
  if (count) *count = n;
  return Texts(fields);
}

TEST(Stringy, ConstructionAndNumbers) {
  EXPECT_EQ(Stringy(nullptr).GetLength(), 0u);
  EXPECT_EQ(Stringy("abc").GetLength(), 3u);
  EXPECT_EQ(Stringy("a\0b", 3).GetLength(), 3u);
  EXPECT_EQ(Stringy(-12), "-12");
  EXPECT_EQ(Stringy(18446744073709551615ull), "18446744073709551615");
  EXPECT_EQ(Stringy(0ul), "0");
  EXPECT_THROW(Stringy("x", static_cast<std::size_t>(-1)), StringyLengthTooLong);
}

TEST(Stringy, AppendingAndConcatenation) {
  Stringy s("ab");
  s += 'c';
  s += "de";
  s += Stringy("f");
  s += ConstData("g");
  EXPECT_EQ(s, "abcdefg");
  EXPECT_EQ(Stringy("x") + "y" + 'z', "xyz");
}

TEST(Stringy, ComparisonsAndTheEmptyStringFirst) {
  EXPECT_LT(Stringy(), Stringy("a"));
  EXPECT_LT(Stringy(""), "\x01");
  EXPECT_LT(Stringy("ab"), "abc");
  EXPECT_GT(Stringy("b"), "abc");
  EXPECT_LT(Stringy("B"), Stringy("a"));
  EXPECT_GT(Stringy("B").CompareNoCase(Stringy("a")), 0);
  EXPECT_LT(Stringy().CompareNoCase(Stringy("a")), 0);
  EXPECT_TRUE(Stringy("MiX").EqualIgnoringCase(Stringy("mix")));
  EXPECT_NE(Stringy("a"), "a ");
  EXPECT_TRUE("abc" == Stringy("abc"));
}

TEST(Stringy, SearchingAndEditing) {
  Stringy s("a/b/c");
  EXPECT_EQ(s.Find('/'), 1);
  EXPECT_EQ(s.FindFromRight('/'), 3);
  EXPECT_EQ(s.Find('x'), Stringy::kNotFound);
  EXPECT_TRUE(s.Contains("b/c"));
  EXPECT_TRUE(s.StartsWith("a/"));
  EXPECT_TRUE(Stringy("HeLLo").StartsWithIgnoringCase("hel"));
  EXPECT_FALSE(Stringy("He").StartsWithIgnoringCase("hel"));
  s.Replace('/', '.');
  EXPECT_EQ(s, "a.b.c");
  s.MakeUpper();
  EXPECT_EQ(s, "A.B.C");
  s.MakeLower();
  EXPECT_EQ(s, "a.b.c");
}

TEST(Stringy, PiecesClamp) {
  Stringy const s("hello");
  EXPECT_EQ(s.Left(2), "he");
  EXPECT_EQ(s.Right(3), "llo");
  EXPECT_EQ(s.Right(9), "hello");
  EXPECT_EQ(s.Mid(1, 3), "ell");
  EXPECT_EQ(s.Mid(3), "lo");
  EXPECT_EQ(s.Mid(9).GetLength(), 0u);
  EXPECT_EQ(s.Left(0), Stringy());
}

TEST(Stringy, TrimmingRemovesOnlyTabLfCrAndSpace) {
  Stringy all("  \t");
  all.StripLeadingAndTrailingWhite();
  EXPECT_TRUE(all.IsEmpty());
  Stringy vt("\v x \r\n");
  vt.StripLeadingAndTrailingWhite();
  EXPECT_EQ(vt, "\v x");
  Stringy left(" \n x ");
  left.TrimLeft();
  EXPECT_EQ(left, "x ");
}

TEST(Stringy, SubstringAfterLastSeparator) {
  EXPECT_EQ(Stringy("CN=a, OU=b").SubstringAfterLastSeparator('='), "b");
  EXPECT_EQ(Stringy("key =  value \t").SubstringAfterLastSeparator('='), "value");
  EXPECT_TRUE(Stringy("no separator").SubstringAfterLastSeparator('=').IsEmpty());
  EXPECT_TRUE(Stringy("ends=").SubstringAfterLastSeparator('=').IsEmpty());
}

TEST(SplitSeparatedStrings, FieldsAtEverySeparator) {
  std::size_t count = 0;
  EXPECT_EQ(Split("a,b,,c", ',', 10, false, &count), (std::vector<std::string>{"a", "b", "", "c"}));
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(Split("a,", ',', 10, false), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(Split(",", ',', 10, false), (std::vector<std::string>{"", ""}));
}

TEST(SplitSeparatedStrings, EmptyInputZeroMaximumAndZeroSeparator) {
  std::size_t count = 9;
  EXPECT_TRUE(Split("", ',', 10, false, &count).empty());
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(Split(nullptr, ',', 10, false).empty());
  EXPECT_TRUE(Split("a,b", ',', 0, false, &count).empty());
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(Split("a,b c", '\0', 10, false), (std::vector<std::string>{"a,b c"}));
}

TEST(SplitSeparatedStrings, MaximumDropsTheRestAndStripApplies) {
  std::size_t count = 0;
  EXPECT_EQ(Split("a,b,c,d", ',', 2, false, &count), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(count, 2u);
  EXPECT_EQ(Split(" a ,\tb\n, ", ',', 10, true), (std::vector<std::string>{"a", "b", ""}));
  EXPECT_EQ(Split(" a ,b", ',', 10, false), (std::vector<std::string>{" a ", "b"}));
}

TEST(SplitSeparatedStrings, AppendsToWhatIsThere) {
  std::vector<Stringy> fields{Stringy("old")};
  EXPECT_EQ(SplitSeparatedStringsIntoArray("x;y", ';', fields, 5, false), 2u);
  EXPECT_EQ(Texts(fields), (std::vector<std::string>{"old", "x", "y"}));
}

}  // namespace
}  // namespace inspectors
