#include "host/contract/interruption.h"

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"

namespace {

using Clock = std::chrono::steady_clock;
using evaluator::DeadlineScope;
using evaluator::Interrupted;

TEST(Interruption, OnlyAPassedDeadlineInterruptsAndScopesRestoreTheOuterOne) {
  EXPECT_NO_THROW(Check_For_Inspector_Interruption());
  {
    DeadlineScope future(Clock::now() + std::chrono::hours(1));
    EXPECT_NO_THROW(Check_For_Inspector_Interruption());
  }
  {
    DeadlineScope past(Clock::now() - std::chrono::milliseconds(1));
    EXPECT_THROW(Check_For_Inspector_Interruption(), Interrupted);
    {
      DeadlineScope none(std::nullopt);
      EXPECT_NO_THROW(evaluator::CheckInterruption());
    }
    EXPECT_THROW(evaluator::CheckInterruption(), Interrupted);
  }
  EXPECT_NO_THROW(evaluator::CheckInterruption());
}

}  // namespace
