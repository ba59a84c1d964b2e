// "pending login": whether the machine waits for a user to log in before it can
// finish something it was asked to do.
#pragma once

#include "framework/contract/evaluator.h"

namespace inspectors {

// This system keeps no record of work that waits for a login, so nothing is ever
// pending: always false.
boolean PendingLogin_of_world();

}  // namespace inspectors
