#include "foundation/debugging.h"

#include <string>

#include "framework/contract/evaluator.h"

namespace MacintoshPlatform {

void DebugMessage::Show(std::string_view line) {
  std::string const text(line);
  ::DebugMessage() << text.c_str();
}

}  // namespace MacintoshPlatform
