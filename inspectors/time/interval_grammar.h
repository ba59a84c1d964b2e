// The text form of time intervals as read: an optional sign, then "n days", "n days,
// h:m:s" or "h:m:s". Every number is a decimal numeral with an optional fraction
// ("1.5", ".5", "2."); no field has a range check ("0:90:00" is an hour and a half);
// "day" and "days" are interchangeable and case-insensitive; white space may stand
// between tokens.
//
// The reader is exact: each number is taken to eighteen decimal places, the sum is
// formed without rounding and cut toward zero to whole microseconds.
#pragma once

#include "foundation/finite_stack.h"
#include "foundation/keyword_lexemes.h"
#include "foundation/lexemes.h"
#include "foundation/parser.h"
#include "inspectors/time/clock.h"
#include "inspectors/time/decimal_numeral.h"

namespace inspectors {

class IntervalRPNSemantics;

struct IntervalLanguage {
  // The numbers index the grammar's entries and appear in the keyword table.
  enum PartOfSpeech {
    Number = 0,
    DayWord = 1,
    Colon = 2,
    Comma = 3,
    Plus = 4,
    Minus = 5,
    Days = 6,
    HoursMinutesSeconds = 7,
    UnsignedInterval = 8,
    End = 9,
  };
  static constexpr PartOfSpeech kEnd = End;

  static Grammar<IntervalLanguage, IntervalRPNSemantics> const& TheGrammar();
};

// The actions of the grammar's productions, over a stack of numbers of seconds.
class IntervalRPNSemantics {
 public:
  virtual ~IntervalRPNSemantics() = default;
  virtual void Reset() = 0;
  virtual void PushNumber(Decimal const& value) = 0;
  // The top number, in days, to seconds.
  virtual void MakeDays() = 0;
  // The top three numbers, hours, minutes and seconds, to one number of seconds.
  virtual void MakeHoursMinutesSeconds() = 0;
  // The top two numbers to their sum.
  virtual void AddTimes() = 0;
  virtual void Negate() = 0;

 protected:
  IntervalRPNSemantics() = default;
  IntervalRPNSemantics(IntervalRPNSemantics const&) = default;
  IntervalRPNSemantics& operator=(IntervalRPNSemantics const&) = default;
};

class IntervalAutomaton final : public IntervalRPNSemantics {
 public:
  void Reset() override;
  // A fifth pending number throws `StackFull`.
  void PushNumber(Decimal const& value) override;
  void MakeDays() override;
  void MakeHoursMinutesSeconds() override;
  void AddTimes() override;
  void Negate() override;

  // The interval read, cut toward zero to whole microseconds. One beyond the 64-bit
  // range throws `IntegerOverflow`; with nothing read, `ParsingFailure`.
  TimeInterval Result() const;

 private:
  FiniteStack<Decimal, 4> seconds_;
  bool negative_ = false;
};

class IntervalLexemeAcceptor : public DecimalNumeralLexemeAcceptor,
                               public ReservedWordAcceptor<IntervalLanguage::PartOfSpeech>,
                               public CharacterLexemeAcceptor,
                               public EndLexemeAcceptor {};

class IntervalParser final : public IntervalLexemeAcceptor,
                             public Parser<IntervalLanguage, IntervalRPNSemantics> {
 public:
  explicit IntervalParser(IntervalRPNSemantics& semantics)
      : Parser(IntervalLanguage::TheGrammar(), semantics) {}

  void AcceptNumeral(Decimal const& value) override;
  void AcceptReservedWord(TokenRange token, IntervalLanguage::PartOfSpeech part) override;
  // Any other word, and any byte but ':', ',', '+' and '-', throws `ParsingFailure`.
  void AcceptOrdinaryWord(TokenRange token, ConstData word) override;
  void AcceptWordOverflow(TokenRange token) override;
  void AcceptCharacter(TokenRange token, byte character) override;
  void Reset() override;
  void AcceptEnd(unsigned long length) override;
};

class IntervalLexer final : public Lexer {
 public:
  explicit IntervalLexer(IntervalParser& parser);

  // "day" and "days"; the closing value is `End`.
  static TokenTable<IntervalLanguage::PartOfSpeech> const& ReservedWords();
  // The bytes that begin a numeral: the digits and '.'.
  static ByteSet const& NumericWithPeriod();

 private:
  Lexeme& ChooseLexeme(byte first) override;

  byte wordBytes_[5] = {};  // words of up to four letters
  ReservedWordLexeme<IntervalLanguage::PartOfSpeech> words_;
  DecimalNumeralLexeme numeral_;
  IgnoredTextLexeme blanks_;
  CharacterLexeme character_;
};

// The interval a whole text gives. Text that is no interval (an unknown word, another
// character, a missing part, anything after a complete interval, an empty text)
// throws `ParsingFailure`, or `StackFull` for more than four pending numbers; an
// interval beyond the 64-bit range of microseconds throws `IntegerOverflow`.
TimeInterval TextToInterval(ConstData text);

}  // namespace inspectors
