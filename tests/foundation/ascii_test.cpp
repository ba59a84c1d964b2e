#include "foundation/ascii.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inspectors {
namespace {

std::vector<int> Members(ByteSet const& set) {
  std::vector<int> members;
  for (int b = 0; b < 256; ++b) {
    if (set.Contains(static_cast<byte>(b))) members.push_back(b);
  }
  return members;
}

TEST(ByteSet, BitLayoutAndOperations) {
  EXPECT_EQ(Members(ByteSet().Add(0).Add(31).Add(32).Add(255)), (std::vector<int>{0, 31, 32, 255}));
  EXPECT_EQ(Members(ByteSet().AddRange(250, 255)),
            (std::vector<int>{250, 251, 252, 253, 254, 255}));
  EXPECT_EQ(Members(ByteSet().Add(7).Complement()).size(), 255u);
  EXPECT_FALSE(ByteSet().Add(7).Complement().Contains(7));
  EXPECT_EQ(ByteSet().Add(1).Add(ByteSet().Add(2)), ByteSet().AddRange(1, 2));
}

// The classes are ranges written out in ascii.cpp; the ones the library uses are
// pinned at their edges by the query files (numeric_value.q, hexadecimal.q,
// string_trimming.q).

TEST(AsciiCase, FoldsOnlyLettersAndComparesAfterFolding) {
  EXPECT_TRUE(Ascii::CheckCaseTables());
  EXPECT_EQ(Ascii::ToLower('Q'), 'q');
  EXPECT_EQ(Ascii::ToUpper('q'), 'Q');
  for (byte b : {'@', '[', '`', '{', '\xc4', '\xe4'}) {
    EXPECT_EQ(Ascii::ToLower(b), b);
    EXPECT_EQ(Ascii::ToUpper(b), b);
  }
  EXPECT_TRUE(Ascii::EqualIgnoringCase("InFinity", "infINITY"));
  EXPECT_FALSE(Ascii::EqualIgnoringCase("inf", "infinity"));
  EXPECT_FALSE(Ascii::EqualIgnoringCase("[", "{"));
  // '_' (95) lies between the two alphabets, so the fold direction matters.
  EXPECT_LT(Ascii::CompareUppercase("a", "_"), 0);
  EXPECT_GT(Ascii::CompareLowercase("A", "_"), 0);
  EXPECT_EQ(Ascii::CompareLowercase("ABC", "abcd"), -1);
  EXPECT_EQ(Ascii::CompareIgnoreCase("Hello", "hELLO"), 0);
  EXPECT_LT(Ascii::CompareIgnoreCase("abc", "ABD"), 0);
  EXPECT_EQ(Ascii::CompareIgnoreCaseN("abcX", "ABCy", 3), 0);
  EXPECT_NE(Ascii::CompareIgnoreCaseN("abcX", "ABCy", 4), 0);
}

TEST(AsciiCase, CopiesAndFiltersFoldWhatFits) {
  char room[4] = {};
  EXPECT_TRUE(Ascii::RaiseCase("ab1cd", Data(room, sizeof room)).Empty());
  EXPECT_EQ(std::string(room, 4), "AB1C");
  char text[] = "MiXeD-42";
  Ascii::LowerCase(Data(text, 8));
  EXPECT_EQ(std::string(text), "mixed-42");

  // A filter moves what fits and advances both cursors.
  ConstBuffer in(ConstData("Hello, World"));
  BufferOfSize<5> out;
  Ascii::LowerCase()(in, out.GetBuffer());
  EXPECT_EQ(MakeString(out.Used()), "hello");
  EXPECT_EQ(MakeString(in), ", World");
  char wide[16] = {};
  EXPECT_EQ(Ascii::RaiseCase()(ConstData("mixed Case"), Data(wide, 16)), 10u);
  EXPECT_EQ(std::string(wide), "MIXED CASE");
}

}  // namespace
}  // namespace inspectors
