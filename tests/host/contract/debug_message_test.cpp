#include "host/contract/debug_message.h"

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"

namespace {

TEST(DebugMessage, WritesOneLineOnlyWhenEnabled) {
  ASSERT_FALSE(evaluator::DebugMessagesEnabled());
  testing::internal::CaptureStderr();
  { DebugMessage() << "hidden " << 1L; }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  testing::internal::CaptureStderr();
  {
    evaluator::DebugMessagesScope on(true);
    { DebugMessage() << "count " << -42L << " of " << static_cast<char const*>(nullptr) << "x"; }
    {
      evaluator::DebugMessagesScope off(false);
      DebugMessage() << "hidden";
    }
    { DebugMessage(); }
  }
  { DebugMessage() << "hidden"; }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "count -42 of x\n\n");
}

}  // namespace
