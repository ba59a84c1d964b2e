// Diagnostics: DebugMessage lines (framework/contract/evaluator.h) reach standard error
// only while they are switched on.
#pragma once

namespace evaluator {

// Off by default.
void SetDebugMessages(bool on) noexcept;
bool DebugMessagesEnabled() noexcept;

}  // namespace evaluator
