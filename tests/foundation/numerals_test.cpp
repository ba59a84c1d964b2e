#include "foundation/numerals.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace inspectors {
namespace {

std::string S(ConstData d) {
  return MakeString(d);
}

TEST(DecimalReaders, AcceptOnlyDigitsUpToTheirLimit) {
  EXPECT_EQ(ReadAsciiDecimalNumeral64("007"), 7u);
  EXPECT_EQ(ReadAsciiDecimalNumeral64("1234567890"), 1234567890u);
  for (char const* bad : {"", "+", "-", "+1", "-1", " 1", "1 ", "1a", "0x1", "１"}) {
    EXPECT_THROW(ReadAsciiDecimalNumeral64(bad), NotANumeral) << '"' << bad << '"';
  }
  EXPECT_THROW(ReadAsciiDecimalNumeral64(ConstData()), NotANumeral);
  EXPECT_EQ(ReadAsciiDecimalNumeral64("18446744073709551615"),
            std::numeric_limits<std::uint64_t>::max());
  EXPECT_THROW(ReadAsciiDecimalNumeral64("18446744073709551616"), NumeralTooLarge);
  EXPECT_THROW(ReadAsciiDecimalNumeral64("184467440737095516150"), NumeralTooLarge);
  // Malformed beats too large.
  EXPECT_THROW(ReadAsciiDecimalNumeral64("99999999999999999999x"), NotANumeral);
  EXPECT_EQ(ReadAsciiDecimalNumeral("4294967295"), 4294967295u);
  EXPECT_THROW(ReadAsciiDecimalNumeral("4294967296"), NumeralTooLarge);
  EXPECT_EQ(ReadUTF8DecimalNumeral("42"), 42u);
  EXPECT_THROW(ReadUTF8DecimalNumeral64("\xd9\xa1"), NotANumeral);
}

TEST(SignedDecimalReaders, SignsAndLimits) {
  using Limits64 = std::numeric_limits<std::int64_t>;
  using Limits32 = std::numeric_limits<std::int32_t>;
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral64("-9223372036854775808"), Limits64::min());
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral64("+9223372036854775807"), Limits64::max());
  EXPECT_THROW(ReadAsciiSignedDecimalNumeral64("9223372036854775808"), NumeralTooLarge);
  EXPECT_THROW(ReadAsciiSignedDecimalNumeral64("-9223372036854775809"), NumeralTooLarge);
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral64("-0"), 0);
  for (char const* bad : {"", "+", "-", "--1", "+-1", " -1", "- 1", "1-"}) {
    EXPECT_THROW(ReadAsciiSignedDecimalNumeral64(bad), NotANumeral) << '"' << bad << '"';
  }
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral("-2147483648"), Limits32::min());
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral("2147483647"), Limits32::max());
  EXPECT_THROW(ReadAsciiSignedDecimalNumeral("2147483648"), NumeralTooLarge);
  EXPECT_THROW(ReadAsciiSignedDecimalNumeral("-2147483649"), NumeralTooLarge);
}

TEST(HexReaders, EitherCaseNoPrefix) {
  EXPECT_EQ(ReadAsciiHexNumeral64("DeadBeef"), 0xdeadbeefu);
  EXPECT_EQ(ReadAsciiHexNumeral64("ffffffffffffffff"), std::numeric_limits<std::uint64_t>::max());
  EXPECT_THROW(ReadAsciiHexNumeral64("10000000000000000"), NumeralTooLarge);
  EXPECT_EQ(ReadAsciiHexNumeral("ffffffff"), 0xffffffffu);
  EXPECT_THROW(ReadAsciiHexNumeral("100000000"), NumeralTooLarge);
  for (char const* bad : {"", "0x1", "g", "-1", "@", "`", "G"}) {
    EXPECT_THROW(ReadAsciiHexNumeral64(bad), NotANumeral) << '"' << bad << '"';
  }
}

TEST(ReadersWithDefault, GiveTheDefaultOnAnyFailure) {
  EXPECT_EQ(ReadAsciiDecimalNumeral64WithDefault("12", 7), 12u);
  EXPECT_EQ(ReadAsciiDecimalNumeral64WithDefault("x", 7), 7u);
  EXPECT_EQ(ReadAsciiDecimalNumeralWithDefault("4294967296", 9), 9u);
  EXPECT_EQ(ReadAsciiSignedDecimalNumeral64WithDefault("-5", 1), -5);
  EXPECT_EQ(ReadAsciiSignedDecimalNumeralWithDefault("", -1), -1);
  EXPECT_EQ(ReadAsciiHexNumeral64WithDefault("0x1", 3), 3u);
  EXPECT_EQ(ReadAsciiHexNumeralWithDefault("a", 3), 10u);
}

TEST(NumeralWriters, PaddingSignsAndTheZeroRule) {
  EXPECT_EQ(S(MakeAsciiHexNumeral64(255, 4)), "00ff");
  EXPECT_EQ(S(MakeAsciiHexNumeral64(0xabcdef, 2)), "abcdef");
  EXPECT_EQ(S(MakeAsciiHexNumeral(0, 0)), "");
  EXPECT_EQ(S(MakeAsciiDecimalNumeral64(0, 0)), "");
  EXPECT_EQ(S(MakeAsciiDecimalNumeral64(0, 3)), "000");
  EXPECT_EQ(S(MakeAsciiDecimalNumeral(7, 0)), "7");
  EXPECT_STREQ(MakeAsciiDecimalNumeral(42, 5).CString(), "00042");
  EXPECT_THROW(MakeAsciiDecimalNumeral(1, 40), ConstDataCapacityExceeded);
  EXPECT_EQ(S(MakeAsciiSignedDecimalNumeral64(-5, 3)), "-005");
  EXPECT_EQ(S(MakeAsciiSignedDecimalNumeral64(5, 3)), "005");
  EXPECT_EQ(S(MakeAsciiSignedDecimalNumeral(std::numeric_limits<std::int32_t>::min(), 1)),
            "-2147483648");
  EXPECT_EQ(S(MakeAsciiSignedDecimalNumeral(0, 0)), "");
  // What the writers write, the readers read back.
  for (std::int64_t v :
       {std::int64_t{0}, std::int64_t{-1}, std::numeric_limits<std::int64_t>::min(),
        std::numeric_limits<std::int64_t>::max()}) {
    EXPECT_EQ(ReadAsciiSignedDecimalNumeral64(MakeAsciiSignedDecimalNumeral64(v)), v);
  }
  for (std::uint64_t v : {std::uint64_t{0x10}, std::numeric_limits<std::uint64_t>::max()}) {
    EXPECT_EQ(ReadAsciiHexNumeral64(MakeAsciiHexNumeral64(v, 0)), v);
    EXPECT_EQ(ReadAsciiDecimalNumeral64(MakeAsciiDecimalNumeral64(v, 0)), v);
  }
}

TEST(Numeral, SignAndPaddingKeepTheSignInFront) {
  Numeral n(-7);
  EXPECT_EQ(n.Sign(), '-');
  EXPECT_TRUE(n.ShowsSign());
  EXPECT_EQ(S(n.Digits()), "7");
  n.PadTo(3);
  EXPECT_EQ(S(n), "-007");
  n.PadTo(2);  // already wide enough
  Numeral const copy = n;
  n.PadTo(5);
  EXPECT_EQ(S(copy), "-007");
  EXPECT_EQ(S(n), "-00007");
  EXPECT_THROW(n.PadTo(32), DataOverflow);
  Numeral wide(1);
  wide.PadTo(31);
  EXPECT_EQ(S(wide), std::string(30, '0') + "1");
  EXPECT_EQ(Numeral(42u).Sign(), '+');
  EXPECT_FALSE(Numeral(42u).ShowsSign());
  EXPECT_EQ(Numeral(0).Sign(), ' ');
  EXPECT_EQ(S(Numeral(std::numeric_limits<std::int64_t>::min())), "-9223372036854775808");
}

}  // namespace
}  // namespace inspectors
