// Diagnostics: DebugMessage lines (framework/contract/evaluator.h) reach standard error
// only inside a run whose session asked for them.
#pragma once

namespace evaluator {

// Switches diagnostics on or off on the calling thread for the scope's lifetime, and
// back to what they were afterwards. Off outside every scope.
class DebugMessagesScope {
 public:
  explicit DebugMessagesScope(bool on) noexcept;
  ~DebugMessagesScope();
  DebugMessagesScope(DebugMessagesScope const&) = delete;
  DebugMessagesScope& operator=(DebugMessagesScope const&) = delete;

 private:
  bool outer_;
};

bool DebugMessagesEnabled() noexcept;

}  // namespace evaluator
