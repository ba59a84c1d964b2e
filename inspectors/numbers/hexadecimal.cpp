#include "inspectors/numbers/hexadecimal.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

constexpr std::uint32_t kDigitsPerByte = 2;

unsigned HexDigitValueOrNoSuchObject(unsigned char c) {
  if (!Ascii::HexDigits().Contains(c)) throw NoSuchObject();
  return Ascii::HexDigitValue(c);
}

// Evaluator memory for `length` bytes; a zero length needs none.
unsigned char* AllocateText(std::size_t length) {
  if (length == 0) return nullptr;
  return static_cast<unsigned char*>(Allocate_Inspector_Memory(length));
}

}  // namespace

integer HexadecimalInteger(unsigned char const* bytes, unsigned long length) {
  if (length == 0) throw NoSuchObject();
  std::uint64_t value = 0;
  for (unsigned long i = 0; i < length; ++i) {
    if (!CanMultiply<std::uint64_t>(value, 16)) throw NoSuchObject();
    unsigned const digit = HexDigitValueOrNoSuchObject(bytes[i]);
    // value * 16 has four zero low bits, so adding a digit can never carry out.
    value = value * 16 + digit;
  }
  return integer_of(value);
}

inspector_string HexadecimalString(unsigned char const* bytes, unsigned long length) {
  if (length % kDigitsPerByte != 0) throw NoSuchObject();
  std::size_t const resultLength = length / kDigitsPerByte;
  // Check every digit before asking for memory, so that malformed text costs none.
  for (unsigned long i = 0; i < length; ++i) HexDigitValueOrNoSuchObject(bytes[i]);
  unsigned char* const out = AllocateText(resultLength);
  for (std::size_t i = 0; i < resultLength; ++i) {
    unsigned const high = Ascii::HexDigitValue(bytes[kDigitsPerByte * i]);
    unsigned const low = Ascii::HexDigitValue(bytes[kDigitsPerByte * i + 1]);
    out[i] = static_cast<unsigned char>(16 * high + low);
  }
  return inspector_string{out, static_cast<std::uint32_t>(resultLength)};
}

inspector_string IntegerAsHexadecimal(integer const& n) {
  constexpr std::size_t kMostDigits = 16;
  char digits[kMostDigits];
  std::size_t first = kMostDigits;
  std::uint64_t bits = static_cast<std::uint64_t>(n.get());
  do {
    digits[--first] = Ascii::HexDigit(static_cast<unsigned>(bits & 0xf));
    bits >>= 4;
  } while (bits != 0);
  return CopyToInspectorString(std::string_view(digits + first, kMostDigits - first));
}

inspector_string StringAsHexadecimal(inspector_string const& s) {
  if (s.length > std::numeric_limits<std::uint32_t>::max() / kDigitsPerByte) {
    throw NoSuchObject();
  }
  std::size_t const resultLength = std::size_t{s.length} * kDigitsPerByte;
  unsigned char* const out = AllocateText(resultLength);
  for (std::uint32_t i = 0; i < s.length; ++i) {
    out[kDigitsPerByte * i] = static_cast<unsigned char>(Ascii::HexDigit(s.bytes[i] >> 4));
    out[kDigitsPerByte * i + 1] = static_cast<unsigned char>(Ascii::HexDigit(s.bytes[i] & 0xf));
  }
  return inspector_string{out, static_cast<std::uint32_t>(resultLength)};
}

namespace {

NamedGlobalProperty<integer> const hexadecimalInteger("hexadecimal integer", "hexadecimal integers",
                                                      &HexadecimalInteger,
                                                      kDependsOnlyOnParameters);
NamedGlobalProperty<inspector_string> const hexadecimalString("hexadecimal string",
                                                              "hexadecimal strings",
                                                              &HexadecimalString,
                                                              kDependsOnlyOnParameters);
Cast<integer, inspector_string> const integerAsHexadecimal("hexadecimal", &IntegerAsHexadecimal,
                                                           kDependsOnlyOnParameters);
Cast<inspector_string, inspector_string> const stringAsHexadecimal("hexadecimal",
                                                                   &StringAsHexadecimal,
                                                                   kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
