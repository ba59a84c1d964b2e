#include "inspectors/numbers/floating_point_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"

namespace inspectors {

namespace {

// powl(10, p) for every integral p from below the smallest subnormal to above the
// largest long double, computed once on first use; other p are computed each time.
constexpr int kLeastPower = -4960;
constexpr int kGreatestPower = 4940;

long double const* PowersOfTen() {
  static std::vector<long double> const powers = [] {
    std::vector<long double> table;
    table.reserve(kGreatestPower - kLeastPower + 1);
    for (int p = kLeastPower; p <= kGreatestPower; ++p) {
      table.push_back(std::pow(10.0L, static_cast<long double>(p)));
    }
    return table;
  }();
  return powers.data();
}

// A whole p of int range as an int, and whether p is a whole place of the table of
// powers, and which. A whole p in range converts to double exactly, and the double to
// int by an SSE instruction; truncating the long double itself (std::trunc, a cast to
// int) switches the x87 control word twice, which made these tests the slowest steps
// of reading a number.
int WholeInt(long double p) noexcept {
  return static_cast<int>(static_cast<double>(p));
}
bool TablePlace(long double p, int& place) noexcept {
  if (!(p >= kLeastPower && p <= kGreatestPower)) return false;
  place = WholeInt(p);
  return static_cast<long double>(place) == p;
}
// Whether p is a whole number of at most a few thousand, tested the same way.
bool IsSmallWhole(long double p) noexcept {
  return p >= -65536 && p <= 65536 && static_cast<long double>(WholeInt(p)) == p;
}

long double PowerOfTen(long double p) {
  if (int place = 0; TablePlace(p, place)) return PowersOfTen()[place - kLeastPower];
  return std::pow(10.0L, p);
}

long double PowerOfTen(int p) {
  if (p >= kLeastPower && p <= kGreatestPower) return PowersOfTen()[p - kLeastPower];
  return std::pow(10.0L, static_cast<long double>(p));
}

// The threshold, but never finer than the resolution of x; a NaN threshold (even a
// signalling one, which fmax would pass on) counts as none. An infinite threshold counts
// as the largest long double: no text can state a coarser place than that one's, and a
// finite threshold scales with the value as an infinite one would not.
long double EffectiveThreshold(long double x, long double t) noexcept {
  long double const u = Resolution(x);
  if (std::isnan(t)) return u;
  return std::fmax(std::fmin(t, std::numeric_limits<long double>::max()), u);
}

bool IsDecimalDigit(byte b) noexcept {
  return b >= '0' && b <= '9';
}

std::size_t CountDigits(ConstData text) noexcept {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), IsDecimalDigit));
}

FloatingPointText TextOf(BufferOfSize<kFloatingPointTextCapacity> const& out) {
  return FloatingPointText(out.Used());
}

// "0" and, below the units place, a point and zeros down to place `last`.
void PutZero(Buffer& out, long double last) {
  out.Put('0');
  if (last >= 0) return;
  if (-last > static_cast<long double>(out.Length()) - 1) throw DataOverflow();
  out.Put('.');
  for (long double p = -1; p >= last; p -= 1) out.Put('0');
}

// The leading place of a positive finite value, at least the units place.
long double LeadingPlace(long double a) noexcept {
  return std::max(std::floor(std::log10(a)), 0.0L);
}

// x divided by 10^k. Where 10^k itself is no normal long double, in two steps.
long double DividedByPowerOfTen(long double x, long double k) {
  long double const p = PowerOfTen(k);
  if (std::isnormal(p)) return x / p;
  long double const half = std::trunc(k / 2);
  return x / PowerOfTen(half) / PowerOfTen(k - half);
}

// x multiplied by 10^k, the same way. Multiplying by 10^2 is exact where dividing by
// 10^-2 is not, so that 0.375 scales to 37.5 and rounds to 38.
long double TimesPowerOfTen(long double x, long double k) {
  long double const p = PowerOfTen(k);
  if (std::isnormal(p)) return x * p;
  long double const half = std::trunc(k / 2);
  return x * PowerOfTen(half) * PowerOfTen(k - half);
}

// The number of digits before the point (or in all) of a text in standard notation.
std::size_t IntegerDigits(FloatingPointText const& text) noexcept {
  ConstData const bytes = text.Bytes();
  return static_cast<std::size_t>(
      std::count_if(bytes.begin(), std::find(bytes.begin(), bytes.end(), '.'), IsDecimalDigit));
}

ConstData SkipLeadingSpaces(ConstData text) noexcept {
  byte const* p = text.begin();
  while (p != text.end() && *p == ' ') ++p;
  return {p, text.end()};
}

byte const* Find(ConstData text, byte a, byte b) noexcept {
  return std::find_if(text.begin(), text.end(), [=](byte c) { return c == a || c == b; });
}

floating_point ReadWord(ConstData text) {
  ConstData const rest = SkipLeadingSpaces(text);
  long double value;
  if (!rest.Empty() && rest[0] == '-') {
    value = -ReadInfinityWord(rest.Tail(1));
  } else if (!rest.Empty() && rest[0] == '+') {
    value = ReadInfinityWord(rest.Tail(1));
  } else if (Ascii::EqualIgnoringCase(WithoutSpaces(rest), ConstData("nan"))) {
    value = std::numeric_limits<long double>::quiet_NaN();
  } else {
    value = ReadInfinityWord(rest);
  }
  return floating_point{value, 1.0L, 0};
}

// The number of "0" digits after the last other digit.
std::size_t TrailingZeros(ConstData text) noexcept {
  std::size_t zeros = 0;
  for (byte b : text) {
    if (b == '0') {
      ++zeros;
    } else if (IsDecimalDigit(b)) {
      zeros = 0;
    }
  }
  return zeros;
}

bool HasNonzeroDigit(ConstData text) noexcept {
  return std::any_of(text.begin(), text.end(), [](byte b) { return b >= '1' && b <= '9'; });
}

// Integers below 10^27 have exact long double powers of ten for all their places (up to
// 10^27, whose odd factor 5^27 fits 64 bits), so their digits come from integer
// arithmetic on two 64-bit halves.
constexpr int kExactDigits = 27;
constexpr long double kExactDigitsLimit = 1e27L;

// The last `count` decimal digits (at most 27) of a non-negative integral long double
// below 10^27, most significant first.
void DecimalDigitsOf(long double x, int count, byte* digits) noexcept {
  constexpr long double kSplit = 1e19L;  // exact, and below 2^64
  std::uint64_t low;
  std::uint64_t high = 0;
  if (x < kSplit) {
    low = static_cast<std::uint64_t>(x);
  } else {
    // fmod is exact; x less its remainder is a multiple of 10^19 with a quotient
    // below 10^8, so the subtraction and the division are exact as well.
    long double const rest = std::fmod(x, kSplit);
    low = static_cast<std::uint64_t>(rest);
    high = static_cast<std::uint64_t>((x - rest) / kSplit);
  }
  byte* digit = digits + count;
  for (int p = 0; p < count; ++p) {
    std::uint64_t& part = p < 19 ? low : high;
    *--digit = static_cast<byte>('0' + part % 10);
    part /= 10;
  }
}

FloatingPointText StandardNotationAtOddPlace(long double x, long double last);

// Standard notation of a finite x whose last significant place is an integer `last`
// in the table's range.
FloatingPointText StandardNotationAtPlace(long double x, int last) {
  BufferOfSize<kFloatingPointTextCapacity> text;
  Buffer& out = text.GetBuffer();
  if (std::signbit(x)) out.Put('-');
  long double const a = std::fabs(x);
  if (a <= 0.5L * PowerOfTen(last)) {
    PutZero(out, last);
    return TextOf(text);
  }
  long double const leadingPlace = LeadingPlace(a);
  if (!(leadingPlace <= kGreatestPower)) return StandardNotationAtOddPlace(x, last);
  int leading = WholeInt(leadingPlace);
  int const room = static_cast<int>(out.Length());
  if (leading - (room - 2) > 0) throw TooLargeForStandardNotation();
  int const written = std::max(last, leading - (room - 2));
  // The characters needed, checked before any digit is computed: a value far below
  // its own last place would otherwise scale to an infinity first.
  int const fraction = written < 0 ? 1 - written : 0;
  if (leading + 1 + fraction > room) throw DataOverflow();
  long double s = TimesPowerOfTen(a, static_cast<long double>(-written));
  s -= std::remainder(s, 1.0L);
  if (s == 0) {
    // Rounded half to even down to nothing at the last significant place.
    PutZero(out, last);
    return TextOf(text);
  }
  // Rounding may carry into a new leading place; and a value a little below a power of
  // ten whose logarithm rounds up to that power has one place less.
  if (s >= PowerOfTen(leading - written + 1)) leading += 1;
  while (leading > 0 && leading > written && s < PowerOfTen(leading - written)) leading -= 1;
  int const top = leading - written;  // the place of the first digit of s
  if (top >= 0 && top < kExactDigits && s > 0 && s < PowerOfTen(top + 1)) {
    // All the digits from one integer, with a point among them or zeros after them.
    int const length = top + 1 + (written >= 0 ? written : 1);
    if (static_cast<std::size_t>(length) > out.Length()) throw DataOverflow();
    byte digits[kExactDigits];
    DecimalDigitsOf(s, top + 1, digits);
    ConstData const all(digits, static_cast<std::size_t>(top + 1));
    if (written >= 0) {
      out.Write(all);
      for (int p = written; p > 0; --p) out.Put('0');
    } else {
      auto const integral = static_cast<std::size_t>(leading + 1);
      out.Write(all.Head(integral));
      out.Put('.');
      out.Write(all.Tail(integral));
    }
    return TextOf(text);
  }
  if (written >= 0) {
    PutDigits(out, s, top, 0);
    for (int p = written; p > 0; --p) out.Put('0');
  } else {
    long double const rest = PutDigits(out, s, top, -written);
    out.Put('.');
    PutDigits(out, rest, -written - 1, 0);
  }
  return TextOf(text);
}

// The same for a place out of the table's range or no number at all, which only values
// that no arithmetic produces (unnormals, pseudo-denormals) give: computed in long
// double throughout, digit by digit.
FloatingPointText StandardNotationAtOddPlace(long double x, long double last) {
  BufferOfSize<kFloatingPointTextCapacity> text;
  Buffer& out = text.GetBuffer();
  if (std::signbit(x)) out.Put('-');
  long double const a = std::fabs(x);
  if (a <= 0.5L * PowerOfTen(last)) {
    PutZero(out, last);
    return TextOf(text);
  }
  long double leading = LeadingPlace(a);
  long double const room = static_cast<long double>(out.Length());
  if (leading - (room - 2) > 0) throw TooLargeForStandardNotation();
  long double const written = std::max(last, leading - (room - 2));
  long double const fraction = written < 0 ? 1 - written : 0;
  if (leading + 1 + fraction > room) throw DataOverflow();
  long double s = TimesPowerOfTen(a, -written);
  s -= std::remainder(s, 1.0L);
  if (s == 0) {
    PutZero(out, last);
    return TextOf(text);
  }
  if (s >= PowerOfTen(leading - written + 1)) leading += 1;
  while (leading > 0 && leading > written && s < PowerOfTen(leading - written)) leading -= 1;
  if (written >= 0) {
    PutDigits(out, s, leading - written, 0);
    for (long double p = written; p > 0; p -= 1) out.Put('0');
  } else {
    long double const rest = PutDigits(out, s, leading - written, -written);
    out.Put('.');
    PutDigits(out, rest, -written - 1, 0);
  }
  return TextOf(text);
}

FloatingPointText StandardNotationAt(long double x, long double last) {
  if (last >= kLeastPower && last <= kGreatestPower) {
    return StandardNotationAtPlace(x, WholeInt(last));
  }
  return StandardNotationAtOddPlace(x, last);
}

}  // namespace

// For a normal x it is a power of two read off the exponent: a unit in the last place
// of the 64-bit significand, half of one when x is itself a power of two (the next
// long double below it has the smaller exponent). Other values ask nextafter, which is
// a call into the C library.
long double Resolution(long double x) noexcept {
  static_assert(std::numeric_limits<long double>::digits == 64, "the x87 extended format");
  long double const a = std::fabs(x);
  constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
  std::uint64_t significand = 0;
  std::uint16_t exponent = 0;  // biased; the sign bit of |x| is clear
  std::memcpy(&significand, &a, sizeof significand);
  std::memcpy(&exponent, reinterpret_cast<unsigned char const*>(&a) + 8, sizeof exponent);
  if (exponent > 64 && exponent < 0x7FFF && (significand & kIntegerBit) != 0) {
    int const place = significand == kIntegerBit ? 64 : 63;
    long double spacing = 0.0L;
    auto const spacingExponent = static_cast<std::uint16_t>(exponent - place);
    std::memcpy(&spacing, &kIntegerBit, sizeof kIntegerBit);
    std::memcpy(reinterpret_cast<unsigned char*>(&spacing) + 8, &spacingExponent,
                sizeof spacingExponent);
    return spacing;
  }
  return a - std::nextafter(a, -1.0L);
}

long double LastSignificantDigit(long double x, long double t) {
  long double const m = EffectiveThreshold(x, t);
  long double const widened = m / 0.95L;
  if (std::isfinite(widened)) return std::floor(std::log10(widened));
  // Within 5 % of the largest long double the widened threshold is no long double; a
  // tenth of it is, and its logarithm is one less.
  return std::floor(std::log10(m / 9.5L)) + 1;
}

long double PutDigits(Buffer& out, long double x, long double hi, long double lo) {
  if (hi >= lo && hi - lo >= static_cast<long double>(out.Length())) throw DataOverflow();
  if (hi < lo) return x;
  if (x >= 0 && x < kExactDigitsLimit && lo >= 0 && lo <= kExactDigits && IsSmallWhole(lo) &&
      hi <= 4096 && IsSmallWhole(hi) && x == std::trunc(x) &&
      (hi >= kExactDigits - 1 || x < PowerOfTen(hi + 1))) {
    // Every digit is below 10 and every power of ten involved is exact, so the digits
    // are those of the integer; the places above 10^26 are zeros.
    int const top = WholeInt(hi);
    int const bottom = WholeInt(lo);
    for (int p = top; p >= std::max(kExactDigits, bottom); --p) out.Put('0');
    int const first = std::min(top, kExactDigits - 1);
    byte digits[kExactDigits];
    DecimalDigitsOf(x, first + 1, digits);
    for (int p = first; p >= bottom; --p) out.Put(digits[first - p]);
    return bottom == 0 ? 0.0L : std::fmod(x, PowerOfTen(lo));
  }
  for (long double p = hi; p >= lo; p -= 1) {
    long double const d = PowerOfTen(p);
    long double const r = std::fmod(x, d);
    long const digit = std::lround((x - r) / d);
    out.Put(static_cast<byte>('0' + digit));
    x = r;
  }
  return x;
}

FloatingPointText NonfiniteText(long double x) {
  if (std::isnan(x)) return FloatingPointText(ConstData("NaN"));
  return FloatingPointText(ConstData(x > 0 ? "+infinity" : "-infinity"));
}

FloatingPointText StandardNotation(long double x, long double t) {
  if (!std::isfinite(x)) return NonfiniteText(x);
  return StandardNotationAt(x, LastSignificantDigit(std::fabs(x), t));
}

FloatingPointText ScientificNotation(long double x, long double t) {
  if (!std::isfinite(x)) return NonfiniteText(x);
  long double const a = std::fabs(x);
  long double exponent = LastSignificantDigit(a, t);
  if (a > 0) exponent = std::max(exponent, std::floor(std::log10(a)));
  // The mantissa is significant to the threshold, or to the resolution of x where that
  // is coarser, scaled with it: a threshold of 0 scaled to a mantissa of 0 would ask for
  // digits down to the smallest subnormal.
  long double const significant = EffectiveThreshold(x, t);
  FloatingPointText mantissa = StandardNotation(DividedByPowerOfTen(x, exponent),
                                                DividedByPowerOfTen(significant, exponent));
  // A mantissa that rounds up to 10 ("10.0") is written as 1 at the next power
  // ("1.00e+1"), so that the text reads back to the same text.
  if (a > 0 && IntegerDigits(mantissa) > 1) {
    exponent += 1;
    mantissa = StandardNotation(DividedByPowerOfTen(x, exponent),
                                DividedByPowerOfTen(significant, exponent));
  }
  BufferOfSize<kFloatingPointTextCapacity> text;
  Buffer& out = text.GetBuffer();
  if (!out.Write(mantissa.Bytes()).Empty()) throw DataOverflow();
  if (exponent != 0) {
    out.Put('e');
    out.Put(exponent > 0 ? '+' : '-');
    long double const magnitude = std::fabs(exponent);
    PutDigits(out, magnitude, std::floor(std::log10(magnitude)), 0);
  }
  return TextOf(text);
}

FloatingPointText MakeAsciiFloatingPoint(long double x, long double t) {
  if (!std::isfinite(x)) return NonfiniteText(x);
  static long double const kStandardLimit = PowerOfTen(73);
  long double const last = LastSignificantDigit(x, t);
  // A value that rounds to zero above the units place is "0" in standard notation,
  // which reads back as significant to 1; "0e+2" keeps its place.
  bool const zeroAboveUnits = last > 0 && std::fabs(x) <= 0.5L * PowerOfTen(last);
  if (std::fabs(x) < kStandardLimit && last > -73 && !zeroAboveUnits) {
    // Negative values from 10^72 up, and values whose rounding adds a place, may
    // still not fit; scientific notation writes them.
    try {
      return StandardNotationAt(x, last);
    } catch (TooLargeForStandardNotation const&) {
    } catch (DataOverflow const&) {
    }
  }
  return ScientificNotation(x, t);
}

ConstData WithoutSpaces(ConstData text) {
  byte const* begin = text.begin();
  byte const* end = text.end();
  while (begin != end && *begin == ' ') ++begin;
  while (end != begin && end[-1] == ' ') --end;
  return {begin, end};
}

long double ReadDigits(ConstData text, long double p, long double acc) {
  if (int place = 0;
      TablePlace(p, place) && place + static_cast<long double>(text.Length()) <= kGreatestPower) {
    // Every place is in the table: the same powers, added in the same order, stepped
    // through as a pointer.
    long double const* power = PowersOfTen() + (place - kLeastPower);
    for (byte const* b = text.end(); b != text.begin();) {
      byte const c = *--b;
      if (c == ' ') continue;
      if (!IsDecimalDigit(c)) throw NotAFloatingPoint();
      if (c != '0') acc += static_cast<long double>(c - '0') * *power;
      ++power;
    }
    return acc;
  }
  for (byte const* b = text.end(); b != text.begin();) {
    byte const c = *--b;
    if (c == ' ') continue;
    if (!IsDecimalDigit(c)) throw NotAFloatingPoint();
    if (c != '0') acc += static_cast<long double>(c - '0') * PowerOfTen(p);
    p += 1;
  }
  return acc;
}

long double ReadSignedDigits(ConstData text, long double p, long double acc) {
  ConstData const rest = SkipLeadingSpaces(text);
  if (rest.Empty()) return acc;
  if (rest[0] == '-') return -ReadDigits(rest.Tail(1), p, acc);
  if (rest[0] == '+') return ReadDigits(rest.Tail(1), p, acc);
  return ReadDigits(rest, p, acc);
}

long double ReadInfinityWord(ConstData text) {
  ConstData const word = WithoutSpaces(text);
  if (Ascii::EqualIgnoringCase(word, ConstData("inf")) ||
      Ascii::EqualIgnoringCase(word, ConstData("infinity"))) {
    return std::numeric_limits<long double>::infinity();
  }
  throw NotAFloatingPoint();
}

floating_point ReadAsciiFloatingPoint(ConstData text) {
  if (Find(text, 'n', 'N') != text.end()) return ReadWord(text);

  byte const* const e = Find(text, 'e', 'E');
  bool const hasExponent = e != text.end();
  long double exponent = 0;
  if (hasExponent) {
    ConstData const exponentText(e + 1, text.end());
    if (CountDigits(exponentText) == 0) throw NotAFloatingPoint();
    exponent = ReadSignedDigits(exponentText, 0, 0);
  }
  ConstData const mantissa(text.begin(), e);
  byte const* const point = Find(mantissa, '.', '.');
  bool const hasPoint = point != mantissa.end();
  ConstData const integerText(mantissa.begin(), point);
  ConstData const fractionText(hasPoint ? point + 1 : point, mantissa.end());
  std::size_t const integerDigits = CountDigits(integerText);
  std::size_t const fractionDigits = CountDigits(fractionText);
  if (integerDigits == 0 && fractionDigits == 0) throw NotAFloatingPoint();

  long double const lastPlace = exponent - static_cast<long double>(fractionDigits);
  long double const fraction = hasPoint ? ReadDigits(fractionText, lastPlace, 0) : 0;
  long double const value = ReadSignedDigits(integerText, exponent, fraction);

  long double const place =
      !hasPoint && !hasExponent
          ? static_cast<long double>(std::min(TrailingZeros(mantissa), integerDigits - 1))
          : lastPlace;
  // Neither is a NaN: the value is finite or infinite, the power positive.
  long double const threshold = std::max(Resolution(value), PowerOfTen(place));

  std::uint32_t flags = 0;
  if (!std::isfinite(value)) {
    flags = kFloatingPointOverflow | kFloatingPointInexact;
  } else if ((value == 0 || !std::isnormal(value)) && HasNonzeroDigit(mantissa)) {
    flags = kFloatingPointUnderflow | kFloatingPointInexact;
  }
  return floating_point{value, threshold, flags};
}

}  // namespace inspectors
