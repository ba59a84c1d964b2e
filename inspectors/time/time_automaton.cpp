#include "inspectors/time/time_automaton.h"

namespace inspectors {
namespace {

// The grammars push at most 9999 and a day of the week at most 6, so every field the
// numbers go to holds them.
std::uint8_t Small(long n) noexcept {
  return static_cast<std::uint8_t>(n);
}

}  // namespace

void TimeAutomaton::Reset() {
  numbers_.PopAll();
  dayChecked_ = true;
  zoneKnown_ = false;
  military_ = false;
}

void TimeAutomaton::PushNumber(long n) {
  numbers_.Push(n);
}

void TimeAutomaton::Add1900() {
  numbers_[0] += 1900;
}

void TimeAutomaton::BuildDate() {
  date_ = DateRecord(Small(numbers_[2]), static_cast<Month>(numbers_[1]), static_cast<std::uint32_t>(numbers_[0]));
  numbers_.Pop(3);
}

void TimeAutomaton::CheckDay() {
  if (date_.Valid()) dayChecked_ = static_cast<long>(date_.DayOfWeek()) == numbers_[0];
  numbers_.Pop();
}

void TimeAutomaton::BuildTimeWithSeconds() {
  time_ = TimeOfDay(Small(numbers_[2]), Small(numbers_[1]), Small(numbers_[0]));
  numbers_.Pop(3);
}

void TimeAutomaton::BuildTimeWithNoSeconds() {
  time_ = TimeOfDay(Small(numbers_[1]), Small(numbers_[0]), 0);
  numbers_.Pop(2);
}

void TimeAutomaton::MakeNamedZone() {
  zone_ = TimeZone(static_cast<std::int32_t>(numbers_[0]));
  zoneKnown_ = true;
  numbers_.Pop();
}

std::int32_t TimeAutomaton::PopHoursAndMinutes() noexcept {
  long const v = numbers_[0];
  numbers_.Pop();
  return static_cast<std::int32_t>(((v / 100) * 60 + v % 100) * 60);
}

void TimeAutomaton::MakePositiveZone() {
  zone_ = TimeZone(PopHoursAndMinutes());
  zoneKnown_ = true;
}

void TimeAutomaton::MakeNegativeZone() {
  zone_ = TimeZone(-PopHoursAndMinutes());
  zoneKnown_ = true;
}

void TimeAutomaton::MakeMilitaryZone() {
  zone_ = TimeZone(static_cast<std::int32_t>(numbers_[0]));
  zoneKnown_ = true;
  military_ = true;
  numbers_.Pop();
}

}  // namespace inspectors
