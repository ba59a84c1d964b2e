// The lexemes that the language lexers are made of, and the acceptor interfaces
// they report their tokens to. Each lexeme consumes one kind of token:
//
//   CharacterLexeme              one byte
//   IgnoredTextLexeme            a run of bytes of a set, reported to nobody
//   NumeralLexeme                a run of '0'..'9', as an unsigned 64-bit value
//   HexNumeralLexeme             a run of hex digits, the same way
//   FloatingPointNumeralLexeme   digits, at most one '.', digits, as a double
//   WordLexeme                   a run of bytes of a set, optionally filtered,
//                                bounded by a word buffer the owner supplies
//
// keyword_lexemes.h adds the reserved-word and operator lexemes.
#pragma once

#include <cstdint>

#include "foundation/ascii.h"
#include "foundation/lexer.h"

namespace inspectors {

class CharacterLexemeAcceptor {
 public:
  virtual ~CharacterLexemeAcceptor() = default;
  virtual void AcceptCharacter(TokenRange token, byte character) = 0;
};

class NumeralLexemeAcceptor {
 public:
  virtual ~NumeralLexemeAcceptor() = default;
  virtual void AcceptNumeral(TokenRange token, unsigned long long value) = 0;
  // The numeral does not fit 64 bits.
  virtual void AcceptNumeralOverflow(TokenRange token) = 0;
};

class FloatingPointNumeralLexemeAcceptor {
 public:
  virtual ~FloatingPointNumeralLexemeAcceptor() = default;
  // Very long numerals may give an infinite value; the acceptor decides.
  virtual void AcceptNumeral(double value) = 0;
};

class WordLexemeAcceptor {
 public:
  virtual ~WordLexemeAcceptor() = default;
  // `word` is valid only during the call.
  virtual void AcceptWord(TokenRange token, ConstData word) = 0;
  // The word does not fit the word buffer.
  virtual void AcceptWordOverflow(TokenRange token) = 0;
};

class CharacterLexeme : public Lexeme {
 public:
  explicit CharacterLexeme(CharacterLexemeAcceptor& acceptor) noexcept : acceptor_(acceptor) {}
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  CharacterLexemeAcceptor& acceptor_;
};

class IgnoredTextLexeme : public Lexeme {
 public:
  explicit IgnoredTextLexeme(ByteSet const& skipped) noexcept : skipped_(skipped) {}
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  ByteSet const& skipped_;
};

// Digits are taken one at a time; a digit that would carry the value past 64 bits
// sets the overflow flag and leaves the value alone, and later digits are still
// consumed.
class NumeralLexeme : public Lexeme {
 public:
  explicit NumeralLexeme(NumeralLexemeAcceptor& acceptor) noexcept
      : NumeralLexeme(acceptor, Ascii::Numeric(), 10) {}
  void Start(unsigned long position) override;
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 protected:
  NumeralLexeme(NumeralLexemeAcceptor& acceptor, ByteSet const& digits, unsigned radix) noexcept
      : acceptor_(acceptor),
        digits_(digits),
        radix_(radix),
        largest_(UINT64_MAX / radix),
        lastDigit_(static_cast<unsigned>(UINT64_MAX % radix)) {}

 private:
  void Deliver(TokenRange token);

  NumeralLexemeAcceptor& acceptor_;
  ByteSet const& digits_;
  unsigned radix_;
  // A value can take one more digit while it is below `largest_`, or equal to it and
  // the digit is at most `lastDigit_`: the bound without a division for every digit.
  std::uint64_t largest_;
  unsigned lastDigit_;
  std::uint64_t value_ = 0;
  bool overflow_ = false;
};

class HexNumeralLexeme : public NumeralLexeme {
 public:
  explicit HexNumeralLexeme(NumeralLexemeAcceptor& acceptor) noexcept
      : NumeralLexeme(acceptor, Ascii::HexDigits(), 16) {}
};

// "1.5.2" is 1.5 and then .2; a lone "." is 0. Digit by digit in double precision:
// value × 10 + d before the point, scale / 10 and value + d × scale after it.
class FloatingPointNumeralLexeme : public Lexeme {
 public:
  explicit FloatingPointNumeralLexeme(FloatingPointNumeralLexemeAcceptor& acceptor) noexcept
      : acceptor_(acceptor) {}
  void Start(unsigned long position) override;
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  FloatingPointNumeralLexemeAcceptor& acceptor_;
  double value_ = 0;
  double scale_ = 1;
  bool after_point_ = false;
};

// A word of B-1 bytes at most, B being the size of the word buffer; longer words
// (and a word that fills the buffer exactly) are overflows, however the text is
// split into chunks. An unfiltered word that lies in one chunk is reported from the
// chunk without copying; the filter, when there is one, is applied as bytes are
// copied into the buffer.
class WordLexeme : public Lexeme {
 public:
  WordLexeme(ByteSet const& letters, Data buffer, WordLexemeAcceptor& acceptor,
             DataFilter* filter = nullptr) noexcept
      : letters_(letters), buffer_(buffer), acceptor_(acceptor), filter_(filter) {}
  WordLexeme(WordLexeme const&) = delete;
  WordLexeme& operator=(WordLexeme const&) = delete;

  void Start(unsigned long position) override;
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  void Append(ConstData run);
  void DeliverBuffered(TokenRange token);

  ByteSet const& letters_;
  BufferMaster buffer_;
  WordLexemeAcceptor& acceptor_;
  DataFilter* filter_;
};

}  // namespace inspectors
