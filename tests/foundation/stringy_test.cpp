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

TEST(Stringy, ConstructionNumbersAndAppending) {
  EXPECT_EQ(Stringy(nullptr).GetLength(), 0u);
  EXPECT_EQ(Stringy("a\0b", 3).GetLength(), 3u);
  EXPECT_EQ(Stringy(-12), "-12");
  EXPECT_EQ(Stringy(18446744073709551615ull), "18446744073709551615");
  EXPECT_THROW(Stringy("x", static_cast<std::size_t>(-1)), StringyLengthTooLong);
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
}

TEST(Stringy, SearchingEditingAndPieces) {
  Stringy s("a/b/c");
  EXPECT_EQ(s.Find('/'), 1);
  EXPECT_EQ(s.FindFromRight('/'), 3);
  EXPECT_EQ(s.Find('x'), Stringy::kNotFound);
  EXPECT_TRUE(s.Contains("b/c"));
  EXPECT_TRUE(Stringy("HeLLo").StartsWithIgnoringCase("hel"));
  EXPECT_FALSE(Stringy("He").StartsWithIgnoringCase("hel"));
  s.Replace('/', '.');
  s.MakeUpper();
  EXPECT_EQ(s, "A.B.C");
  Stringy const hello("hello");
  EXPECT_EQ(hello.Left(2), "he");
  EXPECT_EQ(hello.Right(9), "hello");
  EXPECT_EQ(hello.Mid(1, 3), "ell");
  EXPECT_EQ(hello.Mid(9).GetLength(), 0u);
}

TEST(Stringy, TrimmingRemovesOnlyTabLfCrAndSpace) {
  Stringy vt("\v x \r\n");
  vt.StripLeadingAndTrailingWhite();
  EXPECT_EQ(vt, "\v x");
  Stringy left(" \n x ");
  left.TrimLeft();
  EXPECT_EQ(left, "x ");
  EXPECT_EQ(Stringy("key =  value \t").SubstringAfterLastSeparator('='), "value");
  EXPECT_TRUE(Stringy("no separator").SubstringAfterLastSeparator('=').IsEmpty());
  EXPECT_TRUE(Stringy("ends=").SubstringAfterLastSeparator('=').IsEmpty());
}

TEST(SplitSeparatedStrings, FieldsAtEverySeparatorUpToTheMaximum) {
  using Fields = std::vector<std::string>;
  struct Case {
    char const* text;
    char separator;
    std::size_t max;
    bool strip;
    Fields expected;
  };
  Case const cases[] = {
      {"a,b,,c", ',', 10, false, {"a", "b", "", "c"}},
      {"a,", ',', 10, false, {"a", ""}},
      {",", ',', 10, false, {"", ""}},
      {"", ',', 10, false, {}},
      {nullptr, ',', 10, false, {}},
      {"a,b", ',', 0, false, {}},
      {"a,b c", '\0', 10, false, {"a,b c"}},
      {"a,b,c,d", ',', 2, false, {"a", "b"}},
      {" a ,\tb\n, ", ',', 10, true, {"a", "b", ""}},
      {" a ,b", ',', 10, false, {" a ", "b"}},
  };
  for (Case const& c : cases) {
    std::size_t count = 99;
    EXPECT_EQ(Split(c.text, c.separator, c.max, c.strip, &count), c.expected) << c.text;
    EXPECT_EQ(count, c.expected.size());
  }
  std::vector<Stringy> fields{Stringy("old")};
  EXPECT_EQ(SplitSeparatedStringsIntoArray("x;y", ';', fields, 5, false), 2u);
  EXPECT_EQ(Texts(fields), (Fields{"old", "x", "y"}));
}

}  // namespace
}  // namespace inspectors
