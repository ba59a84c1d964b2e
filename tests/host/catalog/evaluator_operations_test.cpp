// What no query can reach cheaply: the evaluator's own `&` refuses a result longer
// than a string can hold instead of cutting its length to 32 bits. The long operands
// are fakes whose bytes are never read.
#include "host/catalog/evaluator_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "host/catalog/registry.h"
#include "host/contract/memory.h"

namespace evaluator {
namespace {

TEST(EvaluatorOperations, ConcatenationRefusesResultsTooLongForAString) {
  Registry registry;
  Registration const* concatenate = nullptr;
  for (Registration const* r :
       registry.FindBinaryOperators(kOperatorConcatenate, Scope::Everything)) {
    if (r->objectType == kStringType && r->rightType == kStringType) concatenate = r;
  }
  ASSERT_NE(concatenate, nullptr);
  unsigned char const bytes[] = "abcde";
  struct {
    std::uint32_t left, right;
    char const* expected;  // null: refused
  } const cases[] = {
      {3, 2, "abcde"},
      {0, 0, ""},
      {0x80000000u, 0x80000000u, nullptr},  // 2^32: one byte too many
      {0xffffffffu, 1, nullptr},
  };
  for (auto const& c : cases) {
    inspector_string const left{bytes, c.left};
    inspector_string const right{bytes + 3, c.right};
    inspector_string result;
    std::shared_ptr<Arena> arena;
    ArenaScope scope(arena);
    if (c.expected == nullptr) {
      EXPECT_THROW(concatenate->binary(&result, &left, &right, concatenate->context), DataOverflow)
          << c.left << " + " << c.right;
      continue;
    }
    concatenate->binary(&result, &left, &right, concatenate->context);
    EXPECT_EQ(std::string(reinterpret_cast<char const*>(result.bytes), result.length), c.expected);
  }
}

}  // namespace
}  // namespace evaluator
