// The inspector type "time": an absolute point in time, counted in microseconds
// since 1 January 1970 00:00:00 GMT (the count of the core `Instant`), with its
// readings from text, the current time, its arithmetic with intervals and its text
// forms in universal and in local time.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/clock.h"
#include "inspectors/time/time_interval.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

// Comparisons, sums and differences are those of the interval since 1970, so they
// overflow exactly as the evaluator's integers do.
struct moment {
  time_interval sinceJanuary1970;

  static char const* TypeName() noexcept { return "time"; }
};

moment january_1_1970();
moment AsMoment(Instant instant) noexcept;
Instant AsInstant(moment const& m) noexcept;
// The instant a wall-clock reading names; `TimeOutOfRange` beyond 64-bit microseconds.
moment MomentOfTimeObject(TimeObject const& time);

// The readings of date and time text (time_text_reading.h). `time_of` takes only a
// text that names its zone; the other two read a text without one as universal time
// or as the machine's local time at that date. Text that is no time, or names a date
// or time of day that does not exist or cannot be counted, has no value.
moment time_of(unsigned char const* bytes, unsigned long length);
moment universal_time_of(unsigned char const* bytes, unsigned long length);
moment local_time_of(unsigned char const* bytes, unsigned long length);
moment asTime(inspector_string const& text);
moment asUniversalTime(inspector_string const& text);
moment asLocalTime(inspector_string const& text);

moment moment_now();

boolean operator==(moment const& a, moment const& b);
boolean operator<(moment const& a, moment const& b);
boolean operator<=(moment const& a, moment const& b);
boolean operator>(moment const& a, moment const& b);

moment operator+(moment const& m, time_interval const& t);
moment operator+(time_interval const& t, moment const& m);
moment operator-(moment const& m, time_interval const& t);
time_interval operator-(moment const& a, moment const& b);

// "Sun, 06 Nov 1994 08:49:37 +0000", and the same read in the machine's zone in
// force at that instant ("Sun, 06 Nov 1994 09:49:37 +0100"). A moment before year 0
// in the zone has no text form.
inspector_string asUniversalString(moment const& m);
inspector_string asLocalString(moment const& m);
inspector_string asString(moment const& m);

Fingerprinter& operator<<(Fingerprinter& f, moment const& m);

}  // namespace inspectors
