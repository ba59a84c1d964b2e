// The tokens of date and time text: keywords of up to three letters in any case (day
// names, month names, zone names, military zone letters), numerals told apart by
// their count of digits, the characters ',' ':' '+' '-', and ignored white space.
#pragma once

#include <cstdint>

#include "foundation/ascii.h"
#include "foundation/keyword_lexemes.h"
#include "foundation/lexemes.h"
#include "foundation/token_table.h"
#include "inspectors/time/time_grammar.h"

namespace inspectors {

class TimeNumeralLexemeAcceptor {
 public:
  virtual ~TimeNumeralLexemeAcceptor() = default;
  virtual void AcceptOneDigit(std::uint32_t value) = 0;
  virtual void AcceptTwoDigits(std::uint32_t value) = 0;
  virtual void AcceptThreeDigits(std::uint32_t value) = 0;
  virtual void AcceptFourDigits(std::uint32_t value) = 0;
  // Five digits or more.
  virtual void AcceptOtherNumeral() = 0;
};

// A run of '0'..'9', reported by its count of digits; leading zeros count, so "06" is
// two digits of value 6. Digits past the fifth are consumed without being counted,
// so no run is long enough to carry the count or the value round.
class TimeNumeralLexeme : public Lexeme {
 public:
  explicit TimeNumeralLexeme(TimeNumeralLexemeAcceptor& acceptor) noexcept : acceptor_(acceptor) {}
  void Start(unsigned long position) override;
  void Lex(TokenRange token, ConstBuffer& in) override;
  void End(TokenRange token) override;

 private:
  void Deliver();

  TimeNumeralLexemeAcceptor& acceptor_;
  std::uint32_t value_ = 0;
  std::uint32_t digits_ = 0;
};

// Everything the time lexer reports to.
class TimeLexemeAcceptor : public ReservedWordAcceptor<TimeParsingAction>,
                           public TimeNumeralLexemeAcceptor,
                           public CharacterLexemeAcceptor,
                           public EndLexemeAcceptor {};

class TimeLexer : public Lexer {
 public:
  explicit TimeLexer(TimeLexemeAcceptor& acceptor);

  // The keywords in lower case, in ascending byte order; the closing row's part of
  // speech is `End`.
  static TokenTable<TimeParsingAction> const& ReservedWords();

 private:
  // White space, letters, digits, and one character for any other byte.
  Lexeme& ChooseLexeme(byte first) override;

  // Three letters and the byte that marks a longer word.
  byte word_[4] = {};
  ReservedWordLexeme<TimeParsingAction> keyword_;
  TimeNumeralLexeme numeral_;
  IgnoredTextLexeme blanks_;
  CharacterLexeme character_;
};

}  // namespace inspectors
