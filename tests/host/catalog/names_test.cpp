#include "host/catalog/names.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/contract/evaluator.h"

namespace evaluator {
namespace {

TEST(Name, FoldsCaseAndBlanksOnce) {
  struct {
    char const* text;
    char const* folded;
  } const cases[] = {
      {"bit set", "bit set"},
      {"Bit  Set", "bit set"},
      {"\tBIT\t set ", "bit set"},
      {"", ""},
      {"   ", ""},
      {"(A, b)", "(a, b)"},
      {"x_1 Y", "x_1 y"},
      {"\xc3\x89t\xc3\xa9", "\xc3\x89t\xc3\xa9"},  // ASCII only
  };
  for (auto const& c : cases) {
    Name const name(c.text);
    EXPECT_EQ(name.text(), c.folded) << '"' << c.text << '"';
    EXPECT_TRUE(name == c.text) << '"' << c.text << '"';  // compares in any spelling
    EXPECT_EQ(name, Name(c.folded));
  }
  EXPECT_FALSE(Name("bit set") == "bit sets");
  EXPECT_FALSE(Name("bit set") == "bitset");
  EXPECT_FALSE(Name("bit sets") == "bit set");
  EXPECT_FALSE(Name("") == "x");
}

TEST(TupleTypeNames, ComposeAndSplitAtTheOutermostLevel) {
  std::string const pair = MakeTupleTypeName("time range", "integer");
  EXPECT_EQ(pair, "(time range, integer)");
  std::string const triple = MakeTupleTypeName("string", pair.c_str(), "boolean");
  EXPECT_EQ(triple, "(string, (time range, integer), boolean)");
  EXPECT_EQ(SplitTupleTypeName(triple), (std::vector<std::string_view>{"string", pair, "boolean"}));
  EXPECT_EQ(SplitTupleTypeName("((a, b), c)"), (std::vector<std::string_view>{"(a, b)", "c"}));
  for (std::string_view name : {"integer", "", "()", "(integer)", "(a, b) with multiplicity",
                                "(a, b), (c, d)", "(a,b)", "(a, )", "((a, b)"}) {
    EXPECT_FALSE(IsTupleTypeName(name)) << name;
  }
}

TEST(TupleTypeNames, ATagBeforeTheParenthesesNamesAKindOfTuple) {
  // As the library composes a time range paired with a value.
  std::string const timed = "timed" + MakeTupleTypeName("time range", "(integer, string)");
  EXPECT_EQ(SplitTupleTypeName(timed),
            (std::vector<std::string_view>{"time range", "(integer, string)"}));
  EXPECT_EQ(TupleTag(timed), "timed");
  EXPECT_EQ(SplitTupleTypeName("(timed(a, b), c)"),
            (std::vector<std::string_view>{"timed(a, b)", "c"}));
  EXPECT_EQ(TupleTag("(timed(a, b), c)"), "");
  for (std::string_view name : {"timed(a)", "timed", "timed()", "timed (a, b)", "timedx(a, b)",
                                "xtimed(a, b)", "other(a, b)", "timed(a, b) with multiplicity",
                                "timed(a, b)(c, d)"}) {
    EXPECT_FALSE(IsTupleTypeName(name)) << name;
    EXPECT_EQ(TupleTag(name), "") << name;
  }
}

}  // namespace
}  // namespace evaluator
