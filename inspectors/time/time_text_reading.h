// The reader of date and time text in the style of Internet mail headers (the forms
// are in time_grammar.h): "Sun, 06 Nov 1994 08:49:37 GMT", "6 Nov 94", "8:49",
// "23:30 -0200". Keywords match in any case; white space may come before, between
// and after the tokens, and must come between two numbers.
//
// Text that is not of the form throws `ParsingFailure` (text left over after a
// complete one included), or `StackFull` when more than six numbers are pending. Text
// of the form that names no date, time of day or zone throws, in this order,
// `NoSuchDate`, `NoSuchTimeOfDay`, `WrongDayOfWeek` (the day name is not that of the
// date) or `NoTimeZone`, all of them `InvalidTime`.
#pragma once

#include "foundation/const_data.h"
#include "inspectors/time/calendar.h"
#include "inspectors/time/time_automaton.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

// A date, a time of day and a zone; a text without a zone, or with a military zone
// letter, throws `NoTimeZone`.
TimeObject TextToTime(ConstData text);
// The same, with `zone` for a text without one: a text with a zone names that
// instant, read in `zone`; one without is the wall-clock time in `zone`. An instant
// that reads before year 0 in `zone` throws `TimeOutOfRange`.
TimeObject TextToTime(ConstData text, TimeZone zone);
DateRecord TextToDate(ConstData text);
TimeOfDay TextToTimeOfDay(ConstData text);
// A time of day with an optional zone; without one (or with a military letter) the
// first throws `NoTimeZone` and the second takes the time of day in `zone`. A text
// with a zone is moved into `zone`, wrapping around midnight.
ZonedTimeOfDay TextToZonedTimeOfDay(ConstData text);
ZonedTimeOfDay TextToZonedTimeOfDay(ConstData text, TimeZone zone);

// The shared steps: read the text with the full or the zoned-time grammar into
// `automaton` and check the date, the time of day and the day of the week, or the
// time of day.
void Parse(ConstData text, TimeAutomaton& automaton);
void ParseZonedTime(ConstData text, TimeAutomaton& automaton);

}  // namespace inspectors
