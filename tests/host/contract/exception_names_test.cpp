#include "host/contract/exception_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/contract/evaluator.h"

namespace inspectors {
struct FileNotFound : std::runtime_error {
  FileNotFound() : std::runtime_error("file not found") {}
};
}  // namespace inspectors

namespace evaluator {
struct Overflowed : std::exception {};
}  // namespace evaluator

namespace elsewhere::inspectors {
struct Nested {};
}  // namespace elsewhere::inspectors

namespace {

template <class Thrower>
std::string NameOf(Thrower thrower) {
  try {
    thrower();
  } catch (...) {
    return evaluator::CurrentExceptionClassName();
  }
  return "nothing thrown";
}

TEST(ExceptionNames, TheDynamicTypeWithoutTheLeadingOwnNamespace) {
  EXPECT_EQ(NameOf([] { throw inspectors::FileNotFound(); }), "FileNotFound");
  EXPECT_EQ(NameOf([] { throw evaluator::Overflowed(); }), "Overflowed");
  EXPECT_EQ(NameOf([] { throw std::out_of_range("x"); }), "std::out_of_range");
  EXPECT_EQ(NameOf([] { throw 42; }), "int");
  EXPECT_EQ(NameOf([] { throw elsewhere::inspectors::Nested(); }), "elsewhere::inspectors::Nested");
  EXPECT_EQ(evaluator::CurrentExceptionClassName(), "");  // none is being handled
}

}  // namespace
