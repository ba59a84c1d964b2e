// Fingerprint functions: what a registration's result depends on besides its
// arguments. Every registration takes one of the three choices below, by name.
#pragma once

#include "framework/contract/evaluator.h"

namespace inspectors {

// The result is fixed by the arguments alone: appends nothing.
void DependsOnlyOnParameters(Fingerprinter& f);

// The result also depends on the machine's local time zone: appends its current
// zone as a time zone value holds it: universal minus local time, in
// microseconds, as a time interval.
void DependsOnLocalTimeZone(Fingerprinter& f);

// The choices. Pure arithmetic, casts and constants depend only on their parameters;
// only what reads the machine (files, the directory service, the network, the
// environment, the clock) depends on its state, and has no fingerprint function, so
// that the evaluator never caches it.
inline constexpr FingerprintFunction kDependsOnlyOnParameters = &DependsOnlyOnParameters;
inline constexpr FingerprintFunction kDependsOnLocalTimeZone = &DependsOnLocalTimeZone;
inline constexpr FingerprintFunction kDependsOnMachineState = nullptr;

}  // namespace inspectors
