// The registration framework against the real host registry: a test-only module of
// every registration shape is loaded like the real library, and each registration's
// record and callbacks are checked.
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"
#include "host/catalog/registry.h"
#include "host/embedding/embedding.h"

namespace {

using evaluator::Kind;
using evaluator::Registration;
using evaluator::Registry;

std::string ModulePath() {
  return std::string(TEST_MODULE_DIR) + "/libprobe_module.so";
}

// The value type of the probe module: one signed 64-bit value.
struct Probe {
  std::int64_t value;
};

class ProbeModule : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<evaluator::Library>(ModulePath());
    void* handle = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    calls_ = reinterpret_cast<int (*)()>(dlsym(handle, "probe_module_calls"));
    dlclose(handle);
    ASSERT_NE(calls_, nullptr);
  }
  static void TearDownTestSuite() {
    EXPECT_TRUE(library_->Unload().empty());
    library_.reset();
  }

  // The one registration among `all` whose object type is `object` (any, when null).
  static Registration const& Only(std::vector<Registration const*> const& all,
                                  char const* object = nullptr) {
    std::vector<Registration const*> found;
    for (Registration const* r : all) {
      if (object == nullptr || r->objectType == object) found.push_back(r);
    }
    EXPECT_EQ(found.size(), 1u);
    static Registration const none;
    return found.empty() ? none : *found.front();
  }
  static Registration const& PropertyNamed(std::string const& name, char const* object = nullptr) {
    return Only(Registry::Global().FindProperties(name), object);
  }
  static int Calls() { return calls_(); }

  static inline std::unique_ptr<evaluator::Library> library_;
  static inline int (*calls_)() = nullptr;
};

// An iterator's or aggregator's state, constructed and destroyed like the evaluator does.
class State {
 public:
  explicit State(Registration const& r) : r_(r), bytes_(r.stateSize) {
    r.constructState(bytes_.data());
  }
  ~State() { r_.destroyState(bytes_.data()); }
  void* get() { return bytes_.data(); }

 private:
  Registration const& r_;
  std::vector<unsigned char> bytes_;
};

TEST_F(ProbeModule, TypesCarryNameSizeAndFingerprint) {
  Registration const* probe = Registry::Global().FindType("probe");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->valueSize, sizeof(Probe));
  EXPECT_EQ(probe->baseType, "");
  EXPECT_NE(probe->fingerprintValue, nullptr);
  EXPECT_NE(probe->destroyValue, nullptr);
}

TEST_F(ProbeModule, PropertiesPassTheirShapeToTheEvaluator) {
  struct Expected {
    char const* name;
    char const* plural;
    char const* parameter;
    char const* object;
    char const* result;
    Kind kind;
  };
  Expected const expected[] = {
      {"doubled", "doubleds", "", "probe", "probe", Kind::Property},
      {"plus", "pluses", "integer", "probe", "probe", Kind::Property},
      {"probe", "probes", "integer", "", "probe", Kind::Property},
      {"zero probe", "zero probes", "", "", "probe", Kind::Property},
      {"value", "values", "", "probe", "integer", Kind::Property},
      {"answer", "answers", "", "", "integer", Kind::Property},
      {"named length", "named lengths", "string", "probe", "integer", Kind::Property},
      {"global length", "global lengths", "string", "", "integer", Kind::Property},
      {"digit", "digits", "integer", "probe", "boolean", Kind::Property},
      {"tenfold", "tenfolds", "", "probe", "integer", Kind::Property},
      {"countdown", "countdowns", "", "probe", "integer", Kind::IteratedProperty},
      {"countdown by", "countdowns by", "integer", "probe", "integer", Kind::IteratedProperty},
      {"named countdown", "named countdowns", "", "probe", "integer", Kind::IteratedProperty},
      {"byte", "bytes", "string", "probe", "integer", Kind::IteratedProperty},
      {"total", "totals", "", "probe", "probe", Kind::AggregateProperty},
  };
  for (Expected const& e : expected) {
    SCOPED_TRACE(e.name);
    Registration const& r = PropertyNamed(e.name, e.kind == Kind::Property ? nullptr : "probe");
    EXPECT_EQ(r.kind, e.kind);
    EXPECT_EQ(r.plural, e.plural);
    EXPECT_EQ(r.parameterType, e.parameter);
    EXPECT_EQ(r.objectType, e.object);
    EXPECT_EQ(r.resultType, e.result);
    EXPECT_EQ(r.context, r.block) << "the context is the registration object itself";
    // Only what reads the machine has no fingerprint function.
    EXPECT_EQ(r.fingerprint == nullptr, std::string(e.name) == "zero probe");
  }
  Probe const three{3};
  Registration const& tenfold = PropertyNamed("tenfold");
  integer result;
  EXPECT_TRUE(tenfold.getter(&result, nullptr, &three, nullptr, tenfold.context));
  EXPECT_EQ(result.get(), 30) << "the datum, 10, reaches f";
}

TEST_F(ProbeModule, NullResultCallsNothing) {
  int const before = Calls();
  Probe const three{3};
  integer const four(4);
  inspector_string const ab{reinterpret_cast<unsigned char const*>("ab"), 2};
  for (char const* name : {"doubled", "plus", "probe", "zero probe", "value", "answer",
                           "named length", "global length", "digit", "failing", "tenfold"}) {
    Registration const& r = PropertyNamed(name);
    void const* parameter = r.parameterType == "string"    ? static_cast<void const*>(&ab)
                            : r.parameterType == "integer" ? static_cast<void const*>(&four)
                                                           : nullptr;
    EXPECT_TRUE(r.getter(nullptr, parameter, &three, nullptr, r.context)) << name;
  }
  Registration const& cast = Only(Registry::Global().FindCasts("integer"));
  cast.cast(nullptr, &three, cast.context);
  Registration const& plus = Only(Registry::Global().FindBinaryOperators(kOperatorPlus), "probe");
  plus.binary(nullptr, &three, &three, plus.context);
  Registration const& minus = Only(Registry::Global().FindUnaryOperators(kUnaryMinus));
  minus.unary(nullptr, &three, minus.context);

  Registration const& countdown = PropertyNamed("countdown");
  countdown.constructState(nullptr);
  State state(countdown);
  EXPECT_TRUE(countdown.first(nullptr, nullptr, &three, state.get(), countdown.context));
  EXPECT_TRUE(countdown.next(nullptr, nullptr, &three, state.get(), countdown.context));
  EXPECT_EQ(Calls(), before);
}

TEST_F(ProbeModule, NumberedPropertyRejectsNegativeNumbersBeforeAnythingElse) {
  Registration const& digit = PropertyNamed("digit");
  Probe const p{1237};
  int const before = Calls();
  integer const minusOne(-1);
  boolean result(true);
  EXPECT_FALSE(digit.getter(&result, &minusOne, &p, nullptr, digit.context));
  EXPECT_FALSE(digit.getter(nullptr, &minusOne, &p, nullptr, digit.context));
  EXPECT_EQ(Calls(), before);
  EXPECT_TRUE(result) << "the result memory is left alone";
}

// Exceptions passing through the getters, the records and results of casts and
// operators, derived types, extrema (by an order of their own, ties kept first) and
// unique values are in the query files of the real library; the iteration and
// aggregation protocols of this module's shapes are in probe_module.q.
TEST(ModuleLoading, UnloadWithdrawsEveryRegistrationInReverseOrder) {
  std::size_t const before = Registry::Global().Size();
  evaluator::Library library(ModulePath());
  std::size_t const loaded = Registry::Global().Size();
  EXPECT_GT(loaded, before + 10);

  // Registrations arrive in table order: the module's type first.
  std::vector<Registration const*> all = Registry::Global().All();
  ASSERT_GT(all.size(), before);
  EXPECT_EQ(all[before]->kind, Kind::Type);
  EXPECT_EQ(all[before]->name, "probe");

  std::vector<std::uint64_t> withdrawn;
  Registry::Global().SetWithdrawalObserver(
      [&](Registration const& r) { withdrawn.push_back(r.sequence); });
  EXPECT_TRUE(library.Unload().empty());
  Registry::Global().SetWithdrawalObserver(nullptr);
  EXPECT_EQ(withdrawn.size(), loaded - before);
  EXPECT_TRUE(std::is_sorted(withdrawn.rbegin(), withdrawn.rend()));
  EXPECT_EQ(Registry::Global().Size(), before);
  EXPECT_EQ(Registry::Global().FindType("probe"), nullptr);
}

}  // namespace
