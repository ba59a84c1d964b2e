// What queries cannot show: when iteration and aggregation states and values are
// destroyed, how many values are alive at once, and how often a cached call runs.
#include "host/evaluation/stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::QueryEngine;
using testing::Texts;

std::int64_t IntegerAt(void const* p) {
  return static_cast<integer const*>(p)->get();
}

int liveStates = 0;
std::size_t mostBoxesSeen = 0;

struct Counter {
  std::int64_t next = 0;
  Counter() { ++liveStates; }
  ~Counter() { --liveStates; }
};
void ConstructCounter(void* p) {
  if (p != nullptr) new (p) Counter();
}
void DestroyCounter(void const* p) {
  static_cast<Counter const*>(p)->~Counter();
}

// "counting numbers of n": 0, 1, ..., n - 1. "labels of n": n strings in evaluator
// memory, "label 0", "label 1", ...
template <bool kLabels>
bool Count(void* result, void const*, void const* object, void* state, void const*) {
  mostBoxesSeen = std::max(mostBoxesSeen, ValueBox::LiveCount());
  auto& counter = *static_cast<Counter*>(state);
  if (counter.next >= IntegerAt(object)) throw NoValue();
  if (!kLabels) {
    new (result) integer(counter.next++);
    return true;
  }
  std::string const text = "label " + std::to_string(counter.next++);
  auto* bytes = static_cast<unsigned char*>(Allocate_Inspector_Memory(text.size()));
  std::memcpy(bytes, text.data(), text.size());
  new (result) inspector_string{bytes, static_cast<std::uint32_t>(text.size())};
  return true;
}

// "traces of (elements)": 100 in the initial phase, ten times each element, then -1.
bool Yield(void* result, std::int64_t value) {
  new (result) integer(value);
  return true;
}
template <std::int64_t kValue>
bool Constant(void* result, void const*, void const*, void*, void const*) {
  return Yield(result, kValue);
}
bool TraceElement(void* result, void const*, void const* element, void*, void const*) {
  return Yield(result, IntegerAt(element) * 10);
}
bool Nothing(void*, void const*, void const*, void*, void const*) {
  return false;
}

int squareCalls = 0;
bool Square(void* result, void const*, void const* object, void*, void const*) {
  ++squareCalls;
  return Yield(result, IntegerAt(object) * IntegerAt(object));
}
void ResultDependsOnArguments(Fingerprinter&) {}

int liveTracked = 0;
void DestroyTracked(void const*) {
  --liveTracked;
}
bool MakeTracked(void* result, void const*, void const*, void*, void const*) {
  ++liveTracked;
  return Yield(result, 7);
}

// "text * n": a timed tuple that refers to its two operands, as the library's time
// range paired with a value does.
void Pair(void* result, void const* left, void const* right, void const*) {
  auto* nodes = static_cast<TupleNode*>(result);
  new (&nodes[0]) TupleNode();
  new (&nodes[1]) TupleNode();
  nodes[0].PointTo(left, &nodes[1]);
  nodes[1].PointTo(right, nullptr);
}

class StreamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveStates = 0;
    squareCalls = 0;
    liveTracked = 0;
    records::State const counter{sizeof(Counter), ConstructCounter, DestroyCounter};
    engine_.Add(records::IteratedProperty(
        nullptr, {"counting number", "counting numbers", "", "integer", "integer"}, counter,
        {Count<false>, Count<false>}, nullptr, nullptr));
    engine_.Add(records::IteratedProperty(nullptr, {"label", "labels", "", "integer", "string"},
                                          counter, {Count<true>, Count<true>}, nullptr, nullptr));
    engine_.Add(records::AggregateProperty(
        nullptr, {"trace", "traces", "", "integer", "integer"}, counter, {Constant<100>, Nothing},
        {TraceElement, Nothing}, {Constant<-1>, Nothing}, nullptr, nullptr));
    engine_.Add(records::Property(nullptr, {"square", "squares", "", "integer", "integer"}, Square,
                                  nullptr, ResultDependsOnArguments));
    engine_.Add(records::Property(nullptr, {"uncached square", "", "", "integer", "integer"},
                                  Square, nullptr, nullptr));
    engine_.Type("tracked", "", DestroyTracked);
    engine_.Add(records::Property(nullptr, {"tracked", "", "", "", "tracked"}, MakeTracked, nullptr,
                                  nullptr));
    engine_.Add(records::BinaryOperator(nullptr, kOperatorTimes, "string", "integer",
                                        "timed(string, integer)", Pair, nullptr, nullptr));
  }

  QueryEngine engine_;
};

TEST_F(StreamsTest, StatesAndValuesLiveWhileTheyAreNeeded) {
  struct {
    char const* query;
    Texts outcome;  // the values, or "!" and the error
  } const cases[] = {
      {"counting numbers of (2; 0; 1)", {"0", "1", "0"}},
      {"counting number of 1", {"0"}},
      {"exists counting numbers of 1000000000", {"true"}},
      {"exists ((counting numbers of 1000000000) whose (it = 3))", {"true"}},
      {"exists traces of counting numbers of 1000000000", {"true"}},
      {"traces of (1; 2)", {"100", "10", "20", "-1"}},
      {"traces of ((1; 2) whose (false))", {"100", "-1"}},
      {"counting number of 0", {"! no such object: counting number of 0"}},
      // Stops at the second value instead of counting to the end.
      {"counting number of 1000000000",
       {"! several values for a singular phrase: counting number of 1000000000"}},
      {"trace of 1", {"! several values for a singular phrase: trace of 1"}},
      {"tracked; tracked", {"<tracked>", "<tracked>"}},  // a type without a text
  };
  for (auto const& c : cases) {
    std::string const error = engine_.Error(c.query);
    EXPECT_EQ(error == "(no error)" ? engine_.Run(c.query) : Texts{"! " + error}, c.outcome);
    EXPECT_EQ(liveStates, 0) << c.query;
    EXPECT_EQ(liveTracked, 0) << c.query;  // destroyed with the type's callback
  }
}

TEST_F(StreamsTest, MemoryIsBoundedByTheWorkInFlight) {
  std::size_t const before = ValueBox::LiveCount();
  for (auto [query, count] : {std::pair{"number of labels of 200000", "200000"},
                              {"number of (labels of 100000) whose (it ends with \"7\")", "10000"},
                              {"maximum of counting numbers of 200000", "199999"}}) {
    mostBoxesSeen = 0;
    EXPECT_EQ(engine_.Run(query), Texts{count});
    EXPECT_LT(mostBoxesSeen, before + 20) << query;
  }
  EXPECT_EQ(ValueBox::LiveCount(), before);
  EXPECT_EQ(StateBox::LiveCount(), 0u);
}

TEST_F(StreamsTest, ATupleThatACallMakesKeepsItsOperandsEvenIntegers) {
  // Every value is read only after the query's streams are gone, so it can rely on
  // nothing but what it keeps itself.
  for (auto const& [query, texts] :
       {std::pair{"(\"a\" & \"b\") * (5; 6; 7)", Texts{"ab, 5", "ab, 6", "ab, 7"}},
        std::pair{"item 1 of (\"a\" * squares of (2; 3))", Texts{"4", "9"}}}) {
    EXPECT_EQ(engine_.RunThenRead(query), texts) << query;
  }
}

TEST_F(StreamsTest, CallsWithAFingerprintFunctionAreCachedForOneRun) {
  EXPECT_EQ(engine_.Run("square of 3 + square of 3 + square of 4"), Texts{"34"});
  EXPECT_EQ(squareCalls, 2);
  engine_.Run("square of 3");
  EXPECT_EQ(squareCalls, 3);
  EXPECT_EQ(engine_.Run("uncached square of 3 + uncached square of 3"), Texts{"18"});
  EXPECT_EQ(squareCalls, 5);
}

}  // namespace
}  // namespace evaluator
