#include "host/catalog/registry.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/catalog/records.h"

namespace evaluator {
namespace {

// Distinct addresses to stand for registration blocks.
struct Blocks {
  unsigned char bytes[8][8];
  void const* operator[](int i) const { return bytes[i]; }
};

Registration Property(void const* block, std::string_view name, std::string_view plural,
                      std::string_view object = "", Kind kind = Kind::Property) {
  Registration r =
      records::Property(block, {name, plural, "", object, "integer"}, nullptr, nullptr, nullptr);
  r.kind = kind;
  return r;
}

Registration Type(void const* block, std::string_view name, std::string_view base = "") {
  return records::Type(block, name, 8, nullptr, base, nullptr);
}

std::vector<void const*> BlocksOf(std::vector<Registration const*> const& records) {
  std::vector<void const*> blocks;
  for (Registration const* r : records) blocks.push_back(r->block);
  return blocks;
}

TEST(Registry, RecordsComeAndGoByBlockAndKind) {
  Registry registry;
  Blocks b;
  std::size_t const own = registry.Size();  // the evaluator's operations
  registry.Add(Type(b[0], "file"));
  registry.Add(Property(b[1], "line", "lines", "file", Kind::IteratedProperty));
  EXPECT_THROW(registry.Add(Property(b[0], "name", "names")), std::logic_error);
  EXPECT_THROW(registry.Add(Property(nullptr, "name", "names")), std::logic_error);
  ASSERT_EQ(registry.Size(), own + 2);
  EXPECT_EQ(registry.All()[own]->block, b[0]);  // in registration order, after the own

  EXPECT_FALSE(registry.Remove(b[0], {Kind::Property, Kind::Cast}));
  EXPECT_FALSE(registry.Remove(b[1], {Kind::Property}));
  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property, Kind::IteratedProperty}));
  EXPECT_TRUE(registry.FindProperties("lines").empty());
  registry.Add(Property(b[1], "size", "sizes", "file"));  // a block may be lent again
  EXPECT_EQ(registry.All().back()->name, "size");
}

TEST(Registry, LookupsFoldNamesAndPutTheLibraryFirst) {
  Registry registry;
  Blocks b;
  registry.Add(Property(b[0], "Name", "names", "file"));
  registry.Add(records::Cast(b[1], "name", "integer", "string", nullptr, nullptr, nullptr));
  registry.Add(Property(b[2], "name", "NAMES", "folder", Kind::AggregateProperty));
  registry.Add(Property(b[3], "size", "size", "file"));  // plural equal to the name
  registry.Add(Property(b[4], "minimum", "minima", "file", Kind::AggregateProperty));
  EXPECT_EQ(BlocksOf(registry.FindProperties("  NAME ")), (std::vector{b[0], b[2]}));
  EXPECT_EQ(BlocksOf(registry.FindProperties("names")), (std::vector{b[0], b[2]}));
  EXPECT_EQ(registry.FindProperties("size").size(), 1u);  // indexed once, not twice
  EXPECT_EQ(BlocksOf(registry.FindCasts("NaMe")), std::vector{b[1]});

  // The evaluator's own come after every library record, and only when asked for.
  auto minima = registry.FindProperties("minima", Scope::Everything);
  ASSERT_EQ(minima.size(), 3u);  // the library's, the evaluator's of integers and strings
  EXPECT_EQ(minima[0]->block, b[4]);
  EXPECT_EQ(minima[1]->origin, Origin::Evaluator);
  EXPECT_EQ(registry.FindProperties("minima").size(), 1u);
  EXPECT_TRUE(registry.FindUnaryOperators(kUnaryMinus).empty());
  EXPECT_EQ(registry.FindUnaryOperators(kUnaryMinus, Scope::Everything).size(), 1u);
}

TEST(Registry, TypesAreKindsOfTheirBases) {
  Registry registry;
  Blocks b;
  registry.Add(Type(b[0], "filesystem object"));
  registry.Add(Type(b[1], "file", "Filesystem  Object"));
  registry.Add(Type(b[2], "substring", "string"));
  registry.Add(Type(b[3], "loop a", "loop b"));
  registry.Add(Type(b[4], "loop b", "loop a"));
  struct {
    char const* derived;
    char const* base;
    int distance;
  } const cases[] = {
      {"file", "file", 0},
      {"file", "filesystem object", 1},
      {"filesystem object", "file", -1},
      {"integer with multiplicity", "integer", 1},  // the evaluator's own derived type
      {"loop a", "file", -1},                       // a cycle of bases ends the walk
      {"(file, substring)", "(filesystem object, string)", 2},
      {"(filesystem object, string)", "(file, substring)", -1},
      {"(file, substring)", "(file, substring, file)", -1},
      // A tagged tuple is one step from the plain tuple of its items.
      {"timed(file, substring)", "timed(file, substring)", 0},
      {"timed(file, substring)", "(file, substring)", 1},
      {"timed(file, substring)", "timed(filesystem object, string)", 2},
      {"timed(file, substring)", "(filesystem object, string)", 3},
      {"(file, substring)", "timed(file, substring)", -1},
      {"timed(file, substring)", "(file, substring, file)", -1},
      {"(timed(file, file), file)", "((file, file), file)", 1},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(registry.Distance(Name(c.derived), Name(c.base)), c.distance)
        << c.derived << " / " << c.base;
  }
  EXPECT_TRUE(registry.IsKnownType(Name("(integer, (FILE, substring))")));
  EXPECT_TRUE(registry.IsKnownType(Name("Timed(integer, file)")));
  EXPECT_FALSE(registry.IsKnownType(Name("timed(integer, folder)")));
  EXPECT_FALSE(registry.IsKnownType(Name("(integer, folder)")));
}

TEST(Registry, NamesAndTheirWordPrefixesLastAsLongAsARegistration) {
  Registry registry;
  Blocks b;
  registry.Add(Property(b[0], "Last Modification Time", "last modification times", "file"));
  registry.Add(Property(b[1], "last", "lasts"));
  registry.Add(Property(b[2], "last", "lasts", "file"));
  auto name = [&](char const* words) { return registry.IsName(Name(words)); };
  auto begun = [&](char const* words) { return registry.IsNameOrNamePrefix(Name(words)); };
  EXPECT_TRUE(name("last modification time"));
  EXPECT_TRUE(name("integer with multiplicity"));
  EXPECT_FALSE(name("last modification"));
  EXPECT_TRUE(begun("last modification"));
  for (char const* other : {"las", "last modif", "modification", "file name"}) {
    EXPECT_FALSE(begun(other)) << other;
  }
  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property}));
  EXPECT_TRUE(name("lasts"));  // still used by the other "last"
  EXPECT_TRUE(registry.Remove(b[2], {Kind::Property}));
  EXPECT_FALSE(name("last"));
  EXPECT_TRUE(begun("last"));  // still begins "last modification time"
  EXPECT_TRUE(registry.Remove(b[0], {Kind::Property}));
  EXPECT_FALSE(begun("last modification"));
}

// A library that unloads removes its records one by one; the lookups are brought up to
// date once, after the last, and then hold exactly what a removal at a time leaves.
TEST(Registry, RemovalsWhileUnlinkingIsDeferredLeaveTheLookupsTogether) {
  Registry registry;
  Blocks b;
  std::size_t const own = registry.Size();
  registry.Add(Type(b[0], "file"));
  registry.Add(Property(b[1], "last modification time", "last modification times", "file"));
  registry.Add(Property(b[2], "name", "names", "file"));
  registry.Add(Property(b[3], "name", "names", "folder"));
  registry.Add(records::Cache(b[4], nullptr, nullptr));
  registry.Add(records::Cast(b[5], "name", "integer", "string", nullptr, nullptr, nullptr));

  registry.DeferUnlinking();
  EXPECT_TRUE(registry.Remove(b[1], {Kind::Property}));
  EXPECT_TRUE(registry.Remove(b[2], {Kind::Property}));
  EXPECT_TRUE(registry.Remove(b[4], {Kind::Cache}));
  EXPECT_FALSE(registry.Remove(b[2], {Kind::Property}));  // removed once only
  EXPECT_EQ(registry.FindBlock(b[2]), nullptr);
  registry.FinishUnlinking();

  EXPECT_EQ(registry.Size(), own + 3);
  EXPECT_EQ(BlocksOf(registry.FindProperties("names")), std::vector{b[3]});
  EXPECT_EQ(BlocksOf(registry.FindCasts("name")), std::vector{b[5]});
  EXPECT_TRUE(registry.Caches().empty());
  EXPECT_NE(registry.FindType("file"), nullptr);
  EXPECT_TRUE(registry.IsName(Name("name")));
  EXPECT_FALSE(registry.IsName(Name("last modification time")));
  EXPECT_FALSE(registry.IsNameOrNamePrefix(Name("last modification")));
  EXPECT_TRUE(registry.IsName(Name("integer with multiplicity")));  // the evaluator's own
  EXPECT_TRUE(registry.IsName(Name("boolean")));
  EXPECT_EQ(registry.FindUnaryOperators(kUnaryMinus, Scope::Everything).size(), 1u);
  EXPECT_EQ(registry.All()[own]->block, b[0]);  // still in registration order

  // Afterwards a removal takes its record out at once again.
  EXPECT_TRUE(registry.Remove(b[3], {Kind::Property}));
  EXPECT_TRUE(registry.FindProperties("names").empty());
  EXPECT_FALSE(registry.IsName(Name("names")));
}

}  // namespace
}  // namespace evaluator
