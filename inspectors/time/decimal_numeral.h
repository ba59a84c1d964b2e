// Exact decimal numerals: a whole part and eighteen fraction digits, read without
// rounding, scaled by whole numbers and summed exactly. The interval reader uses them
// so that "0.000249" seconds is 249 microseconds, not one fewer.
#pragma once

#include <cstdint>

#include "foundation/lexemes.h"

namespace inspectors {

// A non-negative decimal: `whole` + `attos` / 10^18. A value whose whole part would
// pass 64 bits is marked too large, and stays so through every operation.
struct Decimal {
  static constexpr std::uint64_t kAttosPerUnit = 1'000'000'000'000'000'000;

  std::uint64_t whole = 0;
  std::uint64_t attos = 0;  // below kAttosPerUnit
  bool tooLarge = false;

  // The value times `factor`, exactly.
  Decimal Times(std::uint32_t factor) const noexcept;
  friend Decimal operator+(Decimal const& a, Decimal const& b) noexcept;
  friend bool operator==(Decimal const&, Decimal const&) = default;
};

class DecimalNumeralLexemeAcceptor {
 public:
  virtual ~DecimalNumeralLexemeAcceptor() = default;
  virtual void AcceptNumeral(Decimal const& value) = 0;
};

// Digits, at most one '.', digits: "1.5.2" is 1.5 and then .2, and a lone "." is 0,
// as with the floating-point numerals. Fraction digits after the eighteenth are
// ignored.
class DecimalNumeralLexeme : public Lexeme {
 public:
  explicit DecimalNumeralLexeme(DecimalNumeralLexemeAcceptor& acceptor) noexcept
      : acceptor_(acceptor) {}
  void Start(unsigned long position) override;
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  DecimalNumeralLexemeAcceptor& acceptor_;
  Decimal value_;
  std::uint64_t scale_ = 0;  // the value of the next fraction digit, in attos
  bool afterPoint_ = false;
};

}  // namespace inspectors
