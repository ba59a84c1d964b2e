// The host's services through the evaluator's generic inspector context.
#pragma once

#include "foundation/exceptions.h"
#include "framework/contract/evaluator.h"

namespace inspectors {

// The host's context as the service class C (CryptoInspectorContext,
// InspectorFipsContext); no context, or one that does not offer C, throws
// `NoInspectorContext`.
template <class C>
C& GetInspectorContext() {
  C* const context = dynamic_cast<C*>(Get_Generic_Inspector_Context());
  if (context == nullptr) throw NoInspectorContext();
  return *context;
}

}  // namespace inspectors
