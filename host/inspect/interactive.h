// The interactive mode of `inspect`: queries typed at a terminal, with line editing and
// a history kept between sessions.
#pragma once

#include <filesystem>
#include <optional>

#include "host/inspect/runner.h"

namespace inspect {

// ~/.inspect_history ($HOME, else the password database); nothing when there is no home.
std::optional<std::filesystem::path> DefaultHistoryFile();

// Prompts for queries on the terminal and runs each until end of input (Ctrl-D).
// Blank and # lines are skipped. The history is loaded from `historyFile` and saved back
// after every query entered. False, with a warning, when line editing cannot start;
// nothing has been read then.
bool RunInteractive(QueryRunner& runner, std::optional<std::filesystem::path> const& historyFile);

}  // namespace inspect
