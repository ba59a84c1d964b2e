// The platform's developer-diagnostics layer: the mix-in every library exception
// carries and the one-line debugger message.
#pragma once

#include <string_view>

namespace MacintoshPlatform {

// Empty mix-in of every library exception, reserved for debugging information.
class __attribute__((visibility("default"))) ExceptionDebuggingInfo {};

// Developer messages. They go to the evaluator's diagnostic channel, which shows
// them only when the host runs with diagnostics on; they never reach results.
struct DebugMessage {
  static void Show(std::string_view line);
};

}  // namespace MacintoshPlatform
