// The number text readers and writers over arbitrary bytes: "hexadecimal integer",
// "hexadecimal string", the "hexadecimal" casts and "numeric value". A reader either
// gives a value or says there is none; what it reads must write back to the same
// digits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "foundation/exceptions.h"
#include "host/contract/memory.h"
#include "inspectors/numbers/hexadecimal.h"
#include "inspectors/numbers/numeric_value.h"

namespace {

using inspectors::NoSuchObject;

std::string Text(inspector_string const& s) {
  return std::string(reinterpret_cast<char const*>(s.bytes), s.length);
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckHexadecimalInteger(std::string const& input) {
  integer value;
  try {
    value = inspectors::HexadecimalInteger(reinterpret_cast<unsigned char const*>(input.data()),
                                           input.size());
  } catch (NoSuchObject const&) {
    return;
  }
  std::string digits = Lower(input);
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  Require(Text(inspectors::IntegerAsHexadecimal(value)) == digits);
}

void CheckHexadecimalString(std::string const& input) {
  inspector_string const asText{reinterpret_cast<unsigned char const*>(input.data()),
                                static_cast<std::uint32_t>(input.size())};
  std::string const hex = Text(inspectors::StringAsHexadecimal(asText));
  Require(hex.size() == 2 * input.size());
  std::string const back = Text(inspectors::HexadecimalString(
      reinterpret_cast<unsigned char const*>(hex.data()), hex.size()));
  Require(back == input);
  try {
    std::string const bytes = Text(inspectors::HexadecimalString(
        reinterpret_cast<unsigned char const*>(input.data()), input.size()));
    Require(Text(inspectors::StringAsHexadecimal(
                inspector_string{reinterpret_cast<unsigned char const*>(bytes.data()),
                                 static_cast<std::uint32_t>(bytes.size())})) == Lower(input));
  } catch (NoSuchObject const&) {
  }
}

void CheckNumericValue(std::string const& input) {
  try {
    std::int64_t const value =
        inspectors::NumericValue(
            inspectors::Of{}, inspector_string{reinterpret_cast<unsigned char const*>(input.data()),
                                               static_cast<std::uint32_t>(input.size())})
            .get();
    Require(value >= 0);
    std::string const digits = std::to_string(value);
    Require(input.find(digits) != std::string::npos);
  } catch (NoSuchObject const&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  // Evaluator memory for this input only.
  std::shared_ptr<evaluator::Arena> arena;
  evaluator::ArenaScope scope(arena);
  std::string const input(reinterpret_cast<char const*>(data), size);
  CheckHexadecimalInteger(input);
  CheckHexadecimalString(input);
  CheckNumericValue(input);
  return 0;
}
