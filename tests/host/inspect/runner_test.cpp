#include "host/inspect/runner.h"

#include <gtest/gtest.h>

namespace inspect {
namespace {

TEST(Runner, AQueryLineLosesOnlyItsLineEnd) {
  for (std::string_view line : {"", "   ", "\t\r", "\r\n", "# note", "   # indented note", "#"}) {
    EXPECT_FALSE(QueryOnLine(line).has_value()) << "'" << line << "'";
  }
  EXPECT_EQ(QueryOnLine("  1 + 2\r"), "  1 + 2");  // leading blanks keep the columns right
  EXPECT_EQ(QueryOnLine("\"#\"\r\n"), "\"#\"");
  EXPECT_EQ(QueryOnLine("1 # not a comment"), "1 # not a comment");
}

}  // namespace
}  // namespace inspect
