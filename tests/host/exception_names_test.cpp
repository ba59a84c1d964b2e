#include "host/exception_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace inspectors {
struct NoSuchObject {};
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

struct Seen {
  std::string name;
  bool noSuchObject = false;
};

template <class Thrower>
Seen Catch(Thrower thrower) {
  try {
    thrower();
  } catch (...) {
    return {evaluator::CurrentExceptionClassName(), evaluator::CurrentExceptionIsNoSuchObject()};
  }
  return {"nothing thrown", false};
}

TEST(ExceptionNames, NamesTheDynamicTypeWithoutOwnNamespaces) {
  Seen s = Catch([] { throw inspectors::NoSuchObject(); });
  EXPECT_EQ(s.name, "NoSuchObject");
  EXPECT_TRUE(s.noSuchObject);

  // Thrown as itself, caught as its base: the name is still the thrown class's.
  s = Catch([] { throw inspectors::FileNotFound(); });
  EXPECT_EQ(s.name, "FileNotFound");
  EXPECT_FALSE(s.noSuchObject);

  s = Catch([] { throw evaluator::Overflowed(); });
  EXPECT_EQ(s.name, "Overflowed");

  s = Catch([] { throw std::out_of_range("x"); });
  EXPECT_EQ(s.name, "std::out_of_range");

  s = Catch([] { throw 42; });
  EXPECT_EQ(s.name, "int");
  EXPECT_FALSE(s.noSuchObject);
}

TEST(ExceptionNames, OnlyTheLibrarysNoSuchObjectCounts) {
  Seen s = Catch([] { throw elsewhere::NoSuchObject(); });
  EXPECT_EQ(s.name, "elsewhere::NoSuchObject");
  EXPECT_FALSE(s.noSuchObject);

  s = Catch([] { throw elsewhere::inspectors::Nested(); });
  EXPECT_EQ(s.name, "elsewhere::inspectors::Nested");

  // A rethrown exception keeps its type.
  s = Catch([] {
    try {
      throw inspectors::NoSuchObject();
    } catch (...) {
      throw;
    }
  });
  EXPECT_TRUE(s.noSuchObject);
}

TEST(ExceptionNames, NothingOutsideACatchBlock) {
  EXPECT_EQ(evaluator::CurrentExceptionClassName(), "");
  EXPECT_FALSE(evaluator::CurrentExceptionIsNoSuchObject());
}

}  // namespace
