#include "inspectors/system/cryptography.h"

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "framework/inspector_context.h"

namespace inspectors {

cryptography cryptography_of_world() {
  FipsStatus status{false, false, {}, false, false, false, {}};
  GetInspectorContext<InspectorFipsContext>().GetFipsStatus(status);
  return cryptography{status.currentMode, status.desiredMode, std::move(status.failureMessage)};
}

boolean FipsMode_of(Of, cryptography const& c) {
  return c.fipsMode;
}

boolean DFipsMode_of(Of, cryptography const& c) {
  return c.desiredFipsMode;
}

inspector_string FailureMessage_of(Of, cryptography const& c) {
  return CopyToInspectorString(std::string_view(c.failureMessage));
}

namespace {

constexpr auto kMachine = kDependsOnMachineState;

Type<cryptography, kNotFingerprinted> const cryptographyType;
Prop const cryptographyOfWorld("cryptography", "cryptographies", &cryptography_of_world, kMachine);
Prop const fipsMode("fips mode", "fips modes", &FipsMode_of, kMachine);
Prop const desiredFipsMode("desired fips mode", "desired fips modes", &DFipsMode_of, kMachine);
Prop const failureMessage("fips mode failure message", "fips mode failure messages",
                          &FailureMessage_of, kMachine);

}  // namespace

}  // namespace inspectors
