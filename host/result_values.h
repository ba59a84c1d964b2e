// Turning the evaluator's values into the embedding API's Values: kind, type name,
// the "string" cast form, integer and boolean fields, tuple items.
#pragma once

#include "host/embedding.h"
#include "host/values.h"
#include "host/vocabulary.h"

namespace evaluator {

// The Value of `box`. Its text is the library's cast named "string" for its type
// (or nearest base) when there is one; else the evaluator's: integers in decimal,
// booleans as true and false, strings as their bytes, a tuple's items joined by
// ", ", and "<type name>" for a type that has no string form. A string cast that
// fails with an exception other than "no such object" throws QueryFailure.
Value ToResultValue(ValueBox const& box, Vocabulary const& vocabulary);

}  // namespace evaluator
