#include "inspectors/time/decimal_numeral.h"

#include "foundation/overflow.h"

namespace inspectors {
namespace {

constexpr std::uint64_t kBillion = 1'000'000'000;

// whole × factor + carry, or marks the value too large.
void ScaleWhole(Decimal& d, std::uint64_t factor, std::uint64_t carry) noexcept {
  if (!CanMultiply(d.whole, factor) || !CanAdd(d.whole * factor, carry)) {
    d.tooLarge = true;
    return;
  }
  d.whole = d.whole * factor + carry;
}

}  // namespace

Decimal Decimal::Times(std::uint32_t factor) const noexcept {
  // The attos in two halves of nine digits, so that no product passes 64 bits.
  std::uint64_t low = attos % kBillion * factor;
  std::uint64_t high = attos / kBillion * factor + low / kBillion;
  low %= kBillion;
  Decimal product = *this;
  product.attos = high % kBillion * kBillion + low;
  ScaleWhole(product, factor, high / kBillion);
  return product;
}

Decimal operator+(Decimal const& a, Decimal const& b) noexcept {
  Decimal sum = a;
  sum.tooLarge = a.tooLarge || b.tooLarge;
  sum.attos += b.attos;
  std::uint64_t carry = 0;
  if (sum.attos >= Decimal::kAttosPerUnit) {
    sum.attos -= Decimal::kAttosPerUnit;
    carry = 1;
  }
  if (!CanAdd(sum.whole, b.whole)) {
    sum.tooLarge = true;
  } else {
    sum.whole += b.whole;
    ScaleWhole(sum, 1, carry);
  }
  return sum;
}

void DecimalNumeralLexeme::Start(unsigned long) {
  value_ = Decimal{};
  scale_ = Decimal::kAttosPerUnit / 10;
  afterPoint_ = false;
}

void DecimalNumeralLexeme::Lex(TokenRange, ConstBuffer& in) {
  while (!in.Empty()) {
    byte const c = in[0];
    if (c >= '0' && c <= '9') {
      std::uint64_t const digit = c - '0';
      if (!afterPoint_) {
        ScaleWhole(value_, 10, digit);
      } else {
        value_.attos += digit * scale_;
        scale_ /= 10;  // 0 after the eighteenth digit
      }
    } else if (c == '.' && !afterPoint_) {
      afterPoint_ = true;
    } else {
      acceptor_.AcceptNumeral(value_);
      return;
    }
    in.Advance(1);
  }
}

void DecimalNumeralLexeme::End(TokenRange) {
  acceptor_.AcceptNumeral(value_);
}

}  // namespace inspectors
