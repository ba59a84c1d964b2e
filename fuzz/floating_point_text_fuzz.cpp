// The floating-point text reader and writers, called directly.
//
// The input is read as text: it is a number or it is refused, never a crash or a hang.
// Its first 20 bytes are also taken as the bits of a value and a threshold, written in
// all three notations. Every finite value written in the general form must read back
// to the same value at its significance, and a text whose last digit is well above the
// value's resolution must be written again exactly as it was.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/exceptions.h"
#include "inspectors/numbers/floating_point_text.h"

namespace {

using inspectors::ConstData;
using inspectors::floating_point;
using inspectors::FloatingPointText;

[[noreturn]] void Fail(char const* what, long double x, long double t, std::string const& text) {
  std::fprintf(stderr,
               "floating_point_text_fuzz: %s\n  value %.21Lg threshold %.21Lg\n  text \"%s\"\n",
               what, x, t, text.c_str());
  std::abort();
}

long double Spacing(long double x) {
  long double const a = std::fabs(x);
  return a - std::nextafter(a, -1.0L);
}

// Whether the 80 bits are a value the x87 unit itself would produce: the explicit
// integer bit is set exactly when the exponent is not zero.
bool IsCanonical(long double x) {
  unsigned char bytes[10];
  std::memcpy(bytes, &x, sizeof bytes);
  bool const integerBit = (bytes[7] & 0x80) != 0;
  bool const zeroExponent = bytes[8] == 0 && (bytes[9] & 0x7f) == 0;
  return integerBit != zeroExponent;
}

long double FromBytes(std::uint8_t const* data) {
  long double x = 0;
  std::memcpy(&x, data, 10);
  return x;
}

void RoundTrip(long double x, long double t) {
  std::string const text(inspectors::MakeAsciiFloatingPoint(x, t).AsStringView());
  floating_point y;
  try {
    y = inspectors::ReadAsciiFloatingPoint(ConstData(text));
  } catch (inspectors::NotAFloatingPoint const&) {
    Fail("written text does not read back", x, t, text);
  }
  if (std::isnan(x) != std::isnan(y.value)) Fail("NaN does not read back", x, t, text);
  if (std::isnan(x)) return;
  if (std::isinf(x)) {
    if (x != y.value) Fail("infinity does not read back", x, t, text);
    return;
  }
  if (std::signbit(x) != std::signbit(y.value)) Fail("sign lost", x, t, text);
  // Rounding at the last place may carry past the largest long double.
  if (std::isinf(y.value)) {
    if (std::fabs(x) < 0.9L * LDBL_MAX) Fail("finite value read back as infinite", x, t, text);
    return;
  }
  long double const slack = 16 * (Spacing(x) + Spacing(y.value));
  if (std::fabs(y.value - x) > 0.5L * y.threshold * 1.001L + slack) {
    Fail("value read back is off by more than half its significance", x, t, text);
  }
  if (y.threshold >= 1024 * Spacing(y.value)) {
    std::string const again(
        inspectors::MakeAsciiFloatingPoint(y.value, y.threshold).AsStringView());
    if (again != text) Fail(("written again as \"" + again + "\"").c_str(), x, t, text);
  }
}

void Write(long double x, long double t) {
  try {
    (void)inspectors::StandardNotation(x, t);
  } catch (inspectors::TooLargeForStandardNotation const&) {
  } catch (inspectors::DataOverflow const&) {
  }
  try {
    (void)inspectors::ScientificNotation(x, t);
    (void)inspectors::MakeAsciiFloatingPoint(x, t);
  } catch (inspectors::DebuggableException const& e) {
    if (IsCanonical(x) && IsCanonical(t)) Fail(e.what(), x, t, "");
  }
  if (IsCanonical(x) && IsCanonical(t)) RoundTrip(x, t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  ConstData const text(data, size);
  try {
    floating_point const read = inspectors::ReadAsciiFloatingPoint(text);
    if (read.threshold < 0 || std::isnan(read.threshold)) {
      Fail("negative threshold", read.value, read.threshold, "");
    }
    RoundTrip(read.value, read.threshold);
  } catch (inspectors::NotAFloatingPoint const&) {
  }
  if (size >= 20) Write(FromBytes(data), FromBytes(data + 10));
  return 0;
}
