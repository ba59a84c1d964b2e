#include "inspectors/numbers/bit_set.h"

#include <bit>
#include <cstdint>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

constexpr std::int64_t kBits = 64;

bool IsBitPosition(std::int64_t n) noexcept {
  return n >= 0 && n < kBits;
}

// Position of the highest one bit of a non-empty set.
std::int64_t HighestOneBit(std::uint64_t bits) noexcept {
  return kBits - 1 - std::countl_zero(bits);
}

// `bits` shifted left by 1..63 positions, unless a one bit would leave the set.
bit_set ShiftLeftKeepingEveryBit(std::uint64_t bits, std::int64_t n) {
  if (bits == 0) return bit_set{};
  if (n >= kBits - HighestOneBit(bits)) throw NoSuchObject();
  return bit_set{bits << n};
}

}  // namespace

bit_set operator+(bit_set const& a, bit_set const& b) noexcept {
  return bit_set{a.bits | b.bits};
}
bit_set operator-(bit_set const& a, bit_set const& b) noexcept {
  return bit_set{a.bits & ~b.bits};
}
bit_set operator*(bit_set const& a, bit_set const& b) noexcept {
  return bit_set{a.bits & b.bits};
}

Fingerprinter& operator<<(Fingerprinter& f, bit_set const& s) {
  unsigned char bytes[sizeof s.bits];
  for (std::size_t i = 0; i < sizeof bytes; ++i) {
    bytes[i] = static_cast<unsigned char>(s.bits >> (8 * i));
  }
  Fingerprint_Byte_Range(f, bytes, bytes + sizeof bytes);
  return f;
}

integer BitSetAsInteger(bit_set const& s) {
  return integer_of(s.bits);
}

bit_set IntegerAsBitSet(integer const& n) {
  return bit_set{static_cast<std::uint64_t>(n.get())};
}

inspector_string BitSetAsString(bit_set const& s) {
  char digits[kBits];
  std::size_t length = 0;
  if (s.bits != 0) {
    for (std::int64_t bit = HighestOneBit(s.bits); bit >= 0; --bit) {
      digits[length++] = ((s.bits >> bit) & 1) != 0 ? '1' : '0';
    }
  }
  return CopyToInspectorString(std::string_view(digits, length));
}

bit_set StringAsBitSet(inspector_string const& text) {
  unsigned char const* p = text.bytes;
  unsigned char const* const end = text.bytes + text.length;
  while (p != end && *p == '0') ++p;
  if (end - p > kBits) throw NoSuchObject();
  std::uint64_t bits = 0;
  for (; p != end; ++p) {
    if (*p != '0' && *p != '1') throw NoSuchObject();
    bits = (bits << 1) | static_cast<std::uint64_t>(*p - '0');
  }
  return bit_set{bits};
}

bit_set NumberedBit(integer const& n) {
  if (!IsBitPosition(n.get())) throw NoSuchObject();
  return bit_set{std::uint64_t{1} << n.get()};
}

boolean BitSetContains(bit_set const& whole, bit_set const& part) {
  return boolean((whole.bits & part.bits) == part.bits);
}

integer LeastSignificantOneBit(Of, bit_set const& s) {
  if (s.bits == 0) throw NoSuchObject();
  return integer(std::countr_zero(s.bits));
}

integer MostSignificantOneBit(Of, bit_set const& s) {
  if (s.bits == 0) throw NoSuchObject();
  return integer(HighestOneBit(s.bits));
}

bit_set LeftShift(integer const& n, Of, bit_set const& s) {
  std::int64_t const count = n.get();
  if (count > 0) return ShiftLeftKeepingEveryBit(s.bits, count);
  if (count > -kBits) return bit_set{s.bits >> -count};
  return bit_set{};
}

bit_set RightShift(integer const& n, Of, bit_set const& s) {
  std::int64_t const count = n.get();
  if (count >= kBits) return bit_set{};
  if (count >= 0) return bit_set{s.bits >> count};
  if (s.bits == 0) return bit_set{};
  // A shift left by 64 or more always loses a bit; deciding that before negating
  // keeps the most negative count from overflowing.
  if (count <= -kBits) throw NoSuchObject();
  return ShiftLeftKeepingEveryBit(s.bits, -count);
}

boolean Bit(integer const& n, Of, bit_set const& s) {
  if (!IsBitPosition(n.get())) throw NoSuchObject();
  return boolean(((s.bits >> n.get()) & 1) != 0);
}

void one_bit_iterator::SkipZeros() noexcept {
  int const zeros = std::countr_zero(remaining_);
  position_ += static_cast<std::uint64_t>(zeros);
  remaining_ >>= zeros;
}

std::optional<integer> one_bit_iterator::First(Of, bit_set const& s) {
  if (s.bits == 0) return std::nullopt;
  position_ = 0;
  remaining_ = s.bits;
  SkipZeros();
  return integer(static_cast<std::int64_t>(position_));
}

std::optional<integer> one_bit_iterator::Next(Of, bit_set const&) {
  if (remaining_ <= 1) return std::nullopt;
  ++position_;
  remaining_ >>= 1;
  SkipZeros();
  return integer(static_cast<std::int64_t>(position_));
}

namespace {

Type<bit_set, kFingerprinted> const bitSetType;
Cast<bit_set, integer> const bitSetAsInteger("integer", &BitSetAsInteger, kDependsOnlyOnParameters);
Cast<integer, bit_set> const integerAsBitSet("bit set", &IntegerAsBitSet, kDependsOnlyOnParameters);
Cast<integer, bit_set> const integerAsBits("bits", &IntegerAsBitSet, kDependsOnlyOnParameters);
Cast<bit_set, inspector_string> const bitSetAsString("string", &BitSetAsString,
                                                     kDependsOnlyOnParameters);
Prop const stringAsBitSet("bit set", "bit sets", &StringAsBitSet, kDependsOnlyOnParameters);
Prop const numberedBit("bit", "bits", &NumberedBit, kDependsOnlyOnParameters);
RelationEqual<bit_set, bit_set> const equal(kDependsOnlyOnParameters);
RelationContains<bit_set, bit_set> const contains(kDependsOnlyOnParameters, &BitSetContains);
OperatorPlus<bit_set, bit_set, bit_set> const setUnion(kDependsOnlyOnParameters);
BinaryOperatorMinus<bit_set, bit_set, bit_set> const setDifference(kDependsOnlyOnParameters);
OperatorTimes<bit_set, bit_set, bit_set> const setIntersection(kDependsOnlyOnParameters);
Prop const leastSignificantOneBit("least significant one bit", "least significant one bits",
                                  &LeastSignificantOneBit, kDependsOnlyOnParameters);
Prop const mostSignificantOneBit("most significant one bit", "most significant one bits",
                                 &MostSignificantOneBit, kDependsOnlyOnParameters);
Prop const rightShift("right shift", "right shifts", &RightShift, kDependsOnlyOnParameters);
Prop const leftShift("left shift", "left shifts", &LeftShift, kDependsOnlyOnParameters);
Prop const bit("bit", "bits", &Bit, kDependsOnlyOnParameters);
Prop const oneBits("one bit", "one bits", &one_bit_iterator::First, &one_bit_iterator::Next,
                   kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
