#include "foundation/ascii.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inspectors {
namespace {

std::string S(ConstData d) {
  return MakeString(d);
}

std::vector<int> Members(ByteSet const& set) {
  std::vector<int> members;
  for (int b = 0; b < 256; ++b) {
    if (set.Contains(static_cast<byte>(b))) members.push_back(b);
  }
  return members;
}

std::vector<int> Span(int first, int last) {
  std::vector<int> members;
  for (int b = first; b <= last; ++b) members.push_back(b);
  return members;
}

TEST(ByteSet, BitLayoutAndOperations) {
  ByteSet set;
  set.Add(0).Add(31).Add(32).Add(255);
  EXPECT_EQ(Members(set), (std::vector<int>{0, 31, 32, 255}));
  EXPECT_EQ(Members(ByteSet().AddRange(250, 255)), Span(250, 255));
  EXPECT_EQ(Members(ByteSet().Add(7).Complement()).size(), 255u);
  EXPECT_FALSE(ByteSet().Add(7).Complement().Contains(7));
  EXPECT_EQ(ByteSet().Add(1).Add(ByteSet().Add(2)), ByteSet().AddRange(1, 2));
}

TEST(AsciiClasses, WhiteSpaceIsTabLfCrSpaceOnly) {
  EXPECT_EQ(Members(Ascii::WhiteSpace()), (std::vector<int>{9, 10, 13, 32}));
  EXPECT_EQ(Members(Ascii::LinearWhiteSpace()), (std::vector<int>{9, 32}));
}

TEST(AsciiClasses, RangesAndComplements) {
  EXPECT_EQ(Members(Ascii::Printable()), Span(33, 126));
  EXPECT_EQ(Members(Ascii::PlainText()), Span(32, 126));
  EXPECT_EQ(Ascii::Unprintable(), Ascii::Printable().Complement());
  std::vector<int> control = Span(0, 31);
  control.push_back(127);
  EXPECT_EQ(Members(Ascii::Control()), control);
  EXPECT_EQ(Members(Ascii::High()), Span(128, 255));
  EXPECT_EQ(Ascii::Low(), Ascii::High().Complement());
  EXPECT_EQ(Members(Ascii::Numeric()), Span('0', '9'));
  EXPECT_EQ(Members(Ascii::UppercaseAlphabet()), Span('A', 'Z'));
  EXPECT_EQ(Members(Ascii::LowercaseAlphabet()), Span('a', 'z'));
}

TEST(AsciiClasses, LettersDigitsUnderscoreAndPunctuation) {
  EXPECT_EQ(Members(Ascii::Alphabetic()).size(), 52u);
  EXPECT_EQ(Members(Ascii::Alphanumeric()).size(), 62u);
  EXPECT_EQ(Members(Ascii::Alphanumeric_()).size(), 63u);
  EXPECT_TRUE(Ascii::Alphabetic_().Contains('_'));
  EXPECT_FALSE(Ascii::Alphabetic_().Contains('0'));
  EXPECT_FALSE(Ascii::Alphanumeric().Contains('_'));
  EXPECT_EQ(Members(Ascii::HexDigits()).size(), 22u);
  EXPECT_FALSE(Ascii::HexDigits().Contains('g'));
  // Every printable byte is exactly one of letter, digit or punctuation.
  ByteSet all = Ascii::Alphanumeric();
  all.Add(Ascii::Punctuation());
  EXPECT_EQ(all, Ascii::Printable());
  EXPECT_EQ(Members(Ascii::Punctuation()).size(), 94u - 62u);
}

TEST(AsciiCase, TablesFoldOnlyLetters) {
  EXPECT_TRUE(Ascii::CheckCaseTables());
  EXPECT_EQ(Ascii::ToLower('Q'), 'q');
  EXPECT_EQ(Ascii::ToUpper('q'), 'Q');
  for (byte b : {'@', '[', '`', '{', '\xc4', '\xe4'}) {
    EXPECT_EQ(Ascii::ToLower(b), b);
    EXPECT_EQ(Ascii::ToUpper(b), b);
  }
}

TEST(AsciiCase, ComparisonsFoldBeforeComparing) {
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

TEST(AsciiCase, CopiesInPlaceAndIntoARoom) {
  char room[4] = {};
  Data const rest = Ascii::RaiseCase("ab1cd", Data(room, sizeof room));
  EXPECT_TRUE(rest.Empty());
  EXPECT_EQ(std::string(room, 4), "AB1C");
  char text[] = "MiXeD-42";
  Ascii::LowerCase(Data(text, 8));
  EXPECT_EQ(std::string(text), "mixed-42");
}

TEST(AsciiCase, HexDigits) {
  EXPECT_EQ(Ascii::HexDigit(0), '0');
  EXPECT_EQ(Ascii::HexDigit(9), '9');
  EXPECT_EQ(Ascii::HexDigit(10), 'a');
  EXPECT_EQ(Ascii::HexDigit(15), 'f');
  EXPECT_EQ(Ascii::HexDigitValue('7'), 7u);
  EXPECT_EQ(Ascii::HexDigitValue('a'), 10u);
  EXPECT_EQ(Ascii::HexDigitValue('F'), 15u);
}

TEST(AsciiCase, FiltersFoldWhileMovingAndAdvanceBothCursors) {
  ConstBuffer in(ConstData("Hello, World"));
  BufferOfSize<5> out;
  Ascii::LowerCase()(in, out.GetBuffer());
  EXPECT_EQ(S(out.Used()), "hello");
  EXPECT_EQ(S(in), ", World");

  char room[16] = {};
  std::size_t const written = Ascii::RaiseCase()(ConstData("mixed Case"), Data(room, 16));
  EXPECT_EQ(written, 10u);
  EXPECT_EQ(std::string(room), "MIXED CASE");

  Ascii::CaseLoweringFilter lowering;
  EXPECT_EQ(lowering(ConstData(""), Data(room, 16)), 0u);
}

}  // namespace
}  // namespace inspectors
