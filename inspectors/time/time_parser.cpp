#include "inspectors/time/time_parser.h"

#include "foundation/exceptions.h"

namespace inspectors {

using L = TimeLanguage;

void TimeParser::AcceptNumber(L::PartOfSpeech part, long value) {
  Append(part);
  GetSemantics().PushNumber(value);
  Shift();
}

void TimeParser::AcceptReservedWord(TokenRange, TimeParsingAction action) {
  AcceptNumber(action.part, action.value);
}

void TimeParser::AcceptOrdinaryWord(TokenRange, ConstData) {
  throw ParsingFailure();
}

void TimeParser::AcceptWordOverflow(TokenRange) {
  throw ParsingFailure();
}

void TimeParser::AcceptOneDigit(std::uint32_t value) {
  AcceptNumber(L::OneDigit, static_cast<long>(value));
}

void TimeParser::AcceptTwoDigits(std::uint32_t value) {
  AcceptNumber(L::TwoDigits, static_cast<long>(value));
}

void TimeParser::AcceptThreeDigits(std::uint32_t value) {
  AcceptNumber(L::ThreeDigits, static_cast<long>(value));
}

void TimeParser::AcceptFourDigits(std::uint32_t value) {
  AcceptNumber(L::FourDigits, static_cast<long>(value));
}

void TimeParser::AcceptOtherNumeral() {
  throw ParsingFailure();
}

void TimeParser::AcceptCharacter(TokenRange, byte character) {
  switch (character) {
    case ',':
      AppendAndShift(L::Comma);
      break;
    case ':':
      AppendAndShift(L::Colon);
      break;
    case '+':
      AppendAndShift(L::Plus);
      break;
    case '-':
      AppendAndShift(L::Minus);
      break;
    default:
      throw ParsingFailure();
  }
}

void TimeParser::Reset() {
  Parser::Reset();
}

void TimeParser::AcceptEnd(unsigned long) {
  Flush();
}

}  // namespace inspectors
