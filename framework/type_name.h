// The type name by which registrations refer to a value type.
#pragma once

namespace inspectors {

// Every value type names itself with `static char const* TypeName()`: "bit set",
// "file", "time interval". The evaluator's own types do the same ("boolean",
// "integer", "string"). Composed types build their names once, on first use.
template <class T>
char const* TypeNameOf() {
  return T::TypeName();
}

// The type name given to the evaluator for "no parameter" or "no direct object".
inline constexpr char const* kNoType = "";

}  // namespace inspectors
