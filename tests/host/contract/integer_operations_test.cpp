// The integer functions of the contract that inspectors call and no query reaches;
// the operators and the text forms are in tests/host/catalog/evaluator_operations.q.
#include "host/contract/integer_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

TEST(IntegerOperations, LibraryFunctions) {
  EXPECT_EQ(absolute_value_of(integer(-5)).get(), 5);
  EXPECT_EQ(absolute_value_of(integer(kMax)).get(), kMax);
  EXPECT_THROW(absolute_value_of(integer(kMin)), IntegerOverflow);
  EXPECT_EQ(least_integer_of().get(), kMin);
  EXPECT_EQ(greatest_integer_of().get(), kMax);
  // integer_of reinterprets the bits as two's complement.
  EXPECT_EQ(integer_of(0xffffffffffffffffULL).get(), -1);
  EXPECT_EQ(integer_of(0x8000000000000000ULL).get(), kMin);
  EXPECT_EQ(static_cast<unsigned long long>(integer_of(0xfedcba9876543210ULL).get()),
            0xfedcba9876543210ULL);
}

TEST(IntegerOperations, AsIntegerReadsOnlyTheLengthGiven) {
  inspector_string const truncated{reinterpret_cast<unsigned char const*>("12x"), 2};
  EXPECT_EQ(asInteger(truncated).get(), 12);
  EXPECT_THROW(asInteger(inspector_string{nullptr, 0}), evaluator::NotAnInteger);
}

}  // namespace
