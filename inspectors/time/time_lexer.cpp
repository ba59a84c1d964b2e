#include "inspectors/time/time_lexer.h"

namespace inspectors {
namespace {

constexpr std::int32_t kHour = 3600;

using L = TimeLanguage;

constexpr TokenTableAssociation<TimeParsingAction> kReservedWords[] = {
    {"a", {L::MilitaryZone, 1 * kHour}},
    {"apr", {L::MonthName, 4}},
    {"aug", {L::MonthName, 8}},
    {"b", {L::MilitaryZone, 2 * kHour}},
    {"c", {L::MilitaryZone, 3 * kHour}},
    {"cdt", {L::NamedZone, -5 * kHour}},
    {"cst", {L::NamedZone, -6 * kHour}},
    {"d", {L::MilitaryZone, 4 * kHour}},
    {"dec", {L::MonthName, 12}},
    {"e", {L::MilitaryZone, 5 * kHour}},
    {"edt", {L::NamedZone, -4 * kHour}},
    {"est", {L::NamedZone, -5 * kHour}},
    {"f", {L::MilitaryZone, 6 * kHour}},
    {"feb", {L::MonthName, 2}},
    {"fri", {L::DayName, 5}},
    {"g", {L::MilitaryZone, 7 * kHour}},
    {"gmt", {L::NamedZone, 0}},
    {"h", {L::MilitaryZone, 8 * kHour}},
    {"i", {L::MilitaryZone, 9 * kHour}},
    {"jan", {L::MonthName, 1}},
    {"jul", {L::MonthName, 7}},
    {"jun", {L::MonthName, 6}},
    {"k", {L::MilitaryZone, 10 * kHour}},
    {"l", {L::MilitaryZone, 11 * kHour}},
    {"m", {L::MilitaryZone, 12 * kHour}},
    {"mar", {L::MonthName, 3}},
    {"may", {L::MonthName, 5}},
    {"mdt", {L::NamedZone, -6 * kHour}},
    {"mon", {L::DayName, 1}},
    {"mst", {L::NamedZone, -7 * kHour}},
    {"n", {L::MilitaryZone, -1 * kHour}},
    {"nov", {L::MonthName, 11}},
    {"o", {L::MilitaryZone, -2 * kHour}},
    {"oct", {L::MonthName, 10}},
    {"p", {L::MilitaryZone, -3 * kHour}},
    {"pdt", {L::NamedZone, -7 * kHour}},
    {"pst", {L::NamedZone, -8 * kHour}},
    {"q", {L::MilitaryZone, -4 * kHour}},
    {"r", {L::MilitaryZone, -5 * kHour}},
    {"s", {L::MilitaryZone, -6 * kHour}},
    {"sat", {L::DayName, 6}},
    {"sep", {L::MonthName, 9}},
    {"sun", {L::DayName, 0}},
    {"t", {L::MilitaryZone, -7 * kHour}},
    {"thu", {L::DayName, 4}},
    {"tue", {L::DayName, 2}},
    {"u", {L::MilitaryZone, -8 * kHour}},
    {"ut", {L::NamedZone, 0}},
    {"v", {L::MilitaryZone, -9 * kHour}},
    {"w", {L::MilitaryZone, -10 * kHour}},
    {"wed", {L::DayName, 3}},
    {"x", {L::MilitaryZone, -11 * kHour}},
    {"y", {L::MilitaryZone, -12 * kHour}},
    {"z", {L::MilitaryZone, 0}},
    {nullptr, {L::End, 0}},
};

}  // namespace

void TimeNumeralLexeme::Start(unsigned long) {
  value_ = 0;
  digits_ = 0;
}

void TimeNumeralLexeme::Lex(TokenRange, ConstBuffer& in) {
  while (!in.Empty() && Ascii::Numeric().Contains(in[0])) {
    if (digits_ < 5) {
      value_ = value_ * 10 + (in[0] - '0');
      ++digits_;
    }
    in.Advance(1);
  }
  if (!in.Empty()) Deliver();
}

void TimeNumeralLexeme::End(TokenRange) {
  Deliver();
}

void TimeNumeralLexeme::Deliver() {
  switch (digits_) {
    case 1:
      acceptor_.AcceptOneDigit(value_);
      break;
    case 2:
      acceptor_.AcceptTwoDigits(value_);
      break;
    case 3:
      acceptor_.AcceptThreeDigits(value_);
      break;
    case 4:
      acceptor_.AcceptFourDigits(value_);
      break;
    default:
      acceptor_.AcceptOtherNumeral();
  }
}

TimeLexer::TimeLexer(TimeLexemeAcceptor& acceptor)
    : Lexer(acceptor),
      keyword_(Ascii::Alphabetic(), Data(word_, sizeof word_), ReservedWords(), acceptor, &Ascii::LowerCase()),
      numeral_(acceptor),
      blanks_(Ascii::WhiteSpace()),
      character_(acceptor) {}

TokenTable<TimeParsingAction> const& TimeLexer::ReservedWords() {
  static TokenTable<TimeParsingAction> const table(kReservedWords);
  return table;
}

Lexeme& TimeLexer::ChooseLexeme(byte first) {
  if (Ascii::WhiteSpace().Contains(first)) return blanks_;
  if (Ascii::Alphabetic().Contains(first)) return keyword_;
  if (Ascii::Numeric().Contains(first)) return numeral_;
  return character_;
}

}  // namespace inspectors
