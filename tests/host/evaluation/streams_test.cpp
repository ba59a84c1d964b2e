#include "host/evaluation/stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::PropertyRecord;
using testing::QueryEngine;

// ---------------------------------------------------------------------------
// Callbacks of the test's own vocabulary.

std::int64_t IntegerAt(void const* p) {
  return static_cast<integer const*>(p)->get();
}

int liveCounters = 0;  // states of "counting numbers" alive
std::size_t mostBoxesSeen = 0;

struct Counter {
  std::int64_t next = 0;
  Counter() { ++liveCounters; }
  ~Counter() { --liveCounters; }
};

void ConstructCounter(void* p) {
  if (p != nullptr) new (p) Counter();
}
void DestroyCounter(void const* p) {
  static_cast<Counter const*>(p)->~Counter();
}

// "counting numbers of n": 0, 1, ..., n - 1.
bool CountingNext(void* result, void const*, void const* object, void* state, void const*) {
  mostBoxesSeen = std::max(mostBoxesSeen, ValueBox::LiveCount());
  auto* counter = static_cast<Counter*>(state);
  if (counter->next >= IntegerAt(object)) throw NoValue();
  new (result) integer(counter->next++);
  return true;
}

// "labels of n": n strings in evaluator memory, "label 0", "label 1", ...
bool LabelNext(void* result, void const*, void const* object, void* state, void const*) {
  mostBoxesSeen = std::max(mostBoxesSeen, ValueBox::LiveCount());
  auto* counter = static_cast<Counter*>(state);
  if (counter->next >= IntegerAt(object)) throw NoValue();
  std::string const text = "label " + std::to_string(counter->next++);
  auto* bytes = static_cast<unsigned char*>(Allocate_Inspector_Memory(text.size()));
  std::memcpy(bytes, text.data(), text.size());
  new (result) inspector_string{bytes, static_cast<std::uint32_t>(text.size())};
  return true;
}

// "trace of (elements)": 100 in the initial phase, ten times each element, then -1.
int liveTraces = 0;
struct Trace {
  Trace() { ++liveTraces; }
  ~Trace() { --liveTraces; }
};
void ConstructTrace(void* p) {
  if (p != nullptr) new (p) Trace();
}
void DestroyTrace(void const* p) {
  static_cast<Trace const*>(p)->~Trace();
}
bool TraceInitial(void* result, void const*, void const*, void*, void const*) {
  new (result) integer(100);
  return true;
}
bool TraceElement(void* result, void const*, void const* element, void*, void const*) {
  new (result) integer(IntegerAt(element) * 10);
  return true;
}
bool TraceFinal(void* result, void const*, void const*, void*, void const*) {
  new (result) integer(-1);
  return true;
}
bool Nothing(void*, void const*, void const*, void*, void const*) {
  return false;
}
bool NoSuchObjectGetter(void*, void const*, void const*, void*, void const*) {
  throw NoValue();
}

// "half of n": n / 2 for even n; no value for odd n.
bool Half(void* result, void const*, void const* object, void*, void const*) {
  std::int64_t const n = IntegerAt(object);
  if (n % 2 != 0) throw NoValue();
  new (result) integer(n / 2);
  return true;
}

bool Broken(void*, void const*, void const*, void*, void const*) {
  throw std::runtime_error("broken");
}

int squareCalls = 0;
bool Square(void* result, void const*, void const* object, void*, void const*) {
  ++squareCalls;
  new (result) integer(IntegerAt(object) * IntegerAt(object));
  return true;
}
void ResultDependsOnArguments(Fingerprinter&) {}

// Animals: "puppy" is a "dog" is an "animal"; values are one integer (their age).
bool MakePuppy(void* result, void const*, void const*, void*, void const*) {
  new (result) integer(1);
  return true;
}
bool AnimalSound(void* result, void const*, void const*, void*, void const* context) {
  auto const* r = static_cast<Registration const*>(nullptr);
  (void)r;
  char const* text = static_cast<char const*>(*static_cast<void const* const*>(context));
  new (result) inspector_string{reinterpret_cast<unsigned char const*>(text),
                                static_cast<std::uint32_t>(std::strlen(text))};
  return true;
}

int liveTracked = 0;
void DestroyTracked(void const*) {
  --liveTracked;
}
bool MakeTracked(void* result, void const*, void const*, void*, void const*) {
  new (result) integer(7);
  ++liveTracked;
  return true;
}

void LibraryPlus(void* result, void const* a, void const* b, void const*) {
  new (result) integer(IntegerAt(a) * 100 + IntegerAt(b));
}

class StreamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    liveCounters = 0;
    liveTraces = 0;
    squareCalls = 0;
    liveTracked = 0;

    Registration counting = PropertyRecord(Kind::IteratedProperty, "counting number",
                                           "counting numbers", "", "integer", "integer");
    counting.stateSize = sizeof(Counter);
    counting.constructState = ConstructCounter;
    counting.destroyState = DestroyCounter;
    counting.first = CountingNext;
    counting.next = CountingNext;
    engine_.Add(counting);

    Registration labels = counting;
    labels.name = Name("label");
    labels.plural = Name("labels");
    labels.resultType = Name("string");
    labels.first = LabelNext;
    labels.next = LabelNext;
    engine_.Add(labels);

    Registration trace =
        PropertyRecord(Kind::AggregateProperty, "trace", "traces", "", "integer", "integer");
    trace.stateSize = sizeof(Trace);
    trace.constructState = ConstructTrace;
    trace.destroyState = DestroyTrace;
    trace.firstInitial = TraceInitial;
    trace.nextInitial = NoSuchObjectGetter;
    trace.first = TraceElement;
    trace.next = Nothing;
    trace.firstFinal = TraceFinal;
    trace.nextFinal = Nothing;
    engine_.Add(trace);

    Registration half = PropertyRecord(Kind::Property, "half", "halves", "", "integer", "integer");
    half.getter = Half;
    engine_.Add(half);

    Registration broken = PropertyRecord(Kind::Property, "broken", "", "", "integer", "integer");
    broken.getter = Broken;
    engine_.Add(broken);

    Registration square =
        PropertyRecord(Kind::Property, "square", "squares", "", "integer", "integer");
    square.getter = Square;
    square.fingerprint = ResultDependsOnArguments;
    engine_.Add(square);
    Registration uncached = square;
    uncached.name = Name("uncached square");
    uncached.plural = Name("");
    uncached.fingerprint = nullptr;
    engine_.Add(uncached);

    engine_.Type("animal", sizeof(integer));
    engine_.Type("dog", sizeof(integer), "animal");
    engine_.Type("puppy", sizeof(integer), "dog");
    Registration puppy = PropertyRecord(Kind::Property, "puppy", "", "", "", "puppy");
    puppy.getter = MakePuppy;
    engine_.Add(puppy);
    Registration sound = PropertyRecord(Kind::Property, "sound", "", "", "animal", "string");
    sound.getter = AnimalSound;
    sound.context = &kAnimalSound;
    engine_.Add(sound);
    sound.objectType = Name("dog");
    sound.context = &kDogSound;
    engine_.Add(sound);

    engine_.Type("tracked", sizeof(integer), "", DestroyTracked);
    Registration tracked = PropertyRecord(Kind::Property, "tracked", "", "", "", "tracked");
    tracked.getter = MakeTracked;
    engine_.Add(tracked);
  }

  std::vector<std::string> Run(std::string const& query) { return engine_.Run(query); }

  // The message of the error the query fails with.
  std::string Failure(std::string const& query) {
    try {
      Run(query);
    } catch (MissingValue const& e) {
      return e.what();
    } catch (QueryFailure const& e) {
      return e.what();
    }
    return "(no failure)";
  }

  static constexpr char const* kAnimalSound = "generic";
  static constexpr char const* kDogSound = "woof";
  QueryEngine engine_;
};

using Texts = std::vector<std::string>;

TEST_F(StreamsTest, IteratedPropertiesPluralAndSingular) {
  EXPECT_EQ(Run("counting numbers of 3"), (Texts{"0", "1", "2"}));
  EXPECT_EQ(Run("counting numbers of (2; 0; 1)"), (Texts{"0", "1", "0"}));
  EXPECT_EQ(Run("counting numbers of 0"), Texts{});
  EXPECT_EQ(Run("counting number of 1"), Texts{"0"});
  EXPECT_EQ(Failure("counting number of 0"), "no such object: counting number of 0");
  EXPECT_EQ(Failure("counting number of 2"),
            "several values for a singular phrase: counting number of 2");
  EXPECT_EQ(liveCounters, 0);
}

TEST_F(StreamsTest, StoppingEarlyDestroysTheState) {
  EXPECT_EQ(Run("exists counting numbers of 1000000000"), Texts{"true"});
  EXPECT_EQ(liveCounters, 0);
  EXPECT_EQ(Run("exists ((counting numbers of 1000000000) whose (it = 3))"), Texts{"true"});
  EXPECT_EQ(Failure("counting number of 1000000000"),
            "several values for a singular phrase: counting number of 1000000000");
  EXPECT_EQ(liveCounters, 0);
  EXPECT_EQ(Run("exists traces of counting numbers of 1000000000"), Texts{"true"});
  EXPECT_EQ(liveTraces, 0);
  EXPECT_EQ(liveCounters, 0);
}

TEST_F(StreamsTest, MemoryIsBoundedByTheWorkInFlight) {
  std::size_t const before = ValueBox::LiveCount();
  mostBoxesSeen = 0;
  EXPECT_EQ(Run("number of labels of 200000"), Texts{"200000"});
  EXPECT_LT(mostBoxesSeen, before + 20);
  mostBoxesSeen = 0;
  EXPECT_EQ(Run("number of (labels of 100000) whose (it ends with \"7\")"), Texts{"10000"});
  EXPECT_LT(mostBoxesSeen, before + 20);
  mostBoxesSeen = 0;
  EXPECT_EQ(Run("maximum of counting numbers of 200000"), Texts{"199999"});
  EXPECT_LT(mostBoxesSeen, before + 20);
  EXPECT_EQ(ValueBox::LiveCount(), before);
  EXPECT_EQ(StateBox::LiveCount(), 0u);
}

TEST_F(StreamsTest, AggregatePhasesYieldInOrder) {
  EXPECT_EQ(Run("traces of (1; 2)"), (Texts{"100", "10", "20", "-1"}));
  EXPECT_EQ(Run("traces of ((1; 2) whose (false))"), (Texts{"100", "-1"}));
  EXPECT_EQ(Failure("trace of 1"), "several values for a singular phrase: trace of 1");
  EXPECT_EQ(liveTraces, 0);
}

TEST_F(StreamsTest, MissingValues) {
  EXPECT_EQ(Run("halves of (1; 2; 3; 4)"), (Texts{"1", "2"}));
  EXPECT_EQ(Failure("half of 3 + 1"), "no such object: half of 3");
  EXPECT_EQ(Run("exists half of 3; exists half of 4"), (Texts{"false", "true"}));
  EXPECT_EQ(Run("number of half of 3"), Texts{"0"});
  EXPECT_EQ(Run("(1; 2; 3; 4) whose (half of it = 1)"), Texts{"2"});
  // A missing value makes the whole condition false: `not` does not turn it true.
  EXPECT_EQ(Run("(1; 2; 3; 4) whose (not (half of it = 1))"), Texts{"4"});
}

TEST_F(StreamsTest, OtherExceptionsFailWithTheirClassNameAndDescription) {
  EXPECT_EQ(Failure("1 + broken of 1"), "std::runtime_error (broken): broken of 1");
  EXPECT_EQ(Failure("exists broken of 1"), "std::runtime_error (broken): broken of 1");
}

TEST_F(StreamsTest, NearestBaseWins) {
  EXPECT_EQ(Run("sound of puppy"), Texts{"woof"});
  EXPECT_EQ(Run("sound of (puppy as animal)"), Texts{"generic"});
  NodePtr n = engine_.Prepare("puppy as dog");
  EXPECT_EQ(n->type->name, "dog");
}

TEST_F(StreamsTest, ValuesAreDestroyedWithTheirTypeCallback) {
  EXPECT_EQ(Run("tracked; tracked"), (Texts{"<tracked>", "<tracked>"}));
  EXPECT_EQ(liveTracked, 0);
}

TEST_F(StreamsTest, LibraryOperatorsTakePrecedence) {
  EXPECT_EQ(Run("1 + 2"), Texts{"3"});
  Registration plus;
  plus.kind = Kind::BinaryOperator;
  plus.operatorCode = kOperatorPlus;
  plus.objectType = Name("integer");
  plus.rightType = Name("integer");
  plus.resultType = Name("integer");
  plus.binary = LibraryPlus;
  engine_.Add(plus);
  EXPECT_EQ(Run("1 + 2"), Texts{"102"});
  EXPECT_EQ(Run("3 - 2"), Texts{"1"});  // the evaluator's own for the others
}

TEST_F(StreamsTest, ResultsWithAFingerprintFunctionAreCached) {
  EXPECT_EQ(Run("square of 3 + square of 3 + square of 4"), Texts{"34"});
  EXPECT_EQ(squareCalls, 2);
  squareCalls = 0;
  EXPECT_EQ(Run("uncached square of 3 + uncached square of 3"), Texts{"18"});
  EXPECT_EQ(squareCalls, 2);
  // The cache lives for one run.
  squareCalls = 0;
  Run("square of 3");
  Run("square of 3");
  EXPECT_EQ(squareCalls, 2);
}

}  // namespace
}  // namespace evaluator
