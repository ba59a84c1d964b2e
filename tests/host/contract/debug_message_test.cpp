#include "host/contract/debug_message.h"

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"

namespace {

TEST(DebugMessage, WritesOneLineOnlyWhenEnabled) {
  ASSERT_FALSE(evaluator::DebugMessagesEnabled());
  testing::internal::CaptureStderr();
  { DebugMessage() << "hidden " << 1L; }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  evaluator::SetDebugMessages(true);
  testing::internal::CaptureStderr();
  { DebugMessage() << "count " << -42L << " of " << static_cast<char const*>(nullptr) << "x"; }
  { DebugMessage(); }
  std::string const shown = testing::internal::GetCapturedStderr();
  evaluator::SetDebugMessages(false);
  EXPECT_EQ(shown, "count -42 of x\n\n");
}

}  // namespace
