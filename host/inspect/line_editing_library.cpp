#include "host/inspect/line_editing_library.h"

#include <dlfcn.h>

namespace inspect {
namespace {

std::string LoaderError(char const* fallback) {
  char const* const message = ::dlerror();
  return message != nullptr ? std::string(message) : std::string(fallback);
}

template <class Function>
void Resolve(void* handle, Function*& function, char const* name, std::string& error) {
  if (!error.empty()) return;
  ::dlerror();
  function = reinterpret_cast<Function*>(::dlsym(handle, name));
  if (function == nullptr) error = LoaderError(name);
}

LineEditingLibrary Open() {
  LineEditingLibrary library;
  // Never closed (RTLD_NODELETE): the session's editor and history live until the end.
  void* const handle =
      ::dlopen(INSPECT_LINE_EDITING_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (handle == nullptr) {
    library.error = LoaderError(INSPECT_LINE_EDITING_LIBRARY);
    return library;
  }
  Resolve(handle, library.el_init, "el_init", library.error);
  Resolve(handle, library.el_end, "el_end", library.error);
  Resolve(handle, library.el_set, "el_set", library.error);
  Resolve(handle, library.el_gets, "el_gets", library.error);
  Resolve(handle, library.el_source, "el_source", library.error);
  Resolve(handle, library.history_init, "history_init", library.error);
  Resolve(handle, library.history_end, "history_end", library.error);
  Resolve(handle, library.history, "history", library.error);
  return library;
}

}  // namespace

LineEditingLibrary const& LineEditing() {
  static LineEditingLibrary const library = Open();
  return library;
}

}  // namespace inspect
