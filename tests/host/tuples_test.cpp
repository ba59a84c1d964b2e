#include "host/tuples.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/contract/evaluator.h"

namespace {

using evaluator::SplitTupleTypeName;

TEST(Tuples, NamesComposeAndSplitBack) {
  std::string const pair = MakeTupleTypeName("time range", "integer");
  EXPECT_EQ(pair, "(time range, integer)");
  std::string const triple = MakeTupleTypeName("string", pair.c_str(), "boolean");
  EXPECT_EQ(triple, "(string, (time range, integer), boolean)");

  auto items = SplitTupleTypeName(triple);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0], "string");
  EXPECT_EQ(items[1], pair);
  EXPECT_EQ(items[2], "boolean");

  std::string const nestedFirst = MakeTupleTypeName(pair.c_str(), "file");
  items = SplitTupleTypeName(nestedFirst);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0], pair);
  EXPECT_EQ(items[1], "file");
}

TEST(Tuples, OtherNamesAreNotTuples) {
  for (std::string_view name : {"integer", "", "()", "(integer)", "(a, b) with multiplicity",
                                "timed(a, b)", "(a, b), (c, d)", "(a,b)", "(a, )", "((a, b)"}) {
    EXPECT_TRUE(SplitTupleTypeName(name).empty()) << name;
    EXPECT_FALSE(evaluator::IsTupleTypeName(name)) << name;
  }
  EXPECT_TRUE(evaluator::IsTupleTypeName("(a, b)"));
}

TEST(Tuples, TupleItemWalksTheNodes) {
  int a = 1;
  long b = 2;
  char c = 'c';
  TupleNode nodes[3];
  nodes[0].PointTo(&a, &nodes[1]);
  nodes[1].PointTo(&b, &nodes[2]);
  nodes[2].PointTo(&c, nullptr);
  EXPECT_EQ(TupleItem(0, &nodes[0]), &a);
  EXPECT_EQ(TupleItem(1, &nodes[0]), &b);
  EXPECT_EQ(TupleItem(2, &nodes[0]), &c);
  EXPECT_EQ(TupleItem(3, &nodes[0]), nullptr);
  EXPECT_EQ(TupleItem(1000, &nodes[0]), nullptr);
  EXPECT_EQ(TupleItem(0, nullptr), nullptr);
}

}  // namespace
