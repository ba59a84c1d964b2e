#include "platform/environment.h"

#include <unistd.h>

#include <cstring>

namespace MacintoshPlatform {

char const* EnvironmentEntry(std::size_t index) noexcept {
  char** const entries = environ;
  if (entries == nullptr) return nullptr;
  for (std::size_t i = 0; i < index; ++i) {
    if (entries[i] == nullptr) return nullptr;
  }
  return entries[index];
}

char const* FindEnvironmentEntry(std::string_view name) noexcept {
  if (name.empty() || name.find('=') != std::string_view::npos ||
      name.find('\0') != std::string_view::npos) {
    return nullptr;
  }
  char** const entries = environ;
  if (entries == nullptr) return nullptr;
  for (char** entry = entries; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, name.data(), name.size()) == 0 && (*entry)[name.size()] == '=') {
      return *entry;
    }
  }
  return nullptr;
}

}  // namespace MacintoshPlatform
