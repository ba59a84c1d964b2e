// The inspector type "time zone": the offset between universal and local time, held
// as universal time minus local time, so the zone +0100 holds minus one hour and
// -0500 holds five hours. Adding an interval moves the zone west: +0100 plus one hour
// is +0000.
#pragma once

#include "framework/contract/evaluator.h"
#include "inspectors/time/time_interval.h"
#include "inspectors/time/wall_clock.h"

namespace inspectors {

struct time_zone {
  time_interval universalMinusLocal;

  static char const* TypeName() noexcept { return "time zone"; }
};

// The whole seconds east of GMT (floored); a zone beyond 32-bit seconds throws
// `IntegerOverflow`.
TimeZone AsTimeZone(time_zone const& zone);
time_zone AsTime_zone(TimeZone zone) noexcept;

time_zone universal_time_zone_of();
// The machine's zone now, read afresh at each call.
time_zone local_time_zone_of();

boolean operator==(time_zone const& a, time_zone const& b);
// By the held interval: the more eastern zone first.
boolean operator<(time_zone const& a, time_zone const& b);

time_zone operator+(time_zone const& z, time_interval const& t);
time_zone operator+(time_interval const& t, time_zone const& z);
time_zone operator-(time_zone const& z, time_interval const& t);
// The offset of b minus the offset of a.
time_interval operator-(time_zone const& a, time_zone const& b);

// The zone forms of date and time text: "+0530", "-0500", "EST", "GMT"; a military
// letter, other text or text left over has no value.
time_zone time_zone_of(unsigned char const* bytes, unsigned long length);
time_zone asTimeZone(inspector_string const& text);
// "+0100", "-0500", "+0000": whole minutes of the offset.
inspector_string asString(time_zone const& zone);

Fingerprinter& operator<<(Fingerprinter& f, time_zone const& z);

}  // namespace inspectors
