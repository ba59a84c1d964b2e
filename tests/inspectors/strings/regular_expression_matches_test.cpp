#include "inspectors/strings/regular_expression_matches.h"

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

std::string AsString(inspector_string const& s) {
  return std::string(reinterpret_cast<char const*>(s.bytes), s.length);
}

TEST(RegularExpressionMatchesTest, AMatchKeepsItsPartsAndTheirIteratorSkipsAbsentOnes) {
  regular_expression_iterator expressions;
  regular_expression const r = expressions.FirstCaseSensitive(Text("([a-z])([0-9])?"));
  inspector_string const s = Text("a1b");
  regular_expression_match_iterator matches;
  regular_expression_match const first = matches.First(r, Of{}, s);
  regular_expression_match const second = matches.Next(r, Of{}, s);
  EXPECT_THROW(matches.Next(r, Of{}, s), NoSuchObject);

  // The second search found "b" without a digit; the first match still has its own.
  EXPECT_EQ(AsString(first.match.part), "a1");
  EXPECT_EQ(AsString(MatchPart(integer(1), Of{}, first).part), "a");
  EXPECT_EQ(AsString(MatchPart(integer(2), Of{}, first).part), "1");
  EXPECT_EQ(AsString(second.match.part), "b");
  EXPECT_EQ(AsString(MatchPart(integer(1), Of{}, second).part), "b");
  EXPECT_THROW(MatchPart(integer(2), Of{}, second), NoSuchObject);

  // The part iterator skips the parts that took no part in the match.
  regular_expression_match_iterator others;
  inspector_string const yz = Text("yz");
  regular_expression_match const m =
      others.First(expressions.FirstCaseSensitive(Text("(x)?(y)?(z)")), Of{}, yz);
  regular_expression_match_part_iterator parts;
  EXPECT_EQ(AsString(parts.First(Of{}, m).part), "y");
  EXPECT_EQ(AsString(parts.Next(Of{}, m).part), "z");
  EXPECT_THROW(parts.Next(Of{}, m), NoSuchObject);
  EXPECT_THROW(parts.Next(Of{}, m), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
