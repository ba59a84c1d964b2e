#include "host/contract/exception_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/contract/evaluator.h"

namespace inspectors {
struct NoSuchObject : NoValue {};
struct FileNotFound : std::runtime_error {
  FileNotFound() : std::runtime_error("file not found") {}
};
}  // namespace inspectors

namespace evaluator {
struct Overflowed : std::exception {};
}  // namespace evaluator

namespace elsewhere {
struct NoSuchObject {};
namespace inspectors {
struct Nested {};
}  // namespace inspectors
}  // namespace elsewhere

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

TEST(ExceptionNames, NamesTheDynamicTypeWithoutOwnNamespaces) {
  EXPECT_EQ(NameOf([] { throw inspectors::NoSuchObject(); }), "NoSuchObject");
  EXPECT_EQ(NameOf([] { throw inspectors::FileNotFound(); }), "FileNotFound");
  EXPECT_EQ(NameOf([] { throw evaluator::Overflowed(); }), "Overflowed");
  EXPECT_EQ(NameOf([] { throw std::out_of_range("x"); }), "std::out_of_range");
  EXPECT_EQ(NameOf([] { throw 42; }), "int");
  // Only the leading namespaces are dropped.
  EXPECT_EQ(NameOf([] { throw elsewhere::inspectors::Nested(); }),
            "elsewhere::inspectors::Nested");
  EXPECT_EQ(evaluator::CurrentExceptionClassName(), "");
}

// A missing value is recognised by its contract base, not by its name.
TEST(ExceptionNames, NoValueIsRecognisedByItsBaseOnly) {
  EXPECT_THROW(throw inspectors::NoSuchObject(), NoValue);
  bool seenAsNoValue = false;
  try {
    throw elsewhere::NoSuchObject();
  } catch (NoValue const&) {
    seenAsNoValue = true;
  } catch (...) {
  }
  EXPECT_FALSE(seenAsNoValue);
}

}  // namespace
