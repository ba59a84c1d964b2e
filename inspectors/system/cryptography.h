// The inspector type "cryptography": the cryptographic (FIPS) mode as the host
// reports it through its FIPS context, with its properties.
#pragma once

#include <string>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

struct cryptography {
  boolean fipsMode;         // the mode in force
  boolean desiredFipsMode;  // the mode asked for
  std::string failureMessage;  // why the two differ; empty when nothing failed

  static char const* TypeName() noexcept { return "cryptography"; }
};

// Asks the host's InspectorFipsContext; a host without one throws `NoInspectorContext`.
cryptography cryptography_of_world();
boolean FipsMode_of(Of, cryptography const& c);
boolean DFipsMode_of(Of, cryptography const& c);
inspector_string FailureMessage_of(Of, cryptography const& c);

}  // namespace inspectors
