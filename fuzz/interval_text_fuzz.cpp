// The interval text reader and writer, called directly.
//
// The input is read as text: it is an interval, is refused (ParsingFailure, StackFull)
// or is out of range (IntegerOverflow), never a crash or another exception. An
// interval read must write a text that reads back to it; one without a sign must
// read the same after "+" and negated after "-". The first 8 bytes are also taken as
// a count of microseconds, whose text must read back to it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "foundation/exceptions.h"
#include "framework/contract/evaluator.h"
#include "inspectors/time/interval_grammar.h"
#include "inspectors/time/time_interval.h"

namespace {

using inspectors::ConstData;
using inspectors::TimeInterval;

[[noreturn]] void Fail(char const* what, std::string const& text, std::int64_t value) {
  std::fprintf(stderr, "interval_text_fuzz: %s\n  text \"%s\"\n  value %lld\n", what, text.c_str(),
               static_cast<long long>(value));
  std::abort();
}

// The interval, or nothing for a refused or out-of-range text.
std::optional<std::int64_t> Read(std::string const& text) {
  try {
    return inspectors::TextToInterval(ConstData(text)).microseconds;
  } catch (inspectors::ParsingFailure const&) {
  } catch (inspectors::StackFull const&) {
  } catch (IntegerOverflow const&) {
  }
  return std::nullopt;
}

void CheckWritten(std::int64_t value, std::string const& source) {
  std::string const text(inspectors::IntervalToText(TimeInterval(value)).AsStringView());
  std::optional<std::int64_t> const back = Read(text);
  if (!back || *back != value) Fail("the written text does not read back", source + " -> " + text, value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const input(reinterpret_cast<char const*>(data), size);
  if (std::optional<std::int64_t> const value = Read(input)) {
    CheckWritten(*value, input);
    std::size_t const first = input.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && input[first] != '+' && input[first] != '-') {
      if (Read("+" + input) != value) Fail("\"+\" changes the value", input, *value);
      if (Read("-" + input) != -*value) Fail("\"-\" does not negate", input, *value);
    }
  }
  if (size >= sizeof(std::int64_t)) {
    std::int64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    CheckWritten(bits, "(bytes)");
  }
  return 0;
}
