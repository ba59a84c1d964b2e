#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/contract/evaluator.h"
#include "host/catalog/registry.h"

namespace {

using evaluator::Kind;
using evaluator::Registry;

void DestroyNothing(void const*) {}
bool Getter(void*, void const*, void const*, void*, void const*) {
  return true;
}
bool OtherGetter(void*, void const*, void const*, void*, void const*) {
  return false;
}
void Construct(void*) {}
void DestroyState(void const*) {}
void Clear(void*) {}
void Plus(void*, void const*, void const*, void const*) {}
void Negate(void*, void const*, void const*) {}
void Convert(void*, void const*, void const*) {}

struct Block {
  alignas(16) unsigned char bytes[kTypeBlockSize];
};

TEST(EntryPoints, RegisterCopiesEveryArgument) {
  Registry& registry = Registry::Global();
  std::size_t const before = registry.Size();
  Block type, derived, property, aggregate, cast, binary, unary, cache;
  char typeName[] = "entry test thing";
  Register_Type(type.bytes, kTypeBlockSize, typeName, 24, DestroyNothing, nullptr, nullptr);
  Register_Type(derived.bytes, kTypeBlockSize, "entry test special thing", 32, DestroyNothing,
                "entry test thing", nullptr);
  Register_Property(property.bytes, kPropertyBlockSize, "entry test size", "entry test sizes",
                    nullptr, "entry test thing", "integer", Getter, property.bytes, nullptr);
  Register_Aggregate_Property(aggregate.bytes, kPropertyBlockSize, "entry test total", "", "",
                              "integer", "integer", 16, Construct, DestroyState, Getter,
                              OtherGetter, Getter, OtherGetter, Getter, OtherGetter,
                              aggregate.bytes, nullptr);
  Register_Cast(cast.bytes, kPropertyBlockSize, "entry test thing", "string", "entry test thing",
                Convert, cast.bytes, nullptr);
  Register_Binary_Operator(binary.bytes, kPropertyBlockSize, kOperatorPlus, "entry test thing",
                           "integer", "entry test thing", Plus, binary.bytes, nullptr);
  Register_Unary_Operator(unary.bytes, kPropertyBlockSize, kUnaryMinus, "entry test thing",
                          "entry test thing", Negate, unary.bytes, nullptr);
  Register_Cache(cache.bytes, kCacheBlockSize, Clear, nullptr);
  EXPECT_EQ(registry.Size(), before + 8);

  typeName[0] = 'X';  // the registry keeps its own copy
  auto const* t = registry.FindType("entry test thing");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->kind, Kind::Type);
  EXPECT_EQ(t->valueSize, 24u);
  EXPECT_EQ(t->destroyValue, &DestroyNothing);
  EXPECT_EQ(t->baseType, "");  // null base pointer
  EXPECT_TRUE(registry.IsA("entry test special thing", "entry test thing"));

  auto properties = registry.FindProperties("entry test sizes");
  ASSERT_EQ(properties.size(), 1u);
  EXPECT_EQ(properties[0]->parameterType, "");  // null parameter type
  EXPECT_EQ(properties[0]->objectType, "entry test thing");
  EXPECT_EQ(properties[0]->resultType, "integer");
  EXPECT_EQ(properties[0]->getter, &Getter);
  EXPECT_EQ(properties[0]->context, property.bytes);

  auto aggregates = registry.FindProperties("entry test total");
  ASSERT_EQ(aggregates.size(), 1u);
  EXPECT_EQ(aggregates[0]->kind, Kind::AggregateProperty);
  EXPECT_EQ(aggregates[0]->stateSize, 16u);
  EXPECT_EQ(aggregates[0]->firstInitial, &Getter);
  EXPECT_EQ(aggregates[0]->nextInitial, &OtherGetter);
  EXPECT_EQ(aggregates[0]->firstFinal, &Getter);
  EXPECT_EQ(aggregates[0]->nextFinal, &OtherGetter);

  auto casts = registry.FindCasts("entry test thing");
  ASSERT_EQ(casts.size(), 1u);
  EXPECT_EQ(casts[0]->objectType, "string");
  EXPECT_EQ(casts[0]->resultType, "entry test thing");
  EXPECT_EQ(casts[0]->cast, &Convert);

  auto const* b = registry.FindBlock(binary.bytes);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->objectType, "entry test thing");
  EXPECT_EQ(b->rightType, "integer");
  EXPECT_EQ(b->binary, &Plus);
  EXPECT_EQ(registry.FindBlock(cache.bytes)->clear, &Clear);

  // Each Unregister_* withdraws only its own kinds.
  Unregister_Cast(type.bytes);
  Unregister_Type(property.bytes);
  EXPECT_EQ(registry.Size(), before + 8);

  Unregister_Property(property.bytes);
  Unregister_Property(aggregate.bytes);
  Unregister_Cast(cast.bytes);
  Unregister_Binary_Operator(binary.bytes);
  Unregister_Unary_Operator(unary.bytes);
  Unregister_Cache(cache.bytes);
  Unregister_Type(derived.bytes);
  Unregister_Type(type.bytes);
  EXPECT_EQ(registry.Size(), before);
  EXPECT_EQ(registry.FindType("entry test thing"), nullptr);
  EXPECT_FALSE(registry.IsNameOrNamePrefix(evaluator::Name("entry test")));
  Unregister_Type(type.bytes);  // a second withdrawal is harmless
}

TEST(EntryPoints, WrongBlockSizeOrDuplicateBlockIsAProgrammingError) {
  Registry& registry = Registry::Global();
  std::size_t const before = registry.Size();
  Block block;
  EXPECT_THROW(Register_Type(block.bytes, kPropertyBlockSize, "entry test bad", 8, DestroyNothing,
                             "", nullptr),
               std::logic_error);
  EXPECT_THROW(Register_Property(block.bytes, kTypeBlockSize, "entry test bad", "", "", "",
                                 "integer", Getter, nullptr, nullptr),
               std::logic_error);
  EXPECT_THROW(Register_Cache(block.bytes, kPropertyBlockSize, Clear, nullptr), std::logic_error);
  EXPECT_EQ(registry.Size(), before);

  Register_Iterated_Property(block.bytes, kPropertyBlockSize, "entry test item", "entry test items",
                             "", "", "integer", 8, Construct, DestroyState, Getter, OtherGetter,
                             block.bytes, nullptr);
  EXPECT_THROW(Register_Cache(block.bytes, kCacheBlockSize, Clear, nullptr), std::logic_error);
  EXPECT_EQ(registry.FindBlock(block.bytes)->kind, Kind::IteratedProperty);
  Unregister_Property(block.bytes);
  EXPECT_EQ(registry.Size(), before);
}

}  // namespace
