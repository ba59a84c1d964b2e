#include "host/inspect/runner.h"

#include <gtest/gtest.h>

namespace inspect {
namespace {

using Category = evaluator::Error::Category;

TEST(RunnerTest, BlankAndCommentLinesHoldNoQuery) {
  for (std::string_view line : {"", "   ", "\t\r", "\r\n", "# note", "   # indented note", "#"}) {
    EXPECT_FALSE(QueryOnLine(line).has_value()) << "'" << line << "'";
  }
}

TEST(RunnerTest, QueryLinesLoseOnlyTheirLineEnd) {
  EXPECT_EQ(QueryOnLine("1 + 2"), "1 + 2");
  EXPECT_EQ(QueryOnLine("  1 + 2\r"), "  1 + 2");  // leading blanks keep columns right
  EXPECT_EQ(QueryOnLine("\"#\"\r\n"), "\"#\"");
  EXPECT_EQ(QueryOnLine("1 # not a comment"), "1 # not a comment");
}

TEST(RunnerTest, StatusFollowsTheErrorCategory) {
  evaluator::Result result;
  EXPECT_EQ(StatusOf(result), ExitStatus::Answered);
  result.error = evaluator::Error{Category::Failure, "x", 0};
  EXPECT_EQ(StatusOf(result), ExitStatus::Failed);
  result.error->category = Category::Syntax;
  EXPECT_EQ(StatusOf(result), ExitStatus::Usage);
  result.error->category = Category::Type;
  EXPECT_EQ(StatusOf(result), ExitStatus::Usage);
  result.error->category = Category::Timeout;
  EXPECT_EQ(StatusOf(result), ExitStatus::Timeout);
}

TEST(RunnerTest, TheHighestStatusWins) {
  EXPECT_EQ(Worse(ExitStatus::Answered, ExitStatus::Failed), ExitStatus::Failed);
  EXPECT_EQ(Worse(ExitStatus::Usage, ExitStatus::Failed), ExitStatus::Usage);
  EXPECT_EQ(Worse(ExitStatus::Usage, ExitStatus::Timeout), ExitStatus::Timeout);
  EXPECT_EQ(Worse(ExitStatus::Answered, ExitStatus::Answered), ExitStatus::Answered);
}

}  // namespace
}  // namespace inspect
