#include "host/contract/integer_operations.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kGreatest = std::numeric_limits<std::int64_t>::max();

}  // namespace

integer operator+(integer const& a, integer const& b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a.get(), b.get(), &sum)) throw IntegerOverflow();
  return integer(sum);
}

integer operator-(integer const& a, integer const& b) {
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(a.get(), b.get(), &difference)) throw IntegerOverflow();
  return integer(difference);
}

integer operator-(integer const& a) {
  if (a.get() == kLeast) throw IntegerOverflow();
  return integer(-a.get());
}

integer operator*(integer const& a, integer const& b) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(a.get(), b.get(), &product)) throw IntegerOverflow();
  return integer(product);
}

// Floored division: the quotient is rounded toward negative infinity, so that the
// remainder takes the divisor's sign.
integer operator/(integer const& a, integer const& b) {
  std::int64_t const x = a.get();
  std::int64_t const y = b.get();
  if (y == 0) throw DivisionByZero();
  if (x == kLeast && y == -1) throw IntegerOverflow();
  std::int64_t quotient = x / y;
  if (x % y != 0 && ((x < 0) != (y < 0))) --quotient;
  return integer(quotient);
}

integer operator%(integer const& a, integer const& b) {
  std::int64_t const x = a.get();
  std::int64_t const y = b.get();
  if (y == 0) throw DivisionByZero();
  if (y == -1) return integer(0);  // also avoids the trap of kLeast % -1
  std::int64_t remainder = x % y;
  if (remainder != 0 && ((remainder < 0) != (y < 0))) remainder += y;
  return integer(remainder);
}

boolean operator==(integer const& a, integer const& b) {
  return a.get() == b.get();
}
boolean operator<(integer const& a, integer const& b) {
  return a.get() < b.get();
}
boolean operator<=(integer const& a, integer const& b) {
  return a.get() <= b.get();
}

integer absolute_value_of(integer const& a) {
  return a.get() < 0 ? -a : a;
}

integer integer_of(unsigned long long bits) {
  return integer(static_cast<std::int64_t>(static_cast<std::uint64_t>(bits)));
}

integer least_integer_of() {
  return integer(kLeast);
}
integer greatest_integer_of() {
  return integer(kGreatest);
}

std::string asString(integer const& a) {
  return std::to_string(a.get());
}

integer asInteger(inspector_string const& text) {
  if (text.length == 0 || text.bytes == nullptr) throw evaluator::NotAnInteger();
  char const* begin = reinterpret_cast<char const*>(text.bytes);
  char const* const end = begin + text.length;
  bool const negative = *begin == '-';
  if (*begin == '+' || *begin == '-') ++begin;
  if (begin == end) throw evaluator::NotAnInteger();
  for (char const* p = begin; p != end; ++p) {
    if (*p < '0' || *p > '9') throw evaluator::NotAnInteger();
  }
  // Accumulate toward the negative side, which holds one more value than the
  // positive side.
  std::int64_t value = 0;
  for (char const* p = begin; p != end; ++p) {
    if (__builtin_mul_overflow(value, 10, &value) ||
        __builtin_sub_overflow(value, *p - '0', &value)) {
      throw IntegerOverflow();
    }
  }
  if (!negative) {
    if (value == kLeast) throw IntegerOverflow();
    value = -value;
  }
  return integer(value);
}
