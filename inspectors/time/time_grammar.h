// The language of date and time text in the style of Internet mail headers,
// "Sun, 06 Nov 1994 08:49:37 GMT": its parts of speech, the semantics interface its
// productions call, and its four grammars.
//
//   full               [day-name ","] day month-name year hh ":" mm [":" ss] [zone]
//   date               [day-name ","] day month-name year
//   time of day        h ":" mm [":" ss]
//   zoned time of day  h ":" mm [":" ss] [zone]
//
// A day or h is one or two digits; hh, mm and ss exactly two. A year of four or three
// digits is taken as it stands ("094" is the year 94), one of two digits is 1900 more
// ("05" is 1905). A zone is "+" or "-" and exactly four digits hhmm, a zone name, or a
// military letter (accepted, but it leaves the zone unknown).
#pragma once

#include <cstdint>

#include "foundation/parser.h"

namespace inspectors {

class TimeRPNSemantics;

struct TimeLanguage {
  // The numbers index the grammars' entries and appear in the keyword table.
  enum PartOfSpeech : std::uint8_t {
    DayName = 0,       // value: the day of the week, Sunday 0
    MonthName = 1,     // value: the month, January 1
    OneDigit = 2,
    TwoDigits = 3,
    ThreeDigits = 4,
    FourDigits = 5,
    NamedZone = 6,     // value: the offset in seconds
    MilitaryZone = 7,  // value: the offset in seconds
    Comma = 8,
    Colon = 9,
    Plus = 10,
    Minus = 11,
    HourAndMinute = 12,
    ClockTime = 13,
    MonthYear = 14,
    Date = 15,
    CheckedDate = 16,
    Unused = 17,
    End = 18,
  };
  static constexpr PartOfSpeech kEnd = End;

  // Each built once, on first use.
  static Grammar<TimeLanguage, TimeRPNSemantics> const& TheGrammar();
  static Grammar<TimeLanguage, TimeRPNSemantics> const& DateGrammar();
  static Grammar<TimeLanguage, TimeRPNSemantics> const& TimeOfDayGrammar();
  static Grammar<TimeLanguage, TimeRPNSemantics> const& ZonedTimeOfDayGrammar();
};

// What a keyword stands for: its part of speech and its value.
struct TimeParsingAction {
  TimeLanguage::PartOfSpeech part;
  std::int32_t value;
};

// The operations the productions call, in reverse-Polish style: tokens push their
// values, and each action pops what it uses.
class TimeRPNSemantics {
 public:
  virtual ~TimeRPNSemantics() = default;

  virtual void Reset() = 0;
  virtual void PushNumber(long n) = 0;
  // A two-digit year: the top number + 1900.
  virtual void Add1900() = 0;
  // Year, month and day from the top three numbers.
  virtual void BuildDate() = 0;
  // Compares the built date's day of the week with the top number.
  virtual void CheckDay() = 0;
  // Second, minute and hour from the top three numbers.
  virtual void BuildTimeWithSeconds() = 0;
  // Minute and hour from the top two numbers.
  virtual void BuildTimeWithNoSeconds() = 0;
  // The zone from the top number: an offset in seconds, or hhmm east or west.
  virtual void MakeNamedZone() = 0;
  virtual void MakePositiveZone() = 0;
  virtual void MakeNegativeZone() = 0;
  virtual void MakeMilitaryZone() = 0;

 protected:
  TimeRPNSemantics() = default;
  TimeRPNSemantics(TimeRPNSemantics const&) = default;
  TimeRPNSemantics& operator=(TimeRPNSemantics const&) = default;
};

using TimeGrammar = Grammar<TimeLanguage, TimeRPNSemantics>;

}  // namespace inspectors
