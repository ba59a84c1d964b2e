// The embedding API where the command and the query files do not reach: prepared
// queries run again, and time limits and cancellation stop the evaluator's loops and
// the inspectors'.
#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <string>
#include <thread>

#include "framework/contract/evaluator.h"
#include "host/embedding/embedding.h"

namespace evaluator {
namespace {

using namespace std::chrono_literals;

// An endless iteration of the world, and a property that spins until interrupted.
bool EndlessNext(void* result, void const*, void const*, void* state, void const*) {
  new (result) integer((*static_cast<std::int64_t*>(state))++);
  return true;
}
bool Spin(void*, void const*, void const*, void*, void const*) {
  for (;;) Check_For_Inspector_Interruption();
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Register_Iterated_Property(endless_, sizeof(endless_), "endless number", "endless numbers", "",
                               "", "integer", sizeof(std::int64_t), nullptr, nullptr, EndlessNext,
                               EndlessNext, endless_, nullptr);
    Register_Property(spin_, sizeof(spin_), "spin", "", "", "", "integer", Spin, spin_, nullptr);
  }
  void TearDown() override {
    Unregister_Property(endless_);
    Unregister_Property(spin_);
  }

  alignas(16) unsigned char endless_[kPropertyBlockSize] = {};
  alignas(16) unsigned char spin_[kPropertyBlockSize] = {};
};

TEST_F(SessionTest, PreparedQueriesRunAgain) {
  Session session;
  PreparedQuery q = session.Prepare("number of (1; 2; 3) whose (it > 1)");
  ASSERT_FALSE(q.error());
  EXPECT_EQ(q.type(), "integer");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(session.Run(q).values.at(0).integer, 2);
  PreparedQuery moved = std::move(q);
  EXPECT_EQ(session.Run(moved).values.size(), 1u);
  EXPECT_EQ(session.Run(PreparedQuery()).error->category, Error::Category::Syntax);
}

TEST_F(SessionTest, TimeLimitsAndCancellationStopTheRunningQueryOnly) {
  Session limited(Options{100ms, false});
  for (char const* query :
       {"number of endless numbers", "spin", "exists (endless numbers whose (it < 0))"}) {
    EXPECT_EQ(limited.Evaluate(query).error->category, Error::Category::Timeout) << query;
  }
  EXPECT_FALSE(limited.Evaluate("exists endless numbers").error);  // the limit is per query

  Session session;  // no time limit: only the cancellation can stop these
  for (char const* query : {"number of endless numbers", "spin"}) {
    std::thread canceller([] {
      std::this_thread::sleep_for(50ms);
      CancelRunningQuery();
    });
    Result r = session.Evaluate(query);
    canceller.join();
    EXPECT_EQ(r.error->category, Error::Category::Cancelled) << query;
  }
  CancelRunningQuery();  // a request that no query acts on does not stop the next one
  EXPECT_FALSE(session.Evaluate("exists endless numbers").error);
}

TEST_F(SessionTest, TheTimeLimitCoversPreparingAndAStopThereHasTheColumnReached) {
  std::string list = "number of (1";
  for (int i = 0; i < 5000; ++i) list += "; 1";
  list += ")";
  Result r = Session(Options{0ns, false}).Evaluate(list);
  ASSERT_TRUE(r.error);
  EXPECT_EQ(r.error->category, Error::Category::Timeout);
  EXPECT_GT(r.error->column, 0u);
  EXPECT_LT(r.error->column, list.size());
}

}  // namespace
}  // namespace evaluator
