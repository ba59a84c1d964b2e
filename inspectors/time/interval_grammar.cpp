#include "inspectors/time/interval_grammar.h"

#include <cstdint>
#include <limits>

#include "foundation/ascii.h"
#include "foundation/exceptions.h"
#include "framework/contract/evaluator.h"

namespace inspectors {
namespace {

using L = IntervalLanguage;
using S = IntervalRPNSemantics;

// In construction order, which is the order in which alternatives are tried.
struct IntervalGrammar : Grammar<L, S> {
  Production2<L, S> makeDays{*this, {L::Number, L::DayWord}, &S::MakeDays, L::Days};
  Production5<L, S> makeHMS{*this,
                            {L::Number, L::Colon, L::Number, L::Colon, L::Number},
                            &S::MakeHoursMinutesSeconds,
                            L::HoursMinutesSeconds};
  Production3<L, S> addHMS{
      *this, {L::Days, L::Comma, L::HoursMinutesSeconds}, &S::AddTimes, L::UnsignedInterval};
  Production1<L, S> noHMS{*this, {L::Days}, nullptr, L::UnsignedInterval};
  Production1<L, S> noDays{*this, {L::HoursMinutesSeconds}, nullptr, L::UnsignedInterval};
  Production2<L, S> negative{*this, {L::Minus, L::UnsignedInterval}, &S::Negate, L::End};
  Production2<L, S> positive{*this, {L::Plus, L::UnsignedInterval}, nullptr, L::End};
  Production1<L, S> noSign{*this, {L::UnsignedInterval}, nullptr, L::End};
};

constexpr TokenTableAssociation<L::PartOfSpeech> kReservedWords[] = {
    {"day", L::DayWord}, {"days", L::DayWord}, {nullptr, L::End}};

constexpr std::uint64_t kMicrosecondsPerSecond = 1'000'000;
constexpr std::uint64_t kAttosPerMicrosecond = Decimal::kAttosPerUnit / kMicrosecondsPerSecond;

}  // namespace

Grammar<L, S> const& IntervalLanguage::TheGrammar() {
  static IntervalGrammar const grammar;
  return grammar;
}

void IntervalAutomaton::Reset() {
  seconds_.PopAll();
  negative_ = false;
}

void IntervalAutomaton::PushNumber(Decimal const& value) {
  seconds_.Push(value);
}

void IntervalAutomaton::MakeDays() {
  seconds_[0] = seconds_[0].Times(86400);
}

void IntervalAutomaton::MakeHoursMinutesSeconds() {
  Decimal const total = (seconds_[2].Times(60) + seconds_[1]).Times(60) + seconds_[0];
  seconds_.Pop(2);
  seconds_[0] = total;
}

void IntervalAutomaton::AddTimes() {
  seconds_[1] = seconds_[1] + seconds_[0];
  seconds_.Pop();
}

void IntervalAutomaton::Negate() {
  negative_ = !negative_;
}

TimeInterval IntervalAutomaton::Result() const {
  if (seconds_.Empty()) throw ParsingFailure();
  Decimal const& s = seconds_.Top();
  // The magnitude may reach 2^63 when negative.
  std::uint64_t const limit =
      static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + (negative_ ? 1 : 0);
  if (s.tooLarge || s.whole > limit / kMicrosecondsPerSecond) throw IntegerOverflow();
  std::uint64_t const magnitude = s.whole * kMicrosecondsPerSecond + s.attos / kAttosPerMicrosecond;
  if (magnitude > limit) throw IntegerOverflow();
  // Negated in unsigned arithmetic, so that a magnitude of 2^63 gives the least count.
  return TimeInterval(static_cast<std::int64_t>(negative_ ? 0 - magnitude : magnitude));
}

void IntervalParser::AcceptNumeral(Decimal const& value) {
  Append(L::Number);
  GetSemantics().PushNumber(value);
  Shift();
}

void IntervalParser::AcceptReservedWord(TokenRange, L::PartOfSpeech part) {
  Append(part);
  Shift();
}

void IntervalParser::AcceptOrdinaryWord(TokenRange, ConstData) {
  throw ParsingFailure();
}

void IntervalParser::AcceptWordOverflow(TokenRange) {
  throw ParsingFailure();
}

void IntervalParser::AcceptCharacter(TokenRange, byte character) {
  switch (character) {
    case ':': return AppendAndShift(L::Colon);
    case ',': return AppendAndShift(L::Comma);
    case '+': return AppendAndShift(L::Plus);
    case '-': return AppendAndShift(L::Minus);
    default: throw ParsingFailure();
  }
}

void IntervalParser::Reset() {
  Parser::Reset();
}

void IntervalParser::AcceptEnd(unsigned long) {
  Flush();
}

IntervalLexer::IntervalLexer(IntervalParser& parser)
    : Lexer(parser),
      words_(Ascii::Alphabetic(), Data(wordBytes_, sizeof wordBytes_), ReservedWords(), parser,
             &Ascii::LowerCase()),
      numeral_(parser),
      blanks_(Ascii::WhiteSpace()),
      character_(parser) {}

TokenTable<L::PartOfSpeech> const& IntervalLexer::ReservedWords() {
  static TokenTable<L::PartOfSpeech> const table(kReservedWords);
  return table;
}

ByteSet const& IntervalLexer::NumericWithPeriod() {
  static ByteSet const set = ByteSet(Ascii::Numeric()).Add(static_cast<byte>('.'));
  return set;
}

Lexeme& IntervalLexer::ChooseLexeme(byte first) {
  if (Ascii::Alphabetic().Contains(first)) return words_;
  if (NumericWithPeriod().Contains(first)) return numeral_;
  if (Ascii::WhiteSpace().Contains(first)) return blanks_;
  return character_;
}

TimeInterval TextToInterval(ConstData text) {
  IntervalAutomaton automaton;
  IntervalParser parser(automaton);
  IntervalLexer lexer(parser);
  lexer.Start();
  lexer.Receive(text);
  lexer.ReceiveEnd();
  return automaton.Result();
}

}  // namespace inspectors
