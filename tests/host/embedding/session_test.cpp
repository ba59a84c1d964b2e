#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <thread>

#include "framework/contract/evaluator.h"
#include "host/embedding/embedding.h"

namespace evaluator {
namespace {

using namespace std::chrono_literals;

// An endless iteration of the world, and a property that spins until interrupted.
struct EndlessState {
  std::int64_t next = 0;
};
void ConstructEndless(void* p) {
  if (p != nullptr) new (p) EndlessState();
}
void DestroyEndless(void const*) {}
bool EndlessNext(void* result, void const*, void const*, void* state, void const*) {
  new (result) integer(static_cast<EndlessState*>(state)->next++);
  return true;
}
bool Spin(void* result, void const*, void const*, void*, void const*) {
  for (;;) Check_For_Inspector_Interruption();
  new (result) integer(0);
  return true;
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Register_Iterated_Property(endless_, sizeof(endless_), "endless number", "endless numbers", "",
                               "", "integer", sizeof(EndlessState), ConstructEndless,
                               DestroyEndless, EndlessNext, EndlessNext, endless_, nullptr);
    Register_Property(spin_, sizeof(spin_), "spin", "", "", "", "integer", Spin, spin_, nullptr);
  }
  void TearDown() override {
    Unregister_Property(endless_);
    Unregister_Property(spin_);
  }

  alignas(16) unsigned char endless_[kPropertyBlockSize] = {};
  alignas(16) unsigned char spin_[kPropertyBlockSize] = {};
};

TEST_F(SessionTest, ResultsCarryTypePluralityAndValues) {
  Session session;
  Result r = session.Evaluate("(1, \"a\"); (2, \"b\")");
  ASSERT_FALSE(r.error) << r.error->message;
  EXPECT_EQ(r.type, "(integer, string)");
  EXPECT_TRUE(r.plural);
  ASSERT_EQ(r.values.size(), 2u);
  Value const& v = r.values[1];
  EXPECT_EQ(v.kind, Value::Kind::Tuple);
  EXPECT_EQ(v.text, "2, b");
  ASSERT_EQ(v.items.size(), 2u);
  EXPECT_EQ(v.items[0].kind, Value::Kind::Integer);
  EXPECT_EQ(v.items[0].integer, 2);
  EXPECT_EQ(v.items[1].kind, Value::Kind::String);

  Result b = session.Evaluate("1 < 2");
  EXPECT_FALSE(b.plural);
  ASSERT_EQ(b.values.size(), 1u);
  EXPECT_EQ(b.values[0].kind, Value::Kind::Boolean);
  EXPECT_TRUE(b.values[0].boolean);
}

TEST_F(SessionTest, ErrorsHaveCategoriesAndColumns) {
  Session session;
  Result syntax = session.Evaluate("1 + ");
  ASSERT_TRUE(syntax.error);
  EXPECT_EQ(syntax.error->category, Error::Category::Syntax);
  EXPECT_EQ(syntax.error->column, 5u);

  Result type = session.Evaluate("1 + \"a\"");
  ASSERT_TRUE(type.error);
  EXPECT_EQ(type.error->category, Error::Category::Type);
  EXPECT_EQ(type.error->column, 3u);

  Result failure = session.Evaluate("2 * (1 / 0)");
  ASSERT_TRUE(failure.error);
  EXPECT_EQ(failure.error->category, Error::Category::Failure);
  EXPECT_EQ(failure.error->message, "DivisionByZero: 1 / 0");
  EXPECT_EQ(failure.error->column, 8u);
}

TEST_F(SessionTest, PreparedQueriesRunAgain) {
  Session session;
  PreparedQuery q = session.Prepare("number of (1; 2; 3) whose (it > 1)");
  ASSERT_FALSE(q.error());
  EXPECT_EQ(q.type(), "integer");
  for (int i = 0; i < 3; ++i) {
    Result r = session.Run(q);
    ASSERT_EQ(r.values.size(), 1u);
    EXPECT_EQ(r.values[0].integer, 2);
  }
  PreparedQuery moved = std::move(q);
  EXPECT_EQ(session.Run(moved).values.size(), 1u);
}

TEST_F(SessionTest, TimeoutStopsTheEvaluatorsLoopsAndTheInspectors) {
  Session session(Options{100ms, false});
  for (char const* query :
       {"number of endless numbers", "spin", "exists (endless numbers whose (it < 0))"}) {
    Result r = session.Evaluate(query);
    ASSERT_TRUE(r.error) << query;
    EXPECT_EQ(r.error->category, Error::Category::Timeout) << query;
  }
  // The deadline belongs to one query.
  Result after = session.Evaluate("exists endless numbers");
  EXPECT_FALSE(after.error);
}

TEST_F(SessionTest, CancellationStopsTheRunningQueryOnly) {
  Session session;  // no time limit: only the cancellation can stop these
  for (char const* query : {"number of endless numbers", "spin"}) {
    std::thread canceller([] {
      std::this_thread::sleep_for(50ms);
      CancelRunningQuery();
    });
    Result r = session.Evaluate(query);
    canceller.join();
    ASSERT_TRUE(r.error) << query;
    EXPECT_EQ(r.error->category, Error::Category::Cancelled) << query;
  }
  // A request that no query acted on does not stop the next one.
  CancelRunningQuery();
  Result after = session.Evaluate("exists endless numbers");
  EXPECT_FALSE(after.error);
}

TEST_F(SessionTest, ListAndDescribeIncludeTheEvaluatorsOwnOperations) {
  Session session;
  bool minimum = false;
  for (PhraseInfo const& p : session.List("minim")) {
    if (p.name == "minimum" && p.objectType == "integer") minimum = true;
    EXPECT_NE(p.kind, "binary operator");
  }
  EXPECT_TRUE(minimum);
  bool endless = false;
  for (PhraseInfo const& p : session.List("ENDLESS"))
    endless = endless || p.plural == "endless numbers";
  EXPECT_TRUE(endless);

  bool concatenation = false;
  bool integerCast = false;
  for (PhraseInfo const& p : session.Describe("string")) {
    if (p.kind == "binary operator" && p.operatorCode == 5) concatenation = true;
    if (p.kind == "cast" && p.name == "integer") integerCast = true;
  }
  EXPECT_TRUE(concatenation);
  EXPECT_TRUE(integerCast);
  EXPECT_THROW(session.Describe("no such type"), std::invalid_argument);
}

}  // namespace
}  // namespace evaluator
