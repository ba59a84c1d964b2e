#include "host/contract/crypto_library.h"

#include <dlfcn.h>

namespace evaluator {
namespace {

std::string LoaderError(char const* fallback) {
  char const* const message = ::dlerror();
  return message != nullptr ? std::string(message) : std::string(fallback);
}

CryptoLibrary Open() {
  CryptoLibrary library;
  // Never closed: the library keeps process-wide state, and RTLD_NODELETE keeps it
  // loaded even if a dlopen of it made elsewhere in the process is closed.
  void* const handle = ::dlopen(EVALUATOR_CRYPTO_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (handle == nullptr) {
    library.error = LoaderError(EVALUATOR_CRYPTO_LIBRARY);
    return library;
  }
#define EVALUATOR_CRYPTO_RESOLVE(name)                                               \
  if (library.error.empty()) {                                                       \
    ::dlerror();                                                                     \
    library.name = reinterpret_cast<decltype(library.name)>(::dlsym(handle, #name)); \
    if (library.name == nullptr) library.error = LoaderError(#name);                 \
  }
  EVALUATOR_CRYPTO_FUNCTIONS(EVALUATOR_CRYPTO_RESOLVE)
#undef EVALUATOR_CRYPTO_RESOLVE
  return library;
}

}  // namespace

CryptoLibrary const& Crypto() {
  static CryptoLibrary const library = Open();
  return library;
}

}  // namespace evaluator
