#include "inspectors/time/time_grammar.h"

namespace inspectors {
namespace {

using L = TimeLanguage;
using S = TimeRPNSemantics;
using P1 = Production1<L, S>;
using P2 = Production2<L, S>;
using P3 = Production3<L, S>;
using P4 = Production4<L, S>;

// The productions are tried in the order they are constructed: a member's place in
// these structures is part of the grammar.

// A day, a month's name and a year of four, three or two digits.
struct DateProductions : TimeGrammar {
  P2 makeMonthYear4{*this, {L::MonthName, L::FourDigits}, nullptr, L::MonthYear};
  P2 makeMonthYear3{*this, {L::MonthName, L::ThreeDigits}, nullptr, L::MonthYear};
  P2 makeMonthYear2{*this, {L::MonthName, L::TwoDigits}, &S::Add1900, L::MonthYear};
  P2 makeDate1{*this, {L::OneDigit, L::MonthYear}, &S::BuildDate, L::Date};
  P2 makeDate2{*this, {L::TwoDigits, L::MonthYear}, &S::BuildDate, L::Date};
};

struct FullGrammar : DateProductions {
  P3 checkDay{*this, {L::DayName, L::Comma, L::Date}, &S::CheckDay, L::CheckedDate};
  P1 noDay{*this, {L::Date}, nullptr, L::CheckedDate};
  P3 addMinutes{*this, {L::TwoDigits, L::Colon, L::TwoDigits}, nullptr, L::HourAndMinute};
  P3 addSeconds{*this, {L::HourAndMinute, L::Colon, L::TwoDigits}, &S::BuildTimeWithSeconds, L::ClockTime};
  P1 noSeconds{*this, {L::HourAndMinute}, &S::BuildTimeWithNoSeconds, L::ClockTime};
  P4 plusZonedTime{*this, {L::CheckedDate, L::ClockTime, L::Plus, L::FourDigits}, &S::MakePositiveZone, L::End};
  P4 minusZonedTime{*this, {L::CheckedDate, L::ClockTime, L::Minus, L::FourDigits}, &S::MakeNegativeZone, L::End};
  P3 nameZonedTime{*this, {L::CheckedDate, L::ClockTime, L::NamedZone}, &S::MakeNamedZone, L::End};
  P3 milZonedTime{*this, {L::CheckedDate, L::ClockTime, L::MilitaryZone}, nullptr, L::End};
  P2 unzonedTime{*this, {L::CheckedDate, L::ClockTime}, nullptr, L::End};
};

struct DateOnlyGrammar : DateProductions {
  P3 checkDay{*this, {L::DayName, L::Comma, L::Date}, &S::CheckDay, L::End};
  P1 noDay{*this, {L::Date}, nullptr, L::End};
};

// Hours of one or two digits.
struct HourAndMinuteProductions : TimeGrammar {
  P3 addMinutes1{*this, {L::OneDigit, L::Colon, L::TwoDigits}, nullptr, L::HourAndMinute};
  P3 addMinutes2{*this, {L::TwoDigits, L::Colon, L::TwoDigits}, nullptr, L::HourAndMinute};
};

struct TimeOfDayOnlyGrammar : HourAndMinuteProductions {
  P3 addSeconds{*this, {L::HourAndMinute, L::Colon, L::TwoDigits}, &S::BuildTimeWithSeconds, L::End};
  P1 noSeconds{*this, {L::HourAndMinute}, &S::BuildTimeWithNoSeconds, L::End};
};

struct ZonedGrammar : HourAndMinuteProductions {
  P3 addSeconds{*this, {L::HourAndMinute, L::Colon, L::TwoDigits}, &S::BuildTimeWithSeconds, L::ClockTime};
  P1 noSeconds{*this, {L::HourAndMinute}, &S::BuildTimeWithNoSeconds, L::ClockTime};
  P3 plusZonedTime{*this, {L::ClockTime, L::Plus, L::FourDigits}, &S::MakePositiveZone, L::End};
  P3 minusZonedTime{*this, {L::ClockTime, L::Minus, L::FourDigits}, &S::MakeNegativeZone, L::End};
  P2 nameZonedTime{*this, {L::ClockTime, L::NamedZone}, &S::MakeNamedZone, L::End};
  P2 milZonedTime{*this, {L::ClockTime, L::MilitaryZone}, nullptr, L::End};
  P1 unzonedTime{*this, {L::ClockTime}, nullptr, L::End};
};

}  // namespace

TimeGrammar const& TimeLanguage::TheGrammar() {
  static FullGrammar const grammar;
  return grammar;
}

TimeGrammar const& TimeLanguage::DateGrammar() {
  static DateOnlyGrammar const grammar;
  return grammar;
}

TimeGrammar const& TimeLanguage::TimeOfDayGrammar() {
  static TimeOfDayOnlyGrammar const grammar;
  return grammar;
}

TimeGrammar const& TimeLanguage::ZonedTimeOfDayGrammar() {
  static ZonedGrammar const grammar;
  return grammar;
}

}  // namespace inspectors
