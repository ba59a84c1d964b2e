#include "inspectors/strings/regular_expressions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

inspector_string Text(std::string_view text) {
  return inspector_string{reinterpret_cast<unsigned char const*>(text.data()),
                          static_cast<std::uint32_t>(text.size())};
}

class RegularExpressionsTest : public ::testing::Test {
 protected:
  void SetUp() override { CompiledPatterns().Clear(); }
  void TearDown() override { CompiledPatterns().Clear(); }
};

TEST_F(RegularExpressionsTest, ExpressionsStayCompiledWhileTheirStateLives) {
  regular_expression_iterator expressions;
  regular_expression const a = expressions.FirstCaseSensitive(Text("a"));
  // The same pattern and flags again: the same expression, not a new one.
  EXPECT_EQ(expressions.FirstCaseSensitive(Text("a")).compiled, a.compiled);
  regular_expression const b = expressions.FirstCaseSensitive(Text("b"));
  regular_expression const ai = expressions.FirstCaseInsensitive(Text("a"));
  EXPECT_NE(b.compiled, a.compiled);
  EXPECT_NE(ai.compiled, a.compiled);
  // Neither another pattern nor dropping the cache frees an expression in use.
  CompiledPatterns().Clear();
  for (int i = 0; i < 2 * static_cast<int>(CompiledPatternCache::kCapacity); ++i) {
    regular_expression_iterator other;
    other.FirstCaseSensitive(Text(std::to_string(i)));
  }
  EXPECT_TRUE(Contains(Text("xa"), a));
  EXPECT_FALSE(Contains(Text("xA"), a));
  EXPECT_TRUE(Contains(Text("xA"), ai));
  EXPECT_TRUE(Contains(Text("b"), b));
  EXPECT_THROW(expressions.Next(Text("a")), NoSuchObject);
}

TEST_F(RegularExpressionsTest, StatesShareTheRecentlyCompiledPatterns) {
  regular_expression_iterator first;
  regular_expression_iterator second;
  regex_t const* const compiled = first.FirstCaseSensitive(Text("x+")).compiled;
  EXPECT_EQ(second.FirstCaseSensitive(Text("x+")).compiled, compiled);
  regular_expression_iterator insensitive;
  EXPECT_NE(insensitive.FirstCaseInsensitive(Text("x+")).compiled, compiled);

  // Once evicted, the pattern is compiled anew for a new state; the old state
  // keeps its own.
  for (std::size_t i = 0; i < CompiledPatternCache::kCapacity; ++i) {
    regular_expression_iterator other;
    other.FirstCaseSensitive(Text("y" + std::to_string(i)));
  }
  regular_expression_iterator third;
  regular_expression const recompiled = third.FirstCaseSensitive(Text("x+"));
  EXPECT_NE(recompiled.compiled, compiled);
  EXPECT_TRUE(Contains(Text("axb"), regular_expression{compiled}));
  EXPECT_TRUE(Contains(Text("axb"), recompiled));
}

TEST_F(RegularExpressionsTest, PatternsThatDoNotCompileAreNotRemembered) {
  regular_expression_iterator expressions;
  EXPECT_THROW(expressions.FirstCaseSensitive(Text("(")), InvalidRegularExpression);
  EXPECT_THROW(expressions.FirstCaseSensitive(Text("(")), InvalidRegularExpression);
  regular_expression_iterator other;
  EXPECT_THROW(other.FirstCaseSensitive(Text("(")), RegComp_Failed);
}

}  // namespace
}  // namespace inspectors
