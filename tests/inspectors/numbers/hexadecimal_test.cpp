#include "inspectors/numbers/hexadecimal.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

std::string Text(inspector_string const& s) {
  return std::string(reinterpret_cast<char const*>(s.bytes), s.length);
}

integer ReadInteger(std::string const& text) {
  return HexadecimalInteger(reinterpret_cast<unsigned char const*>(text.data()), text.size());
}

std::string ReadString(std::string const& text) {
  return Text(HexadecimalString(reinterpret_cast<unsigned char const*>(text.data()), text.size()));
}

TEST(HexadecimalReaders, EveryByteIsADigitOfItsValueOrRefused) {
  std::string const digits = "0123456789abcdefABCDEF";
  for (int b = 0; b < 256; ++b) {
    std::string const alone(1, static_cast<char>(b));
    std::size_t const at = digits.find(static_cast<char>(b));
    if (at == std::string::npos) {
      EXPECT_THROW(ReadInteger(alone), NoSuchObject) << b;
      EXPECT_THROW(ReadInteger("1" + alone), NoSuchObject) << b;
      EXPECT_THROW(ReadString(alone + "0"), NoSuchObject) << b;
      EXPECT_THROW(ReadString("0" + alone), NoSuchObject) << b;
    } else {
      int const value = at < 16 ? static_cast<int>(at) : static_cast<int>(at) - 6;
      EXPECT_EQ(ReadInteger(alone).get(), value) << b;
      EXPECT_EQ(ReadString(alone + "0"), std::string(1, static_cast<char>(16 * value))) << b;
      EXPECT_EQ(ReadString("0" + alone), std::string(1, static_cast<char>(value))) << b;
    }
  }
}

TEST(HexadecimalReaders, LongTexts) {
  std::string const zeros(1 << 20, '0');
  EXPECT_EQ(ReadInteger(zeros + "ff").get(), 255);
  EXPECT_THROW(ReadInteger(std::string(1 << 20, 'f')), NoSuchObject);
  // A stray byte far into a long text is still seen.
  EXPECT_THROW(ReadInteger(zeros + "1g"), NoSuchObject);
  EXPECT_THROW(ReadString(zeros + "0g"), NoSuchObject);
  EXPECT_THROW(ReadString(zeros + "0"), NoSuchObject);
  EXPECT_EQ(ReadString(zeros), std::string(zeros.size() / 2, '\0'));
}

TEST(HexadecimalIntegers, MatchThePrintedPatternAndReadBack) {
  std::vector<std::int64_t> values = {
      0, 1, 15, 16, 255, -1, -16, INT64_MAX, INT64_MIN, INT64_MIN + 1, 0x0123456789abcdef};
  std::mt19937_64 random(20240605);
  for (int i = 0; i < 2000; ++i) {
    // Spread the values over every magnitude, not only the 16-digit ones.
    values.push_back(static_cast<std::int64_t>(random() >> (random() % 64)));
  }
  for (std::int64_t const v : values) {
    char printed[32];
    std::snprintf(printed, sizeof printed, "%" PRIx64, static_cast<std::uint64_t>(v));
    std::string const text = Text(IntegerAsHexadecimal(integer(v)));
    EXPECT_EQ(text, printed);
    EXPECT_EQ(ReadInteger(text).get(), v) << text;
  }
}

TEST(HexadecimalStrings, EveryByteReadsBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::string const hex = Text(StringAsHexadecimal(inspector_string{
      reinterpret_cast<unsigned char const*>(all.data()), static_cast<std::uint32_t>(all.size())}));
  ASSERT_EQ(hex.size(), 512u);
  EXPECT_EQ(hex.substr(0, 6), "000102");
  EXPECT_EQ(hex.substr(506), "fdfeff");
  EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), std::string::npos);
  EXPECT_EQ(ReadString(hex), all);
}

// A string whose text would be longer than a string can be is refused before any of
// its bytes are read: the one real byte here stands for 2^31 of them.
TEST(HexadecimalStrings, TooLongForItsTextIsRefused) {
  unsigned char const byte = 'x';
  EXPECT_THROW(StringAsHexadecimal(inspector_string{&byte, 0x80000000u}), NoSuchObject);
  EXPECT_THROW(StringAsHexadecimal(inspector_string{&byte, 0xffffffffu}), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
