// Date and time text read through each entry point: every accepted form, the years,
// zones, case and white space, and every way a text is refused, in the order the
// checks run; the same outcome however the text is split into chunks.
#include "inspectors/time/time_text_reading.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "foundation/chunked_reading.h"
#include "foundation/exceptions.h"
#include "inspectors/time/time_lexer.h"
#include "inspectors/time/time_parser.h"
#include "inspectors/time/time_text.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {
namespace {

// The value written in its text form, or "!" and the exception's class.
template <class Read>
std::string Outcome(Read read) {
  try {
    return std::string(read().AsStringView());
  } catch (DebuggableException const& e) {
    return std::string("!") + e.what();
  }
}

struct Case {
  char const* text;
  char const* expected;
};

TEST(TextToTime, ReadsEveryFormAndRefusesWhatIsNoTime) {
  Case const cases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"6 Nov 1994 08:49:37 +0000", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"06 Nov 1994 08:49:37 -0000", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"06 Nov 1994 08:49:37 UT", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"Tue, 15 Apr 2003 10:00 -0700", "Tue, 15 Apr 2003 10:00:00 -0700"},
      {"15 Apr 2003 10:00 +0530", "Tue, 15 Apr 2003 10:00:00 +0530"},
      // The hours and minutes of a numeric zone are not checked: 159 minutes east.
      {"15 Apr 2003 10:00 +0199", "Tue, 15 Apr 2003 10:00:00 +0239"},
      {"15 Apr 2003 10:00 EST", "Tue, 15 Apr 2003 10:00:00 -0500"},
      {"15 Apr 2003 10:00 edt", "Tue, 15 Apr 2003 10:00:00 -0400"},
      {"15 Apr 2003 10:00 CST", "Tue, 15 Apr 2003 10:00:00 -0600"},
      {"15 Apr 2003 10:00 CDT", "Tue, 15 Apr 2003 10:00:00 -0500"},
      {"15 Apr 2003 10:00 MST", "Tue, 15 Apr 2003 10:00:00 -0700"},
      {"15 Apr 2003 10:00 MDT", "Tue, 15 Apr 2003 10:00:00 -0600"},
      {"15 Apr 2003 10:00 PST", "Tue, 15 Apr 2003 10:00:00 -0800"},
      {"15 Apr 2003 10:00 PDT", "Tue, 15 Apr 2003 10:00:00 -0700"},
      // Years of two digits are 1900 more; three and four digits stand as they are.
      {"06 Nov 94 08:49 EST", "Sun, 06 Nov 1994 08:49:00 -0500"},
      {"06 Nov 05 08:49 EST", "Mon, 06 Nov 1905 08:49:00 -0500"},
      {"Sat, 06 Nov 094 08:49 GMT", "Sat, 06 Nov 0094 08:49:00 +0000"},
      {"06 Nov 19940 08:49 GMT", "!ParsingFailure"},
      {"06 Nov 4 08:49 GMT", "!ParsingFailure"},
      {"Tue, 29 Feb 2000 23:59:59 GMT", "Tue, 29 Feb 2000 23:59:59 +0000"},
      // White space: optional between tokens of different kinds, anywhere around.
      {" \t06 Nov 1994 08:49:37 GMT\r\n", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"Sun,06Nov1994 08:49:37GMT", "Sun, 06 Nov 1994 08:49:37 +0000"},
      {"Sun , 06 Nov 1994 08 : 49 : 37 + 0100", "Sun, 06 Nov 1994 08:49:37 +0100"},
      {"06 Nov 199408:49 GMT", "!ParsingFailure"},
      {"0 6 Nov 1994 08:49 GMT", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37\vGMT", "!ParsingFailure"},
      // The full form wants hours of two digits and a comma after the day name.
      {"06 Nov 1994 8:49 GMT", "!ParsingFailure"},
      {"Sun 06 Nov 1994 08:49:37 GMT", "!ParsingFailure"},
      {"06 Nov 1994 0849 GMT", "!ParsingFailure"},
      {"06 Nov 1994 08:4 GMT", "!ParsingFailure"},
      {"06 Nov 1994 08:49:3 GMT", "!ParsingFailure"},
      {"06 Nov 1994 GMT", "!ParsingFailure"},
      {"Nov 06 1994 08:49 GMT", "!ParsingFailure"},
      // Words: only the keywords, none longer than three letters.
      {"06 Nov 1994 08:49:37 UTC", "!ParsingFailure"},
      {"Sunday, 06 Nov 1994 08:49:37 GMT", "!ParsingFailure"},
      {"06 November 1994 08:49:37 GMT", "!ParsingFailure"},
      {"06 Nox 1994 08:49:37 GMT", "!ParsingFailure"},
      // Numeric zones of exactly four digits.
      {"06 Nov 1994 08:49:37 +010", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 +01000", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 0100", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 +", "!ParsingFailure"},
      // Other characters.
      {"06 Nov 1994 08.49 GMT", "!ParsingFailure"},
      {"06/Nov/1994 08:49 GMT", "!ParsingFailure"},
      {"06 Nov 1994 08:49 GMT\xc2\xa0", "!ParsingFailure"},
      // Nothing may follow a complete text.
      {"06 Nov 1994 08:49:37 GMT x", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 GMT,", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 GMT 1", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 +0000 GMT", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 GMTX", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 06 Nov 1994 08:49:37", "!ParsingFailure"},
      // Nor may a text stop short.
      {"", "!ParsingFailure"},
      {"Sun,", "!ParsingFailure"},
      {"06 Nov 1994 08:", "!ParsingFailure"},
      {"1 2 3 4 5 6", "!ParsingFailure"},
      {"1 2 3 4 5 6 7", "!StackFull"},
      // Of the form but no time: the date first, then the time, then the day name.
      {"30 Feb 2004 10:00 +0100", "!NoSuchDate"},
      {"00 Jan 2003 10:00 +0100", "!NoSuchDate"},
      {"29 Feb 2004 24:00 +0100", "!NoSuchTimeOfDay"},
      {"29 Feb 2004 23:59:60 +0100", "!NoSuchTimeOfDay"},
      {"Mon, 06 Nov 1994 08:49:37 GMT", "!WrongDayOfWeek"},
      {"30 Feb 2004 24:00 +0100", "!NoSuchDate"},
      {"Mon, 30 Feb 2004 10:00 GMT", "!NoSuchDate"},
      {"Mon, 06 Nov 1994 24:00 GMT", "!NoSuchTimeOfDay"},
      {"Mon, 06 Nov 1994 08:49 GMT x", "!ParsingFailure"},
      {"Mon, 30 Feb 2004 10:00 GMT x", "!ParsingFailure"},
      // No zone (military letters are below).
      {"06 Nov 1994 08:49:37", "!NoTimeZone"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Outcome([&] { return TimeToText(TextToTime(c.text)); }), c.expected) << '"' << c.text << '"';
  }
}

TEST(TextToTime, BytesAfterAZeroAreRefused) {
  std::string const text("06 Nov 1994 08:49 GMT\0", 22);
  EXPECT_THROW(TextToTime(ConstData(text)), ParsingFailure);
}

TEST(TextToTime, RefusesARunOfDigitsOfAnyLength) {
  // Longer than any count the numeral could wrap round to a count it accepts.
  for (std::size_t digits : {5u, 11u, 100000u}) {
    std::string const text = "06 Nov 1994 08:49 +" + std::string(digits, '0');
    EXPECT_THROW(TextToTime(ConstData(text)), ParsingFailure) << digits;
  }
}

TEST(TextToTime, WithADefaultZoneMovesZonedTextsAndZonesTheOthers) {
  struct {
    char const* text;
    int zone;
    char const* expected;
  } const cases[] = {
      {"06 Nov 1994 08:49:37 +0100", 0, "Sun, 06 Nov 1994 07:49:37 +0000"},
      {"06 Nov 1994 08:49:37", 3600, "Sun, 06 Nov 1994 08:49:37 +0100"},
      {"06 Nov 1994 08:49:37 Z", 3600, "Sun, 06 Nov 1994 08:49:37 +0100"},
      {"01 Jan 1995 00:30 +0100", -18000, "Sat, 31 Dec 1994 18:30:00 -0500"},
      {"06 Nov 1994 08:49:37 -0000", -18000, "Sun, 06 Nov 1994 03:49:37 -0500"},
      {"Mon, 06 Nov 1994 08:49:37", 0, "!WrongDayOfWeek"},
      {"06 Nov 1994 08:49:37 GMT+", 0, "!ParsingFailure"},
      {"1 Jan 000 00:30 +0100", 0, "!TimeOutOfRange"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Outcome([&] { return TimeToText(TextToTime(c.text, TimeZone(c.zone))); }), c.expected)
        << '"' << c.text << '"';
  }
}

TEST(TextToDate, ReadsDatesAlone) {
  Case const cases[] = {
      {"tue,29feb2000", "Tue, 29 Feb 2000"},
      {"1 Jan 05", "Sun, 01 Jan 1905"},
      {"1 Jan 094", "Fri, 01 Jan 0094"},
      {"  31 DEC 1994  ", "Sat, 31 Dec 1994"},
      {"30 Feb 2004", "!NoSuchDate"},
      {"Mon, 30 Feb 2004", "!NoSuchDate"},
      {"Tue 29 Feb 2000", "!ParsingFailure"},
      {"29 Feb 2000,", "!ParsingFailure"},
      {"", "!ParsingFailure"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Outcome([&] { return DateToText(TextToDate(c.text)); }), c.expected) << '"' << c.text << '"';
  }
}

TEST(TextToTimeOfDay, ReadsHoursOfOneOrTwoDigits) {
  Case const cases[] = {
      {"8:49", "08:49:00"},       {"08:49:37", "08:49:37"},    {" 8 : 49 ", "08:49:00"},
      {"23:59:59", "23:59:59"},   {"00:00", "00:00:00"},       {"24:00", "!NoSuchTimeOfDay"},
      {"8:60", "!NoSuchTimeOfDay"}, {"8:49:60", "!NoSuchTimeOfDay"}, {"8:49 GMT", "!ParsingFailure"},
      {"8:4", "!ParsingFailure"}, {"849", "!ParsingFailure"},  {"123:45", "!ParsingFailure"},
      {"8:49:", "!ParsingFailure"}, {"8:49:37:00", "!ParsingFailure"}, {"", "!ParsingFailure"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Outcome([&] { return TimeOfDayToText(TextToTimeOfDay(c.text)); }), c.expected)
        << '"' << c.text << '"';
  }
}

TEST(TextToZonedTimeOfDay, ReadsTheZoneOrTakesTheDefault) {
  struct {
    char const* text;
    char const* expected;
    char const* inGMT;
  } const cases[] = {
      {"23:30 -0200", "23:30:00 -0200", "01:30:00 +0000"},
      {"8:49 EST", "08:49:00 -0500", "13:49:00 +0000"},
      {"00:30:15 +0100", "00:30:15 +0100", "23:30:15 +0000"},
      {"08:49:37 +0000", "08:49:37 +0000", "08:49:37 +0000"},
      {"8:49", "!NoTimeZone", "08:49:00 +0000"},
      {"8:49 Z", "!NoTimeZone", "08:49:00 +0000"},
      {"25:00 GMT", "!NoSuchTimeOfDay", "!NoSuchTimeOfDay"},
      {"8:49 GMT x", "!ParsingFailure", "!ParsingFailure"},
      {"8:49 UTC", "!ParsingFailure", "!ParsingFailure"},
      {"8:49 +01", "!ParsingFailure", "!ParsingFailure"},
      {"", "!ParsingFailure", "!ParsingFailure"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Outcome([&] { return ZonedTimeOfDayToText(TextToZonedTimeOfDay(c.text)); }), c.expected)
        << '"' << c.text << '"';
    EXPECT_EQ(Outcome([&] { return ZonedTimeOfDayToText(TextToZonedTimeOfDay(c.text, TimeZone())); }), c.inGMT)
        << '"' << c.text << '"';
  }
}

// The reader's day and month names are the writer's: a year of dates written and read
// back.
TEST(TextToDate, ReadsBackEveryNameTheWriterWrites) {
  for (std::int64_t n = 0; n < 366; ++n) {
    DateRecord date;
    date.SetAbsoluteDay(kDayNumberOf1970 + n);
    EXPECT_EQ(TextToDate(DateToText(date)), date) << n;
  }
}

// Every military letter but J is a zone, one that leaves the zone unknown; J is no word.
TEST(TextToTime, MilitaryLettersLeaveTheZoneUnknown) {
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string const text = std::string("06 Nov 1994 08:49:37 ") + letter;
    EXPECT_EQ(Outcome([&] { return TimeToText(TextToTime(ConstData(text))); }),
              letter == 'J' ? "!ParsingFailure" : "!NoTimeZone")
        << text;
  }
}

// The automaton after a text read in chunks with the full grammar.
std::string ReadFull(std::vector<ConstData> const& chunks) {
  TimeAutomaton automaton;
  TimeParser parser(automaton, TimeLanguage::TheGrammar());
  TimeLexer lexer(parser);
  lexer.Start();
  for (ConstData chunk : chunks) lexer.Receive(chunk);
  lexer.ReceiveEnd();
  std::string zone = automaton.ZoneKnown() ? std::string(TimeZoneToText(automaton.Zone()).AsStringView()) : "none";
  return std::to_string(automaton.Date().day) + "/" + std::to_string(static_cast<int>(automaton.Date().month)) +
         "/" + std::to_string(automaton.Date().year) + " " + std::string(TimeOfDayToText(automaton.Time()).AsStringView()) +
         " " + zone + (automaton.DayChecked() ? "" : " wrong day");
}

TEST(TimeParser, GivesTheSameResultHoweverTheTextIsSplit) {
  Case const cases[] = {
      {"Sun, 06 Nov 1994 08:49:37 GMT", "6/11/1994 08:49:37 +0000"},
      {"mon,06nov94 08:49 +0130", "6/11/1994 08:49:00 +0130 wrong day"},
      {"  06 Nov 1994 08:49:37 z ", "6/11/1994 08:49:37 none"},
      {"06 Nov 1994 08:49:37 GMTX", "!ParsingFailure"},
      {"06 Nov 1994 08:49:37 123456", "!ParsingFailure"},
      {"Sunday", "!ParsingFailure"},
      {"1 2 3 4 5 6 7", "!StackFull"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(ReadInEveryChunking(c.text, ReadFull), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace inspectors
