// The entry points' own rules: the size of the block each kind is lent, one record a
// block, and withdrawal by kind. What a record holds is checked through the
// registration framework (tests/framework).
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/contract/evaluator.h"
#include "host/catalog/registry.h"

namespace {

using evaluator::Kind;
using evaluator::Registry;

bool Getter(void*, void const*, void const*, void*, void const*) {
  return true;
}
void Clear(void*) {}

struct Block {
  alignas(16) unsigned char bytes[kTypeBlockSize];
};

TEST(EntryPoints, EachKindNeedsItsBlockOnceAndOfItsSize) {
  Registry& registry = Registry::Global();
  std::size_t const before = registry.Size();
  Block block;
  EXPECT_THROW(
      Register_Type(block.bytes, kPropertyBlockSize, "entry test", 8, nullptr, "", nullptr),
      std::logic_error);
  EXPECT_THROW(Register_Property(block.bytes, kTypeBlockSize, "entry test", "", "", "", "integer",
                                 Getter, nullptr, nullptr),
               std::logic_error);
  EXPECT_THROW(Register_Cache(block.bytes, kPropertyBlockSize, Clear, nullptr), std::logic_error);
  EXPECT_THROW(Register_Cache(nullptr, kCacheBlockSize, Clear, nullptr), std::logic_error);
  EXPECT_EQ(registry.Size(), before);

  Register_Iterated_Property(block.bytes, kPropertyBlockSize, "entry test item", "entry test items",
                             nullptr, nullptr, "integer", 8, nullptr, nullptr, Getter, Getter,
                             block.bytes, nullptr);
  EXPECT_THROW(Register_Cache(block.bytes, kCacheBlockSize, Clear, nullptr), std::logic_error);
  EXPECT_EQ(registry.FindBlock(block.bytes)->kind, Kind::IteratedProperty);
  EXPECT_EQ(registry.FindProperties("entry test items").size(), 1u);

  // Each Unregister_* withdraws only its own kinds; a second withdrawal is harmless.
  Unregister_Type(block.bytes);
  Unregister_Cast(block.bytes);
  EXPECT_EQ(registry.Size(), before + 1);
  Unregister_Property(block.bytes);
  Unregister_Property(block.bytes);
  EXPECT_EQ(registry.Size(), before);
  EXPECT_FALSE(registry.IsNameOrNamePrefix(evaluator::Name("entry test")));
}

}  // namespace
