#include "foundation/exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>

namespace inspectors {
namespace {

std::string ReadableClassName(std::type_info const& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  std::string name = status == 0 && demangled ? demangled.get() : type.name();
  constexpr std::string_view kOwnNamespace = "inspectors::";
  if (name.starts_with(kOwnNamespace)) name.erase(0, kOwnNamespace.size());
  return name;
}

}  // namespace

char const* DebuggableException::what() const noexcept {
  // One entry per class ever asked; the library runs on one thread at a time, and
  // map nodes never move, so the text outlives every exception object.
  static std::map<std::type_index, std::string> names;
  std::type_info const& type = typeid(*this);
  try {
    auto found = names.find(type);
    if (found == names.end()) found = names.emplace(type, ReadableClassName(type)).first;
    return found->second.c_str();
  } catch (...) {
    return type.name();
  }
}

}  // namespace inspectors
