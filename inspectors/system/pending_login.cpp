#include "inspectors/system/pending_login.h"

#include "framework/inspector.h"

namespace inspectors {

boolean PendingLogin_of_world() {
  return false;
}

namespace {

Prop const pendingLogin("pending login", "pending logins", &PendingLogin_of_world,
                        kDependsOnMachineState);

}  // namespace

}  // namespace inspectors
