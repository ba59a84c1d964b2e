// Hertz: a frequency counted in whole hertz, with its unit constants, the arithmetic
// of the evaluator's integers and a text form.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// Every operation is the evaluator's integer operation on the counts, so overflow
// and division by zero fail exactly as they do for integers.
struct hertz {
  integer count;

  static char const* TypeName() noexcept { return "hertz"; }
};

// The unit constants, in hertz.
hertz HertzUnit();
hertz KilohertzUnit();
hertz MegahertzUnit();
hertz GigahertzUnit();
// The largest and smallest frequencies, those of the integer range.
hertz GreatestHertz();
hertz LeastHertz();

boolean operator==(hertz const& a, hertz const& b);
boolean operator<(hertz const& a, hertz const& b);
boolean operator<=(hertz const& a, hertz const& b);

hertz operator-(hertz const& a);
hertz operator+(hertz const& a, hertz const& b);
hertz operator-(hertz const& a, hertz const& b);
hertz operator*(hertz const& a, integer const& n);
hertz operator*(integer const& n, hertz const& a);
// How many times b fits into a: a plain number, floored like integer division.
integer operator/(hertz const& a, hertz const& b);
hertz operator/(hertz const& a, integer const& n);
hertz operator%(hertz const& a, hertz const& b);
hertz AbsoluteValue(Of, hertz const& a);

// The count in decimal followed by " hertz", never scaled to a larger unit.
inspector_string HertzAsString(hertz const& h);

// The fingerprint of the count.
Fingerprinter& operator<<(Fingerprinter& f, hertz const& h);

}  // namespace inspectors
