// The line-editing library, opened when an interactive session starts instead of being
// linked: only a session at a terminal uses it, and loading it (with the terminal and
// BSD libraries it needs) would slow every other run of the command. Once opened it
// stays loaded for the life of the process.
#pragma once

#include <histedit.h>

#include <string>

namespace inspect {

struct LineEditingLibrary {
  decltype(&::el_init) el_init = nullptr;
  decltype(&::el_end) el_end = nullptr;
  decltype(&::el_set) el_set = nullptr;
  decltype(&::el_gets) el_gets = nullptr;
  decltype(&::el_source) el_source = nullptr;
  decltype(&::history_init) history_init = nullptr;
  decltype(&::history_end) history_end = nullptr;
  decltype(&::history) history = nullptr;

  // Why the library or one of its functions could not be loaded; empty when all were.
  std::string error;
  bool Loaded() const noexcept { return error.empty(); }
};

// The library, opened on the first call.
LineEditingLibrary const& LineEditing();

}  // namespace inspect
