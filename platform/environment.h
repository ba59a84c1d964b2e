// The process environment as the system keeps it: a list of "NAME=value" entries
// (environ). The entries' bytes stay where they are for the life of the process as
// long as nobody changes the variable, so the inspectors refer to them without
// copying.
#pragma once

#include <cstddef>
#include <string_view>

namespace MacintoshPlatform {

// Entry `index` of the environment list, or null past its end.
char const* EnvironmentEntry(std::size_t index) noexcept;

// The entry of the variable named exactly `name`, or null. A name that is empty or
// holds '=' or a zero byte names no variable.
char const* FindEnvironmentEntry(std::string_view name) noexcept;

}  // namespace MacintoshPlatform
