// The embedding API where the command and the query files do not reach: prepared
// queries run again, time limits and cancellation stop the evaluator's loops and the
// inspectors' and belong to their session, and a failure to allocate fails the query
// only.
#include <gtest/gtest.h>

#include <chrono>
#include <new>
#include <string>
#include <thread>
#include <vector>

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
bool Exhaust(void*, void const*, void const*, void*, void const*) {
  throw std::bad_alloc();
}
// A library property whose fingerprint says that it depends on nothing, counting
// its calls.
int countedCalls = 0;
bool Counted(void* result, void const*, void const*, void*, void const*) {
  ++countedCalls;
  new (result) integer(7);
  return true;
}
void NothingToAppend(Fingerprinter&) {}
// A library iteration of one value, none for an empty string, counting its starts.
bool CountedFirst(void* result, void const* parameter, void const*, void*, void const*) {
  ++countedCalls;
  if (static_cast<inspector_string const*>(parameter)->length == 0) return false;
  new (result) integer(7);
  return true;
}
bool NoMore(void*, void const*, void const*, void*, void const*) {
  return false;
}

class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Register_Iterated_Property(endless_, sizeof(endless_), "endless number", "endless numbers", "",
                               "", "integer", sizeof(std::int64_t), nullptr, nullptr, EndlessNext,
                               EndlessNext, endless_, nullptr);
    Register_Property(spin_, sizeof(spin_), "spin", "", "", "", "integer", Spin, spin_, nullptr);
    Register_Property(exhaust_, sizeof(exhaust_), "exhaust", "", "", "", "integer", Exhaust,
                      exhaust_, nullptr);
    Register_Property(counted_, sizeof(counted_), "counted", "", "", "", "integer", Counted,
                      counted_, NothingToAppend);
    Register_Property(countedText_, sizeof(countedText_), "counted text", "", "string", "",
                      "integer", Counted, countedText_, NothingToAppend);
    Register_Iterated_Property(countedFirst_, sizeof(countedFirst_), "counted first", "", "string",
                               "", "integer", sizeof(int), nullptr, nullptr, CountedFirst, NoMore,
                               countedFirst_, NothingToAppend);
  }
  void TearDown() override {
    Unregister_Property(endless_);
    Unregister_Property(spin_);
    Unregister_Property(exhaust_);
    Unregister_Property(counted_);
    Unregister_Property(countedText_);
    Unregister_Property(countedFirst_);
  }

  alignas(16) unsigned char endless_[kPropertyBlockSize] = {};
  alignas(16) unsigned char spin_[kPropertyBlockSize] = {};
  alignas(16) unsigned char exhaust_[kPropertyBlockSize] = {};
  alignas(16) unsigned char counted_[kPropertyBlockSize] = {};
  alignas(16) unsigned char countedText_[kPropertyBlockSize] = {};
  alignas(16) unsigned char countedFirst_[kPropertyBlockSize] = {};
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

// Preparing computes the literals and the evaluator's own operations on them once;
// every run still calls the library, and still fails where a computation fails.
TEST_F(SessionTest, PreparedLiteralsServeEveryRunAndFailuresStayFailures) {
  Session session;
  struct {
    char const* query;
    std::vector<std::string> texts;  // of every run
    int callsPerRun;
  } const cases[] = {
      {"(1; -2; 3 * 4)", {"1", "-2", "12"}, 0},
      {"(\"a\" & \"b\"; 3 as string & \"c\"; \"d\")", {"ab", "3c", "d"}, 0},
      {"(1 + 2; counted + 1; counted)", {"3", "8", "7"}, 1},  // the second from the cache
      {"maximum of (4; counted; -1)", {"7"}, 1},
      // A phrase of literals in a condition is called once per run, not per element,
      // and so is one without a value.
      {"number of ((1; 2; 3; 4; 5) whose (counted first \"x\" = it + 6))", {"1"}, 1},
      {"number of ((1; 2; 3) whose (exists counted first \"\"))", {"0"}, 1},
      // Kept as no value, it is still no value to the phrase around it: the condition
      // has none, not a false to negate.
      {"number of ((1; 2; 3) whose (not (counted first \"\" = it)))", {"0"}, 1},
      {"number of ((1; 2; 3) whose (counted text (it as string) = 7))", {"3"}, 3},
  };
  // Long strings are cached by a digest of their bytes, which a literal's has computed
  // once: the same text, prepared or made by a run, is one call; another text another.
  std::string const text(5000, 'a');
  std::string const shorter(4999, 'a');
  std::string const same = "(counted text \"" + text + "\"; number of (\"" + shorter +
                           "\" whose (counted text (it & \"a\") = 7)))";
  std::string const other = "(counted text \"" + text + "\"; counted text \"" + shorter + "b\")";
  struct {
    std::string query;
    std::vector<std::string> texts;
    int callsPerRun;
  } const longTexts[] = {{same, {"7", "1"}, 1}, {other, {"7", "7"}, 2}};
  for (auto const& c : longTexts) {
    PreparedQuery const q = session.Prepare(c.query);
    ASSERT_FALSE(q.error()) << q.error()->message;
    for (int run = 0; run < 2; ++run) {
      int const before = countedCalls;
      Result const r = session.Run(q);
      ASSERT_FALSE(r.error) << r.error->message;
      EXPECT_EQ(r.query, c.query);  // each run's result names the query it ran
      std::vector<std::string> texts;
      for (Value const& v : r.values) texts.push_back(v.text);
      EXPECT_EQ(texts, c.texts);
      EXPECT_EQ(countedCalls - before, c.callsPerRun);
    }
  }
  for (auto const& c : cases) {
    PreparedQuery const q = session.Prepare(c.query);
    ASSERT_FALSE(q.error()) << c.query;
    for (int run = 0; run < 2; ++run) {
      int const before = countedCalls;
      Result const r = session.Run(q);
      ASSERT_FALSE(r.error) << c.query;
      std::vector<std::string> texts;
      for (Value const& v : r.values) texts.push_back(v.text);
      EXPECT_EQ(texts, c.texts) << c.query;
      EXPECT_EQ(countedCalls - before, c.callsPerRun) << c.query;
    }
  }
  struct {
    char const* query;
    char const* message;
  } const failing[] = {
      {"(1; 9223372036854775807 + 1)", "IntegerOverflow: 9223372036854775807 + 1"},
      {"\"x\" as integer", "no such object: \"x\" as integer"},
  };
  for (auto const& c : failing) {
    PreparedQuery const q = session.Prepare(c.query);
    ASSERT_FALSE(q.error()) << c.query;
    for (int run = 0; run < 2; ++run) {
      Result const r = session.Run(q);
      ASSERT_TRUE(r.error) << c.query;
      EXPECT_EQ(r.error->message, c.message) << c.query;
    }
  }
}

TEST_F(SessionTest, TimeLimitsAndCancellationStopTheRunningQueryOnly) {
  Session limited(Options{100ms, false});
  struct {
    char const* query;
    std::size_t column;  // of the phrase being evaluated; 0: whichever loop saw the time
  } const stopped[] = {
      {"number of endless numbers", 0},
      {"1 + spin", 5},
      {"exists (endless numbers whose (it < 0))", 0},
  };
  for (auto const& c : stopped) {
    Result const r = limited.Evaluate(c.query);
    ASSERT_TRUE(r.error) << c.query;
    EXPECT_EQ(r.error->category, Error::Category::Timeout) << c.query;
    if (c.column == 0) {
      EXPECT_GT(r.error->column, 0u) << c.query;
    } else {
      EXPECT_EQ(r.error->column, c.column) << c.query;
    }
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

// Runs of two sessions on two threads take turns, each under its own limits: the
// second session's time limit does not stop the first one's query, and cancelling one
// session leaves the other's query running.
TEST_F(SessionTest, EachSessionKeepsItsOwnLimits) {
  Session unlimited;
  Session limited(Options{50ms, false});
  Result first;
  Result second;
  std::thread a([&] { first = unlimited.Evaluate("spin"); });
  std::this_thread::sleep_for(50ms);
  std::thread b([&] { second = limited.Evaluate("spin"); });
  std::this_thread::sleep_for(200ms);
  limited.Cancel();  // not running yet: the request is dropped
  std::this_thread::sleep_for(50ms);
  unlimited.Cancel();
  a.join();
  b.join();
  ASSERT_TRUE(first.error && second.error);
  EXPECT_EQ(first.error->category, Error::Category::Cancelled);
  EXPECT_EQ(second.error->category, Error::Category::Timeout);
}

// The clock starts before the query is prepared: the result's time covers both.
TEST_F(SessionTest, TheElapsedTimeCoversPreparing) {
  std::string query = "if true then 1 else (0";  // long to check, quick to run
  for (int i = 0; i < 30000; ++i) query += "; 0";
  query += ")";
  Session session;
  auto const start = std::chrono::steady_clock::now();
  Result const r = session.Evaluate(query);
  auto const wall = std::chrono::steady_clock::now() - start;
  ASSERT_FALSE(r.error);
  EXPECT_GE(r.elapsed * 2, wall);
}

// Running out of memory fails the query that did, by name, and the next one runs.
TEST_F(SessionTest, OutOfMemoryFailsTheQueryOnly) {
  Session session;
  Result const r = session.Evaluate("1 + exhaust");
  ASSERT_TRUE(r.error);
  EXPECT_EQ(r.error->category, Error::Category::Failure);
  EXPECT_EQ(r.error->message, "out of memory: exhaust");
  EXPECT_EQ(session.Evaluate("1 + 1").values.at(0).integer, 2);
}

}  // namespace
}  // namespace evaluator
