#include "platform/system_library.h"

#include <dlfcn.h>

namespace MacintoshPlatform {
namespace {

std::string LastLoaderError(char const* fallback) {
  char const* const message = ::dlerror();
  return message != nullptr ? std::string(message) : std::string(fallback);
}

}  // namespace

SystemLibrary::SystemLibrary(char const* fileName) noexcept {
  try {
    // RTLD_NODELETE: the handle is never closed, and the library stays loaded even if
    // a later dlopen of it, made elsewhere in the process, is closed.
    handle_ = ::dlopen(fileName, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (handle_ == nullptr) error_ = LastLoaderError(fileName);
  } catch (...) {
    // The message could not be kept; Loaded() still tells.
  }
}

void* SystemLibrary::Address(char const* name) noexcept {
  if (handle_ == nullptr) return nullptr;
  ::dlerror();
  void* const address = ::dlsym(handle_, name);
  if (address == nullptr) {
    try {
      error_ = LastLoaderError(name);
    } catch (...) {
    }
  }
  return address;
}

}  // namespace MacintoshPlatform
