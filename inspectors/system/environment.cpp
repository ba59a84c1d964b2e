#include "inspectors/system/environment.h"

#include <cstring>
#include <string_view>

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "platform/environment.h"

namespace inspectors {
namespace {

// The entry split at its first '='; an entry without one, or with an empty name, is
// no variable.
bool Split(char const* entry, environment_variable& v) {
  char const* const equals = std::strchr(entry, '=');
  if (equals == nullptr || equals == entry) return false;
  v.name = ConstData(entry, static_cast<std::size_t>(equals - entry));
  v.value = ConstData(equals + 1);
  return true;
}

}  // namespace

environment Environment_of_world() {
  return environment{};
}

environment_variable environment_var_iterator::First(Of, environment const& e) {
  next_ = 0;
  return Next(Of{}, e);
}

environment_variable environment_var_iterator::Next(Of, environment const&) {
  for (;;) {
    char const* const entry = MacintoshPlatform::EnvironmentEntry(next_);
    if (entry == nullptr) throw NoSuchObject();
    ++next_;
    environment_variable v;
    if (Split(entry, v)) return v;
  }
}

environment_variable variable_of(unsigned char const* name, unsigned long length,
                                 environment const&) {
  if (length > kLongestVariableName) throw NoSuchObject();
  char const* const entry = MacintoshPlatform::FindEnvironmentEntry(
      std::string_view(reinterpret_cast<char const*>(name), length));
  environment_variable v;
  if (entry == nullptr || !Split(entry, v)) throw NoSuchObject();
  return v;
}

inspector_string name_of(Of, environment_variable const& v) {
  return AsInspectorString(v.name);
}

inspector_string value_of(Of, environment_variable const& v) {
  return AsInspectorString(v.value);
}

inspector_string AsString(environment_variable const& v) {
  ConstData const pieces[] = {v.name, ConstData(" = "), v.value};
  return CopyToInspectorString(ConstDataRopeReference(pieces));
}

namespace {

constexpr auto kMachine = kDependsOnMachineState;

Type<environment, kNotFingerprinted> const environmentType;
Type<environment_variable, kNotFingerprinted> const variableType;
Prop const environmentOfWorld("environment", "environments", &Environment_of_world, kMachine);
Prop const variables("variable", "variables", &environment_var_iterator::First,
                     &environment_var_iterator::Next, kMachine);
NamedProperty<environment, environment_variable> const variableByName("variable", "variables",
                                                                      &variable_of, kMachine);
Prop const name("name", "names", &name_of, kMachine);
Prop const value("value", "values", &value_of, kMachine);
Cast<environment_variable, inspector_string> const toString(
    "string", static_cast<inspector_string (*)(environment_variable const&)>(&AsString), kMachine);

}  // namespace

}  // namespace inspectors
