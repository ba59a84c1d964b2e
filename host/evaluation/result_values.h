// Turning the evaluator's values into the embedding API's Values: kind, type name,
// the "string" cast form, integer and boolean fields, tuple items.
#pragma once

#include "host/catalog/registry.h"
#include "host/embedding/embedding.h"
#include "host/evaluation/values.h"

namespace evaluator {

// The Value of `box`. Its text is the library's cast named "string" for its type
// (or nearest base) when there is one; else the evaluator's: integers in decimal,
// booleans as true and false, strings as their bytes, a tuple's items joined by
// ", ", and "<type name>" for a type that has no string form. A string cast that
// fails with an exception other than "no such object" throws QueryFailure.
Value ToResultValue(ValueBox const& box, Registry const& registry);

}  // namespace evaluator
