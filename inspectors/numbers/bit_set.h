// Bit sets: a 64-bit set of flags, with conversions from and to integers and binary
// text, set operators, single-bit access, shifts and the positions of its one bits.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// Bit 0 is the least significant bit, bit 63 the most significant.
struct bit_set {
  std::uint64_t bits = 0;

  static char const* TypeName() noexcept { return "bit set"; }

  friend bool operator==(bit_set const&, bit_set const&) = default;
};

// Set arithmetic: union, difference and intersection.
bit_set operator+(bit_set const& a, bit_set const& b) noexcept;
bit_set operator-(bit_set const& a, bit_set const& b) noexcept;
bit_set operator*(bit_set const& a, bit_set const& b) noexcept;

// The 8 bytes of the value, least significant first.
Fingerprinter& operator<<(Fingerprinter& f, bit_set const& s);

// Conversions. Integers and bit sets share their 64 bits (two's complement).
integer BitSetAsInteger(bit_set const& s);
bit_set IntegerAsBitSet(integer const& n);
// Binary digits, most significant first, without leading zeros ("" for the empty set).
inspector_string BitSetAsString(bit_set const& s);
// Reads binary digits; leading zeros do not count towards the 64 digits allowed.
// Too many digits or any other character: NoSuchObject.
bit_set StringAsBitSet(inspector_string const& text);
// The set of bit n alone; n outside 0..63: NoSuchObject.
bit_set NumberedBit(integer const& n);

// Whether every one bit of `part` is set in `whole`.
boolean BitSetContains(bit_set const& whole, bit_set const& part);

// Positions of the lowest and highest one bits; the empty set has none.
integer LeastSignificantOneBit(Of, bit_set const& s);
integer MostSignificantOneBit(Of, bit_set const& s);

// Shifts by a signed count. Shifting left never loses a one bit (that would be
// NoSuchObject); shifting right may. A negative count shifts the other way.
bit_set LeftShift(integer const& n, Of, bit_set const& s);
bit_set RightShift(integer const& n, Of, bit_set const& s);

// Whether bit n is set; n outside 0..63: NoSuchObject.
boolean Bit(integer const& n, Of, bit_set const& s);

// The positions of the one bits, in ascending order. The end of a set is no value
// without an exception: sums over many sets end one sequence per set.
class one_bit_iterator {
 public:
  std::optional<integer> First(Of, bit_set const& s);
  std::optional<integer> Next(Of, bit_set const& s);

 private:
  // Moves position_ to the lowest one bit of a non-empty remainder.
  void SkipZeros() noexcept;

  std::uint64_t position_ = 0;
  std::uint64_t remaining_ = 0;  // the set shifted right so that bit 0 is at position_
};

}  // namespace inspectors
