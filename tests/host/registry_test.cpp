#include "host/registry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/tuples.h"

namespace {

using evaluator::Kind;
using evaluator::Registration;
using evaluator::Registry;

// Distinct addresses to stand for registration blocks.
struct Blocks {
  unsigned char bytes[32][8];
  void const* operator[](int i) const { return bytes[i]; }
};

Registration Type(void const* block, std::string name, std::string base = "") {
  Registration r;
  r.kind = Kind::Type;
  r.block = block;
  r.name = std::move(name);
  r.baseType = std::move(base);
  return r;
}

Registration Property(void const* block, std::string name, std::string plural,
                      std::string object = "", Kind kind = Kind::Property) {
  Registration r;
  r.kind = kind;
  r.block = block;
  r.name = std::move(name);
  r.plural = std::move(plural);
  r.objectType = std::move(object);
  return r;
}

Registration Cast(void const* block, std::string name, std::string source) {
  Registration r;
  r.kind = Kind::Cast;
  r.block = block;
  r.name = std::move(name);
  r.objectType = std::move(source);
  return r;
}

Registration Operator(void const* block, Kind kind, unsigned long code) {
  Registration r;
  r.kind = kind;
  r.block = block;
  r.operatorCode = code;
  return r;
}

TEST(Registry, AddAssignsIncreasingSequenceAndKeepsOrder) {
  Registry registry;
  Blocks b;
  std::uint64_t const before = registry.NextSequence();
  registry.Add(Type(b[0], "file"));
  registry.Add(Property(b[1], "name", "names", "file"));
  registry.Add(Operator(b[2], Kind::BinaryOperator, kOperatorPlus));
  EXPECT_EQ(registry.NextSequence(), before + 3);
  auto all = registry.All();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(registry.Size(), 3u);
  EXPECT_EQ(all[0]->block, b[0]);
  EXPECT_EQ(all[1]->block, b[1]);
  EXPECT_EQ(all[2]->block, b[2]);
  EXPECT_LT(all[0]->sequence, all[1]->sequence);
  EXPECT_LT(all[1]->sequence, all[2]->sequence);
  EXPECT_GE(all[0]->sequence, before);
  EXPECT_EQ(registry.FindBlock(b[1]), all[1]);
  EXPECT_EQ(registry.FindBlock(b[3]), nullptr);

  // Removing from the middle keeps the others in order; a new record goes last.
  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property}));
  registry.Add(Property(b[1], "size", "sizes", "file"));
  all = registry.All();
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(all[0]->block, b[0]);
  EXPECT_EQ(all[1]->block, b[2]);
  EXPECT_EQ(all[2]->name, "size");
}

TEST(Registry, DuplicateBlockIsRejected) {
  Registry registry;
  Blocks b;
  registry.Add(Type(b[0], "file"));
  EXPECT_THROW(registry.Add(Property(b[0], "name", "names")), std::logic_error);
  EXPECT_THROW(registry.Add(Type(nullptr, "folder")), std::logic_error);
  EXPECT_EQ(registry.Size(), 1u);
  EXPECT_EQ(registry.FindProperties("name").size(), 0u);
}

TEST(Registry, RemoveOnlyOfTheGivenKinds) {
  Registry registry;
  Blocks b;
  registry.Add(Type(b[0], "file"));
  registry.Add(Property(b[1], "line", "lines", "file", Kind::IteratedProperty));
  EXPECT_FALSE(registry.Remove(b[0], {Kind::Property, Kind::Cast}));
  EXPECT_FALSE(registry.Remove(b[1], {Kind::Property}));
  EXPECT_FALSE(registry.Remove(b[5], {Kind::Type}));
  EXPECT_EQ(registry.Size(), 2u);
  EXPECT_NE(registry.FindType("file"), nullptr);
  EXPECT_EQ(registry.FindProperties("lines").size(), 1u);

  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property, Kind::IteratedProperty}));
  EXPECT_FALSE(registry.Remove(b[1], {Kind::Property, Kind::IteratedProperty}));
  EXPECT_TRUE(registry.FindProperties("lines").empty());
  EXPECT_TRUE(registry.FindProperties("line").empty());
  EXPECT_TRUE(registry.Remove(b[0], {Kind::Type}));
  EXPECT_EQ(registry.FindType("file"), nullptr);
  EXPECT_EQ(registry.Size(), 0u);
}

TEST(Registry, LookupsIgnoreCaseAndKeepRegistrationOrder) {
  Registry registry;
  Blocks b;
  registry.Add(Property(b[0], "Name", "names", "file"));
  registry.Add(Cast(b[1], "name", "integer"));
  registry.Add(Property(b[2], "name", "NAMES", "folder", Kind::AggregateProperty));
  registry.Add(Property(b[3], "size", "size", "file"));  // plural equal to the name
  registry.Add(Operator(b[4], Kind::BinaryOperator, kRelationLess));
  registry.Add(Operator(b[5], Kind::UnaryOperator, kRelationLess));
  registry.Add(Operator(b[6], Kind::BinaryOperator, kRelationLess));
  Registration cache;
  cache.kind = Kind::Cache;
  cache.block = b[7];
  registry.Add(cache);

  auto byName = registry.FindProperties("NAME");
  ASSERT_EQ(byName.size(), 2u);
  EXPECT_EQ(byName[0]->block, b[0]);
  EXPECT_EQ(byName[1]->block, b[2]);
  EXPECT_EQ(registry.FindProperties("Names"), byName);
  EXPECT_EQ(registry.FindProperties("size").size(), 1u);  // indexed once, not twice
  EXPECT_TRUE(registry.FindProperties("nam").empty());

  auto casts = registry.FindCasts("NaMe");
  ASSERT_EQ(casts.size(), 1u);
  EXPECT_EQ(casts[0]->block, b[1]);
  EXPECT_TRUE(registry.FindCasts("names").empty());

  auto binary = registry.FindBinaryOperators(kRelationLess);
  ASSERT_EQ(binary.size(), 2u);
  EXPECT_EQ(binary[0]->block, b[4]);
  EXPECT_EQ(binary[1]->block, b[6]);
  ASSERT_EQ(registry.FindUnaryOperators(kRelationLess).size(), 1u);
  EXPECT_TRUE(registry.FindBinaryOperators(kOperatorPlus).empty());
  ASSERT_EQ(registry.Caches().size(), 1u);
  EXPECT_EQ(registry.Caches()[0]->block, b[7]);
}

TEST(Registry, TypesBasesAndIsA) {
  Registry registry;
  Blocks b;
  registry.Add(Type(b[0], "filesystem object"));
  registry.Add(Type(b[1], "file", "filesystem object"));
  registry.Add(Type(b[2], "substring", "string"));
  registry.Add(Type(b[3], "regular expression match", "substring"));
  registry.Add(Type(b[4], "loop a", "loop b"));
  registry.Add(Type(b[5], "loop b", "loop a"));

  EXPECT_TRUE(Registry::IsBuiltinType("integer"));
  EXPECT_TRUE(Registry::IsBuiltinType("string"));
  EXPECT_TRUE(Registry::IsBuiltinType("boolean"));
  EXPECT_FALSE(Registry::IsBuiltinType("file"));
  EXPECT_EQ(registry.FindType("string"), nullptr);
  ASSERT_NE(registry.FindType("file"), nullptr);
  EXPECT_EQ(registry.FindType("file")->block, b[1]);

  EXPECT_EQ(registry.BaseOf("file"), "filesystem object");
  EXPECT_EQ(registry.BaseOf("filesystem object"), "");
  EXPECT_EQ(registry.BaseOf("integer"), "");

  EXPECT_TRUE(registry.IsA("file", "file"));
  EXPECT_TRUE(registry.IsA("file", "filesystem object"));
  EXPECT_FALSE(registry.IsA("filesystem object", "file"));
  EXPECT_TRUE(registry.IsA("regular expression match", "string"));
  EXPECT_TRUE(registry.IsA("regular expression match", "substring"));
  EXPECT_FALSE(registry.IsA("substring", "regular expression match"));
  EXPECT_FALSE(registry.IsA("file", "string"));
  EXPECT_TRUE(registry.IsA("integer", "integer"));
  EXPECT_FALSE(registry.IsA("integer", "string"));
  // A cycle of bases ends the walk instead of looping.
  EXPECT_TRUE(registry.IsA("loop a", "loop b"));
  EXPECT_FALSE(registry.IsA("loop a", "file"));

  // Tuples: item by item, and only of the same length.
  std::string const derived = MakeTupleTypeName("file", "substring");
  std::string const base = MakeTupleTypeName("filesystem object", "string");
  EXPECT_TRUE(registry.IsA(derived, base));
  EXPECT_FALSE(registry.IsA(base, derived));
  EXPECT_FALSE(registry.IsA(derived, MakeTupleTypeName("filesystem object", "string", "file")));
  EXPECT_FALSE(registry.IsA(derived, "filesystem object"));

  EXPECT_TRUE(registry.IsKnownType("boolean"));
  EXPECT_TRUE(registry.IsKnownType("file"));
  EXPECT_TRUE(registry.IsKnownType(derived));
  EXPECT_TRUE(registry.IsKnownType(MakeTupleTypeName("integer", derived.c_str())));
  EXPECT_FALSE(registry.IsKnownType(MakeTupleTypeName("integer", "no such type")));
  EXPECT_FALSE(registry.IsKnownType("folder"));
}

TEST(Registry, NamesAndWordPrefixes) {
  Registry registry;
  Blocks b;
  registry.Add(Type(b[0], "file"));
  registry.Add(Property(b[1], "Last Modification Time", "last modification times", "file"));
  registry.Add(Property(b[2], "last", "lasts"));
  registry.Add(Cast(b[3], "hexadecimal  string", "integer"));
  registry.Add(Operator(b[4], Kind::BinaryOperator, kOperatorPlus));

  for (std::string_view name : {"file", "last modification time", "last modification times", "last",
                                "lasts", "hexadecimal string", "integer", "string"}) {
    EXPECT_TRUE(registry.IsName(name)) << name;
    EXPECT_TRUE(registry.IsNameOrNamePrefix(name)) << name;
  }
  for (std::string_view prefix : {"last modification", "hexadecimal"}) {
    EXPECT_FALSE(registry.IsName(prefix)) << prefix;
    EXPECT_TRUE(registry.IsNameOrNamePrefix(prefix)) << prefix;
  }
  // Prefixes end at whole words, and lookups are by the lower-cased form.
  for (std::string_view other : {"las", "last modif", "modification", "Last", "", "file name"}) {
    EXPECT_FALSE(registry.IsNameOrNamePrefix(other)) << other;
  }

  // A name stays known while any registration still uses it.
  registry.Add(Property(b[5], "last", "lasts", "file"));
  EXPECT_TRUE(registry.Remove(b[2], {Kind::Property}));
  EXPECT_TRUE(registry.IsName("last"));
  EXPECT_TRUE(registry.Remove(b[5], {Kind::Property}));
  EXPECT_FALSE(registry.IsName("last"));
  EXPECT_TRUE(registry.IsNameOrNamePrefix("last"));  // still begins "last modification time"
  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property}));
  EXPECT_FALSE(registry.IsNameOrNamePrefix("last"));
  EXPECT_FALSE(registry.IsNameOrNamePrefix("last modification"));
}

TEST(Registry, DescribeNamesTheKind) {
  Blocks b;
  EXPECT_EQ(evaluator::Describe(Property(b[0], "name", "names", "file", Kind::IteratedProperty)),
            "iterated property name");
  EXPECT_EQ(evaluator::Describe(Operator(b[1], Kind::UnaryOperator, kUnaryMinus)),
            "unary operator 0");
  EXPECT_EQ(evaluator::Describe(Type(b[2], "file")), "type file");
}

}  // namespace
