// The semantics of the time language: collects the numbers that the tokens push and
// builds from them the date, the time of day and the zone that a text names.
#pragma once

#include <cstdint>

#include "foundation/finite_stack.h"
#include "inspectors/time/calendar.h"
#include "inspectors/time/time_grammar.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

class TimeAutomaton final : public TimeRPNSemantics {
 public:
  TimeAutomaton() = default;

  // Empties the number stack and forgets the zone and the day check; the date and
  // the time of day keep their values.
  void Reset() override;
  // A seventh pending number throws `StackFull`.
  void PushNumber(long n) override;
  void Add1900() override;
  void BuildDate() override;
  // The day check fails when the built date falls on another day of the week. A date
  // that is no date is left to its own check.
  void CheckDay() override;
  void BuildTimeWithSeconds() override;
  void BuildTimeWithNoSeconds() override;
  void MakeNamedZone() override;
  // hhmm east or west of GMT; the hours and minutes are not checked: +0199 is 159
  // minutes east.
  void MakePositiveZone() override;
  void MakeNegativeZone() override;
  void MakeMilitaryZone() override;

  DateRecord const& Date() const noexcept { return date_; }
  TimeOfDay const& Time() const noexcept { return time_; }
  TimeZone Zone() const noexcept { return zone_; }
  bool ZoneKnown() const noexcept { return zoneKnown_; }
  bool Military() const noexcept { return military_; }
  bool DayChecked() const noexcept { return dayChecked_; }
  // The day check passed and both the date and the time of day are valid.
  bool Valid() const noexcept { return dayChecked_ && date_.Valid() && time_.Valid(); }

 private:
  // Pops hhmm and makes it an offset in seconds.
  std::int32_t PopHoursAndMinutes() noexcept;

  FiniteStack<long, 6> numbers_;
  DateRecord date_{0, Month{0}, 0};
  TimeOfDay time_;
  TimeZone zone_;
  bool zoneKnown_ = false;
  bool military_ = false;
  bool dayChecked_ = true;
};

}  // namespace inspectors
