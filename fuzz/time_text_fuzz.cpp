// The date and time text reader over arbitrary bytes, through every entry point.
// A text either gives a value or is refused with one of the library's exceptions; a
// value must be valid and its written form must read back to the same value; and
// reading the text in two chunks must give the same outcome as reading it whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/exceptions.h"
#include "inspectors/time/time_lexer.h"
#include "inspectors/time/time_parser.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/time_text_reading.h"

namespace {

using namespace inspectors;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool SameTime(TimeObject const& a, TimeObject const& b) {
  return a.date == b.date && a.time == b.time && a.zone == b.zone;
}

bool SameZonedTime(ZonedTimeOfDay const& a, ZonedTimeOfDay const& b) {
  return a.time == b.time && a.zone == b.zone;
}

// Calls `check` with what `read` gives, unless `read` refuses the text; the check
// itself must not throw.
template <class Read, class Check>
void IfRead(Read read, Check check) {
  decltype(read()) value;
  try {
    value = read();
  } catch (DebuggableException const&) {
    return;
  }
  check(value);
}

// The written form reads back, except where the writer goes beyond what the reader
// takes: years past 9999 and zones of 100 hours or more (a numeric zone's hhmm is
// not checked, so "+9959" is 100 hours and 59 minutes).
void CheckTime(TimeObject const& time) {
  Require(time.Valid());
  if (time.date.year > 9999 || time.zone.secondsEastOfGMT <= -360000 || time.zone.secondsEastOfGMT >= 360000) {
    return;
  }
  Require(SameTime(TextToTime(TimeToText(time)), time));
}

void CheckEveryEntryPoint(ConstData text) {
  IfRead([&] { return TextToTime(text); }, CheckTime);
  IfRead([&] { return TextToTime(text, TimeZone(-3600)); }, [](TimeObject const& time) {
    Require(time.zone == TimeZone(-3600));
    CheckTime(time);
  });
  IfRead([&] { return TextToDate(text); }, [](DateRecord const& date) {
    Require(date.Valid());
    Require(TextToDate(DateToText(date)) == date);
  });
  IfRead([&] { return TextToTimeOfDay(text); }, [](TimeOfDay const& time) {
    Require(time.Valid());
    Require(TextToTimeOfDay(TimeOfDayToText(time)) == time);
  });
  IfRead([&] { return TextToZonedTimeOfDay(text, TimeZone(19800)); }, [](ZonedTimeOfDay const& time) {
    Require(time.time.Valid() && time.zone == TimeZone(19800));
    Require(SameZonedTime(TextToZonedTimeOfDay(ZonedTimeOfDayToText(time)), time));
  });
}

// The automaton's reading of the text with the full grammar, split at `cut`, as text.
std::string ReadInTwo(ConstData text, std::size_t cut) {
  try {
    TimeAutomaton automaton;
    TimeParser parser(automaton, TimeLanguage::TheGrammar());
    TimeLexer lexer(parser);
    lexer.Start();
    lexer.Receive(text.Head(cut));
    lexer.Receive(text.Tail(cut));
    lexer.ReceiveEnd();
    DateRecord const& date = automaton.Date();
    return std::to_string(date.day) + " " + std::to_string(static_cast<int>(date.month)) + " " +
           std::to_string(date.year) + " " + std::string(TimeOfDayToText(automaton.Time()).AsStringView()) + " " +
           std::to_string(automaton.Zone().secondsEastOfGMT) + (automaton.ZoneKnown() ? "z" : "") +
           (automaton.DayChecked() ? "" : "w");
  } catch (DebuggableException const& e) {
    return e.what();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  ConstData const text(data, size);
  CheckEveryEntryPoint(text);
  std::size_t const cut = size == 0 ? 0 : data[0] % (size + 1);
  Require(ReadInTwo(text, cut) == ReadInTwo(text, size));
  return 0;
}
