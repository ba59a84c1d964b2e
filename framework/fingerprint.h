// Fingerprint functions: what a registration's result depends on besides its
// arguments. A registration with no fingerprint function (null) depends on the state
// of the machine and is never cached.
#pragma once

#include "framework/contract/evaluator.h"

namespace inspectors {

// The result is fixed by the arguments alone: appends nothing.
void DependsOnlyOnParameters(Fingerprinter& f);

// The result also depends on the machine's local time zone: appends its current
// offset from GMT (in microseconds, as a time interval).
void DependsOnLocalTimeZone(Fingerprinter& f);

}  // namespace inspectors
