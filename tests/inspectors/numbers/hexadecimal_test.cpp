// What no query can make: a string whose text would be longer than a string can be is
// refused before any of its bytes are read; the one real byte here stands for 2^31.
#include "inspectors/numbers/hexadecimal.h"

#include <gtest/gtest.h>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

TEST(HexadecimalStrings, TooLongForItsTextIsRefused) {
  unsigned char const byte = 'x';
  EXPECT_THROW(StringAsHexadecimal(inspector_string{&byte, 0x80000000u}), NoSuchObject);
  EXPECT_THROW(StringAsHexadecimal(inspector_string{&byte, 0xffffffffu}), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
