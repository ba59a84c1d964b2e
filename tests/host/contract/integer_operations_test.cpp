#include "host/contract/integer_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

integer I(std::int64_t v) {
  return integer(v);
}

inspector_string S(std::string_view text) {
  return {reinterpret_cast<unsigned char const*>(text.data()),
          static_cast<std::uint32_t>(text.size())};
}

TEST(IntegerOps, ArithmeticOverflowsAtBothEnds) {
  EXPECT_EQ((I(kMax - 1) + I(1)).get(), kMax);
  EXPECT_THROW(I(kMax) + I(1), IntegerOverflow);
  EXPECT_THROW(I(kMin) + I(-1), IntegerOverflow);
  EXPECT_EQ((I(kMin) + I(kMax)).get(), -1);

  EXPECT_EQ((I(kMin + 1) - I(1)).get(), kMin);
  EXPECT_THROW(I(kMin) - I(1), IntegerOverflow);
  EXPECT_THROW(I(kMax) - I(-1), IntegerOverflow);
  EXPECT_THROW(I(0) - I(kMin), IntegerOverflow);

  EXPECT_EQ((-I(kMax)).get(), kMin + 1);
  EXPECT_THROW(-I(kMin), IntegerOverflow);

  EXPECT_EQ((I(-3) * I(4)).get(), -12);
  EXPECT_THROW(I(kMax / 2 + 1) * I(2), IntegerOverflow);
  EXPECT_THROW(I(kMin) * I(-1), IntegerOverflow);
  EXPECT_EQ((I(kMin / 2) * I(2)).get(), kMin);
}

TEST(IntegerOps, DivisionIsFlooredAndRemainderTakesDivisorSign) {
  struct Case {
    std::int64_t a, b, quotient, remainder;
  };
  for (Case c :
       {Case{7, 2, 3, 1}, Case{-7, 2, -4, 1}, Case{7, -2, -4, -1}, Case{-7, -2, 3, -1},
        Case{6, 3, 2, 0}, Case{-6, 3, -2, 0}, Case{0, -5, 0, 0}, Case{-1, 86400, -1, 86399},
        Case{kMin, 2, kMin / 2, 0}, Case{kMin, kMax, -2, kMax - 1}, Case{kMax, kMin, -1, -1},
        Case{kMin, 1, kMin, 0}}) {
    SCOPED_TRACE(testing::Message() << c.a << " / " << c.b);
    EXPECT_EQ((I(c.a) / I(c.b)).get(), c.quotient);
    EXPECT_EQ((I(c.a) % I(c.b)).get(), c.remainder);
    // The table itself: quotient and remainder recompose the dividend (modulo 2^64,
    // which is exact here since the remainder is smaller than the divisor).
    using U = std::uint64_t;
    EXPECT_EQ(U(c.quotient) * U(c.b) + U(c.remainder), U(c.a));
  }
}

TEST(IntegerOps, DivisionFailures) {
  EXPECT_THROW(I(1) / I(0), DivisionByZero);
  EXPECT_THROW(I(0) % I(0), DivisionByZero);
  EXPECT_THROW(I(kMin) / I(-1), IntegerOverflow);
  EXPECT_EQ((I(kMin) % I(-1)).get(), 0);
}

TEST(IntegerOps, ComparisonsAndAbsoluteValue) {
  EXPECT_TRUE(I(kMin) < I(kMax));
  EXPECT_FALSE(I(3) < I(3));
  EXPECT_TRUE(I(3) <= I(3));
  EXPECT_FALSE(I(4) <= I(3));
  EXPECT_TRUE(I(-2) == I(-2));
  EXPECT_FALSE(I(-2) == I(2));
  EXPECT_EQ(absolute_value_of(I(-5)).get(), 5);
  EXPECT_EQ(absolute_value_of(I(kMax)).get(), kMax);
  EXPECT_THROW(absolute_value_of(I(kMin)), IntegerOverflow);
  EXPECT_EQ(least_integer_of().get(), kMin);
  EXPECT_EQ(greatest_integer_of().get(), kMax);
}

TEST(IntegerOps, IntegerOfReinterpretsBits) {
  EXPECT_EQ(integer_of(0xffffffffffffffffULL).get(), -1);
  EXPECT_EQ(integer_of(0x8000000000000000ULL).get(), kMin);
  EXPECT_EQ(integer_of(42).get(), 42);
  EXPECT_EQ(static_cast<unsigned long long>(integer_of(0xfedcba9876543210ULL).get()),
            0xfedcba9876543210ULL);
}

TEST(IntegerOps, TextRoundTrips) {
  for (std::int64_t v : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1234567890}, kMin, kMax}) {
    std::string const text = asString(I(v));
    EXPECT_EQ(asInteger(S(text)).get(), v) << text;
  }
  EXPECT_EQ(asString(I(kMin)), "-9223372036854775808");
  EXPECT_EQ(asString(I(-7)), "-7");
}

TEST(IntegerOps, AsIntegerAcceptsSignedDecimalOnly) {
  EXPECT_EQ(asInteger(S("+17")).get(), 17);
  EXPECT_EQ(asInteger(S("-0")).get(), 0);
  EXPECT_EQ(asInteger(S("007")).get(), 7);
  for (std::string_view bad :
       {"", "-", "+", " 1", "1 ", "1a", "0x10", "1.5", "--1", "+-1", "\xd9\xa1"}) {
    EXPECT_THROW(asInteger(S(bad)), evaluator::NotAnInteger) << '"' << bad << '"';
  }
  EXPECT_THROW(asInteger(S("9223372036854775808")), IntegerOverflow);
  EXPECT_THROW(asInteger(S("-9223372036854775809")), IntegerOverflow);
  EXPECT_THROW(asInteger(S("99999999999999999999999")), IntegerOverflow);
  // The length bounds the text: bytes after it are not read.
  inspector_string truncated = S("12x");
  truncated.length = 2;
  EXPECT_EQ(asInteger(truncated).get(), 12);
}

TEST(StringOps, StartsWithAndContainsAreByteExact) {
  EXPECT_TRUE(StartsWith(S("abc"), S("ab")));
  EXPECT_TRUE(StartsWith(S("abc"), S("abc")));
  EXPECT_TRUE(StartsWith(S("abc"), S("")));
  EXPECT_TRUE(StartsWith(S(""), S("")));
  EXPECT_FALSE(StartsWith(S("abc"), S("abcd")));
  EXPECT_FALSE(StartsWith(S("abc"), S("Ab")));
  EXPECT_FALSE(StartsWith(S("abc"), S("bc")));

  EXPECT_TRUE(Contains(S("abc"), S("bc")));
  EXPECT_TRUE(Contains(S("abc"), S("")));
  EXPECT_TRUE(Contains(S(""), S("")));
  EXPECT_FALSE(Contains(S(""), S("a")));
  EXPECT_FALSE(Contains(S("abc"), S("B")));
  EXPECT_FALSE(Contains(S("abc"), S("abcd")));
  std::string_view const withNul("a\0b", 3);
  EXPECT_TRUE(Contains(S(withNul), S(std::string_view("\0b", 2))));
  EXPECT_FALSE(Contains(S(withNul), S(std::string_view("\0c", 2))));
}

}  // namespace
