// The inspector types "environment" (the process environment) and "environment
// variable" (a name and a value), the variables listed or looked up by name, and
// their names, values and string form.
#pragma once

#include <cstddef>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

struct environment {
  unsigned char placeholder = 0;

  static char const* TypeName() noexcept { return "environment"; }
};

// Both ranges lie inside the variable's entry of the process environment, which
// outlives the query: nothing is copied.
struct environment_variable {
  ConstData name;
  ConstData value;

  static char const* TypeName() noexcept { return "environment variable"; }
};

// Names of this many bytes or more are looked up by nobody.
inline constexpr std::size_t kLongestVariableName = 2047;

environment Environment_of_world();

// Every entry of the environment in its order, empty values included. An entry that
// is no variable (without '=', or with an empty name) is passed over.
class environment_var_iterator {
 public:
  environment_variable First(Of, environment const& e);
  environment_variable Next(Of, environment const& e);

 private:
  std::size_t next_ = 0;
};

// The variable with exactly that name; unset, empty, holding '=' or a zero byte, or
// longer than kLongestVariableName: no value.
environment_variable variable_of(unsigned char const* name, unsigned long length,
                                 environment const& e);
inspector_string name_of(Of, environment_variable const& v);
inspector_string value_of(Of, environment_variable const& v);
// "NAME = value".
inspector_string AsString(environment_variable const& v);

}  // namespace inspectors
