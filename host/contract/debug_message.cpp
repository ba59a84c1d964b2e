#include "host/contract/debug_message.h"

#include <atomic>
#include <cstdio>
#include <string>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {
std::atomic<bool> debugMessages{false};
}  // namespace

void SetDebugMessages(bool on) noexcept {
  debugMessages.store(on, std::memory_order_relaxed);
}

bool DebugMessagesEnabled() noexcept {
  return debugMessages.load(std::memory_order_relaxed);
}

}  // namespace evaluator

DebugMessage::DebugMessage() = default;

DebugMessage::~DebugMessage() {
  if (!evaluator::DebugMessagesEnabled()) return;
  line_ += '\n';
  std::fwrite(line_.data(), 1, line_.size(), stderr);
}

DebugMessage& DebugMessage::operator<<(char const* text) {
  if (text != nullptr && evaluator::DebugMessagesEnabled()) line_ += text;
  return *this;
}

DebugMessage& DebugMessage::operator<<(long number) {
  if (evaluator::DebugMessagesEnabled()) line_ += std::to_string(number);
  return *this;
}
