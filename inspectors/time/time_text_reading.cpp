#include "inspectors/time/time_text_reading.h"

#include "foundation/data_streams.h"
#include "foundation/exceptions.h"
#include "inspectors/time/time_lexer.h"
#include "inspectors/time/time_parser.h"

namespace inspectors {
namespace {

void Read(ConstData text, TimeGrammar const& grammar, TimeAutomaton& automaton) {
  TimeParser parser(automaton, grammar);
  TimeLexer lexer(parser);
  StartReceiveAndEnd(lexer, text);
}

void CheckDate(TimeAutomaton const& automaton) {
  if (!automaton.Date().Valid()) throw NoSuchDate();
}

void CheckTimeOfDay(TimeAutomaton const& automaton) {
  if (!automaton.Time().Valid()) throw NoSuchTimeOfDay();
}

void CheckDayOfWeek(TimeAutomaton const& automaton) {
  if (!automaton.DayChecked()) throw WrongDayOfWeek();
}

void CheckZone(TimeAutomaton const& automaton) {
  if (!automaton.ZoneKnown()) throw NoTimeZone();
}

}  // namespace

void Parse(ConstData text, TimeAutomaton& automaton) {
  Read(text, TimeLanguage::TheGrammar(), automaton);
  CheckDate(automaton);
  CheckTimeOfDay(automaton);
  CheckDayOfWeek(automaton);
}

void ParseZonedTime(ConstData text, TimeAutomaton& automaton) {
  Read(text, TimeLanguage::ZonedTimeOfDayGrammar(), automaton);
  CheckTimeOfDay(automaton);
}

TimeObject TextToTime(ConstData text) {
  TimeAutomaton automaton;
  Parse(text, automaton);
  CheckZone(automaton);
  return TimeObject(automaton.Date(), automaton.Time(), automaton.Zone());
}

TimeObject TextToTime(ConstData text, TimeZone zone) {
  TimeAutomaton automaton;
  Parse(text, automaton);
  if (!automaton.ZoneKnown()) return TimeObject(automaton.Date(), automaton.Time(), zone);
  TimeObject time(automaton.Date(), automaton.Time(), automaton.Zone());
  time.SetTimeZone(zone);
  return time;
}

DateRecord TextToDate(ConstData text) {
  TimeAutomaton automaton;
  Read(text, TimeLanguage::DateGrammar(), automaton);
  CheckDate(automaton);
  CheckDayOfWeek(automaton);
  return automaton.Date();
}

TimeOfDay TextToTimeOfDay(ConstData text) {
  TimeAutomaton automaton;
  Read(text, TimeLanguage::TimeOfDayGrammar(), automaton);
  CheckTimeOfDay(automaton);
  return automaton.Time();
}

ZonedTimeOfDay TextToZonedTimeOfDay(ConstData text) {
  TimeAutomaton automaton;
  ParseZonedTime(text, automaton);
  CheckZone(automaton);
  return ZonedTimeOfDay(automaton.Time(), automaton.Zone());
}

ZonedTimeOfDay TextToZonedTimeOfDay(ConstData text, TimeZone zone) {
  TimeAutomaton automaton;
  ParseZonedTime(text, automaton);
  if (!automaton.ZoneKnown()) return ZonedTimeOfDay(automaton.Time(), zone);
  ZonedTimeOfDay time(automaton.Time(), automaton.Zone());
  time.SetTimeZone(zone);
  return time;
}

}  // namespace inspectors
