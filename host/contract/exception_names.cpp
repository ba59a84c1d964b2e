#include "host/contract/exception_names.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string_view>
#include <typeinfo>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {

struct FreeDeleter {
  void operator()(char* p) const noexcept { std::free(p); }
};

std::string DemangledCurrentExceptionName() {
  std::type_info const* type = abi::__cxa_current_exception_type();
  if (type == nullptr) return {};
  int status = 0;
  std::unique_ptr<char, FreeDeleter> demangled(
      abi::__cxa_demangle(type->name(), nullptr, nullptr, &status));
  if (status != 0 || !demangled) return type->name();
  return demangled.get();
}

}  // namespace

std::string CurrentExceptionClassName() {
  std::string name = DemangledCurrentExceptionName();
  for (std::string_view prefix :
       {std::string_view("inspectors::"), std::string_view("evaluator::")}) {
    if (name.starts_with(prefix)) return name.substr(prefix.size());
  }
  return name;
}

}  // namespace evaluator

NoValue::~NoValue() = default;
