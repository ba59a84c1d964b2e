// A system library opened on first use, by its file name (the loader's own search),
// and kept loaded for the life of the process: code that needs a heavy library only
// for one or two phrases opens it here instead of linking it, so that a process that
// never asks those phrases never loads it. The library is never unloaded, because
// such libraries keep process-wide and thread-local state that must outlive every
// inspector library that used them.
#pragma once

#include <string>

namespace MacintoshPlatform {

class SystemLibrary {
 public:
  // Opens `fileName` (for example "libplist-2.0.so.3"); Loaded() says whether it opened.
  explicit SystemLibrary(char const* fileName) noexcept;

  bool Loaded() const noexcept { return handle_ != nullptr; }
  // Why opening or the last Resolve failed; empty when nothing failed.
  std::string const& Error() const noexcept { return error_; }

  // Sets `function` to the library's function `name`; false (with Error() set, and
  // `function` null) when the library is not loaded or has no such function.
  template <class Function>
  bool Resolve(Function*& function, char const* name) noexcept {
    function = reinterpret_cast<Function*>(Address(name));
    return function != nullptr;
  }

 private:
  void* Address(char const* name) noexcept;

  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace MacintoshPlatform
