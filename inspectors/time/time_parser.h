// The parser of date and time text: turns the time lexer's tokens into parts of
// speech for one of the time grammars and hands their values to the semantics.
#pragma once

#include <cstdint>

#include "foundation/parser.h"
#include "inspectors/time/time_grammar.h"
#include "inspectors/time/time_lexer.h"

namespace inspectors {

class TimeParser : public TimeLexemeAcceptor, public Parser<TimeLanguage, TimeRPNSemantics> {
 public:
  TimeParser(TimeRPNSemantics& semantics, TimeGrammar const& grammar) noexcept
      : Parser(grammar, semantics) {}

  void AcceptReservedWord(TokenRange token, TimeParsingAction action) override;
  // Not keywords: `ParsingFailure`.
  void AcceptOrdinaryWord(TokenRange token, ConstData word) override;
  void AcceptWordOverflow(TokenRange token) override;

  void AcceptOneDigit(std::uint32_t value) override;
  void AcceptTwoDigits(std::uint32_t value) override;
  void AcceptThreeDigits(std::uint32_t value) override;
  void AcceptFourDigits(std::uint32_t value) override;
  // Five digits or more: `ParsingFailure`.
  void AcceptOtherNumeral() override;

  // ',' ':' '+' '-'; any other byte throws `ParsingFailure`.
  void AcceptCharacter(TokenRange token, byte character) override;

  void Reset() override;
  void AcceptEnd(unsigned long length) override;

 private:
  void AcceptNumber(TimeLanguage::PartOfSpeech part, long value);
};

}  // namespace inspectors
