#include "host/contract/debug_message.h"

#include <cstdio>
#include <new>
#include <string>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {
thread_local bool debugMessages = false;
}  // namespace

DebugMessagesScope::DebugMessagesScope(bool on) noexcept : outer_(debugMessages) {
  debugMessages = on;
}

DebugMessagesScope::~DebugMessagesScope() {
  debugMessages = outer_;
}

bool DebugMessagesEnabled() noexcept {
  return debugMessages;
}

}  // namespace evaluator

// A diagnostic is worth less than the work it describes: without memory for its text,
// the text is cut short rather than the caller failed, and the destructor allocates
// nothing.
DebugMessage::DebugMessage() = default;

DebugMessage::~DebugMessage() {
  if (!evaluator::DebugMessagesEnabled()) return;
  std::fwrite(line_.data(), 1, line_.size(), stderr);
  std::fputc('\n', stderr);
}

DebugMessage& DebugMessage::operator<<(char const* text) {
  if (text == nullptr || !evaluator::DebugMessagesEnabled()) return *this;
  try {
    line_ += text;
  } catch (std::bad_alloc const&) {
  }
  return *this;
}

DebugMessage& DebugMessage::operator<<(long number) {
  if (!evaluator::DebugMessagesEnabled()) return *this;
  try {
    line_ += std::to_string(number);
  } catch (std::bad_alloc const&) {
  }
  return *this;
}
