// The phrases named after the days of the week and the months ("sunday",
// "january", "first sunday"), and a registration of one function under each of a
// family of them: every registration hands the function the day or month it names.
#pragma once

#include <cstddef>
#include <utility>

#include "framework/prop.h"
#include "inspectors/time/calendar.h"

namespace inspectors {

template <class D>
struct CalendarPhrase {
  char const* name;
  char const* plural;
  D value;
};

inline constexpr CalendarPhrase<DayOfWeek> kDayOfWeekPhrases[] = {
    {"sunday", "sundays", DayOfWeek::Sunday},
    {"monday", "mondays", DayOfWeek::Monday},
    {"tuesday", "tuesdays", DayOfWeek::Tuesday},
    {"wednesday", "wednesdays", DayOfWeek::Wednesday},
    {"thursday", "thursdays", DayOfWeek::Thursday},
    {"friday", "fridays", DayOfWeek::Friday},
    {"saturday", "saturdays", DayOfWeek::Saturday}};

inline constexpr CalendarPhrase<DayOfWeek> kFirstDayOfWeekPhrases[] = {
    {"first sunday", "first sundays", DayOfWeek::Sunday},
    {"first monday", "first mondays", DayOfWeek::Monday},
    {"first tuesday", "first tuesdays", DayOfWeek::Tuesday},
    {"first wednesday", "first wednesdays", DayOfWeek::Wednesday},
    {"first thursday", "first thursdays", DayOfWeek::Thursday},
    {"first friday", "first fridays", DayOfWeek::Friday},
    {"first saturday", "first saturdays", DayOfWeek::Saturday}};

inline constexpr CalendarPhrase<Month> kMonthPhrases[] = {
    {"january", "januarys", Month::January},
    {"february", "februarys", Month::February},
    {"march", "marchs", Month::March},
    {"april", "aprils", Month::April},
    {"may", "mays", Month::May},
    {"june", "junes", Month::June},
    {"july", "julys", Month::July},
    {"august", "augusts", Month::August},
    {"september", "septembers", Month::September},
    {"october", "octobers", Month::October},
    {"november", "novembers", Month::November},
    {"december", "decembers", Month::December}};

// One `PropWith<D>` per phrase, registered in the phrases' order: f(D const&, ...)
// with any plain Prop form after the datum.
template <class D, std::size_t N>
class PropPerPhrase {
 public:
  template <class F>
  PropPerPhrase(CalendarPhrase<D> const (&phrases)[N], F f, FingerprintFunction fingerprint)
      : PropPerPhrase(phrases, f, fingerprint, std::make_index_sequence<N>()) {}

 private:
  template <class F, std::size_t... I>
  PropPerPhrase(CalendarPhrase<D> const (&phrases)[N], F f, FingerprintFunction fingerprint,
                std::index_sequence<I...>)
      : props_{
            PropWith<D>(phrases[I].name, phrases[I].plural, phrases[I].value, f, fingerprint)...} {}

  PropWith<D> props_[N];
};

}  // namespace inspectors
