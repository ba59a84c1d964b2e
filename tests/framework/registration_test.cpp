// The registration framework against the real host registry: a test-only module of
// every registration shape is loaded like the real library, and each registration's
// record and callbacks are checked.
#include <dlfcn.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/contract/evaluator.h"
#include "host/embedding/embedding.h"
#include "host/contract/exception_names.h"
#include "host/catalog/registry.h"

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

inspector_string Text(char const* text) {
  return inspector_string{reinterpret_cast<unsigned char const*>(text),
                          static_cast<std::uint32_t>(std::strlen(text))};
}

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

  static Registration const& Only(std::vector<Registration const*> const& found) {
    EXPECT_EQ(found.size(), 1u);
    static Registration const none;
    return found.empty() ? none : *found.front();
  }
  // The one property with that name (and object type, when one is given).
  static Registration const& PropertyNamed(std::string const& name, char const* object = nullptr) {
    std::vector<Registration const*> found;
    for (Registration const* r : Registry::Global().FindProperties(name)) {
      if (object == nullptr || r->objectType == object) found.push_back(r);
    }
    return Only(found);
  }
  static Registration const& Operator(unsigned long code) {
    std::vector<Registration const*> found;
    for (Registration const* r : Registry::Global().FindBinaryOperators(code)) {
      if (r->objectType == "probe") found.push_back(r);
    }
    return Only(found);
  }
  static Registration const& Minus() {
    return Only(Registry::Global().FindUnaryOperators(kUnaryMinus));
  }
  static int Calls() { return calls_(); }

  static inline std::unique_ptr<evaluator::Library> library_;
  static inline int (*calls_)() = nullptr;
};

// Calls a plain getter and reads its result: a boolean's byte, or the 64 bits of an
// integer or a probe.
std::int64_t Get(Registration const& r, void const* parameter, void const* object) {
  alignas(8) unsigned char result[8] = {};
  EXPECT_TRUE(r.getter(result, parameter, object, nullptr, r.context)) << r.name;
  if (r.resultType == "boolean") return result[0];
  std::int64_t value;
  std::memcpy(&value, result, sizeof value);
  return value;
}

// Runs an iterated property to its end and collects the integers it yields.
std::vector<std::int64_t> Iterate(Registration const& r, void const* parameter,
                                  void const* object) {
  std::vector<unsigned char> state(r.stateSize);
  r.constructState(state.data());
  std::vector<std::int64_t> values;
  try {
    integer element;
    for (PropertyGetter step = r.first;; step = r.next) {
      step(&element, parameter, object, state.data(), r.context);
      values.push_back(element.get());
    }
  } catch (NoValue const&) {
  }
  r.destroyState(state.data());
  return values;
}

// Runs the aggregation protocol over the elements; every value yielded in every
// phase is read with `read`, in order, before the state is destroyed.
template <class Element, class Result, class Read>
auto Aggregate(Registration const& r, std::vector<Element> const& elements, Read read) {
  std::vector<decltype(read(std::declval<Result const&>()))> out;
  std::vector<unsigned char> state(r.stateSize);
  r.constructState(state.data());
  alignas(16) unsigned char memory[64];
  auto* result = reinterpret_cast<Result*>(memory);
  auto yields = [&](PropertyGetter getter, void const* element) {
    try {
      return getter(result, nullptr, element, state.data(), r.context);
    } catch (NoValue const&) {
      return false;
    }
  };
  auto phase = [&](PropertyGetter first, PropertyGetter next, void const* element) {
    for (bool more = yields(first, element); more; more = yields(next, element)) {
      out.push_back(read(*result));
    }
  };
  phase(r.firstInitial, r.nextInitial, nullptr);
  for (Element const& e : elements) phase(r.first, r.next, &e);
  phase(r.firstFinal, r.nextFinal, nullptr);
  r.destroyState(state.data());
  return out;
}

TEST_F(ProbeModule, TypesCarryNameSizeBaseAndFingerprintChoice) {
  Registration const* probe = Registry::Global().FindType("probe");
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(probe->valueSize, sizeof(Probe));
  EXPECT_EQ(probe->baseType, "");
  EXPECT_NE(probe->fingerprintValue, nullptr);
  EXPECT_NE(probe->destroyValue, nullptr);
  for (char const* derived : {"parity probe", "probe with multiplicity"}) {
    Registration const* type = Registry::Global().FindType(derived);
    ASSERT_NE(type, nullptr) << derived;
    EXPECT_EQ(type->baseType, "probe");
    EXPECT_EQ(type->fingerprintValue, nullptr);
  }
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
      {"unique value", "unique values", "", "probe", "probe with multiplicity",
       Kind::AggregateProperty},
      {"multiplicity", "multiplicities", "", "probe with multiplicity", "integer", Kind::Property},
      {"extrema", "extremas", "", "probe", "(probe, probe)", Kind::AggregateProperty},
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
  EXPECT_EQ(Get(PropertyNamed("tenfold"), nullptr, &three), 30) << "the datum, 10, reaches f";
}

TEST_F(ProbeModule, NullResultCallsNothing) {
  int const before = Calls();
  Probe const three{3};
  integer const four(4);
  inspector_string const ab = Text("ab");
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
  Operator(kOperatorPlus).binary(nullptr, &three, &three, Operator(kOperatorPlus).context);
  Minus().unary(nullptr, &three, Minus().context);

  Registration const& countdown = PropertyNamed("countdown");
  countdown.constructState(nullptr);
  std::vector<unsigned char> state(countdown.stateSize);
  countdown.constructState(state.data());
  EXPECT_TRUE(countdown.first(nullptr, nullptr, &three, state.data(), countdown.context));
  EXPECT_TRUE(countdown.next(nullptr, nullptr, &three, state.data(), countdown.context));
  countdown.destroyState(state.data());
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

TEST_F(ProbeModule, ExceptionsPassThroughUnchanged) {
  Probe const p{1};
  Probe result{77};
  Registration const& failing = PropertyNamed("failing");
  try {
    failing.getter(&result, nullptr, &p, nullptr, failing.context);
    ADD_FAILURE() << "no exception";
  } catch (NoValue const&) {
    ADD_FAILURE() << "a failure seen as no value";
  } catch (...) {
    EXPECT_EQ(evaluator::CurrentExceptionClassName(), "ProbeFailure");
  }
  EXPECT_EQ(result.value, 77);

  integer const minusOne(-1);
  Registration const& probe = PropertyNamed("probe");
  EXPECT_THROW(probe.getter(&result, &minusOne, nullptr, nullptr, probe.context), NoValue);
}

TEST_F(ProbeModule, CastsAndOperatorsCarryCodesTypesAndResults) {
  Registration const& toInteger = Only(Registry::Global().FindCasts("integer"));
  EXPECT_EQ(toInteger.objectType, "probe");
  EXPECT_EQ(toInteger.resultType, "integer");
  EXPECT_EQ(Only(Registry::Global().FindCasts("probe")).objectType, "integer");
  Probe const nine{9};
  integer asInteger;
  toInteger.cast(&asInteger, &nine, toInteger.context);
  EXPECT_EQ(asInteger.get(), 9);

  // Relations store one byte, 1 or 0.
  Probe const six{6}, two{2}, one{1};
  struct Case {
    unsigned long code;
    char const* result;
    Probe const* left;
    Probe const* right;
    std::int64_t expected;
  };
  for (Case const& c : {Case{kOperatorPlus, "probe", &six, &two, 8},
                        Case{kRelationContains, "boolean", &six, &two, 1},
                        Case{kRelationContains, "boolean", &six, &one, 0},
                        Case{kRelationEqual, "boolean", &two, &two, 1},
                        Case{kRelationLess, "boolean", &one, &two, 1},
                        Case{kRelationLess, "boolean", &two, &two, 0},
                        Case{kRelationLessOrEqual, "boolean", &two, &two, 1}}) {
    SCOPED_TRACE(c.code);
    Registration const& r = Operator(c.code);
    EXPECT_EQ(r.rightType, "probe");
    EXPECT_EQ(r.resultType, c.result);
    Probe result{0x5555};
    r.binary(&result, c.left, c.right, r.context);
    EXPECT_EQ(c.result == std::string("boolean") ? result.value & 0xff : result.value, c.expected);
  }
  EXPECT_EQ(Minus().objectType, "probe");
  EXPECT_EQ(Minus().resultType, "probe");
  Probe negated{0};
  Minus().unary(&negated, &six, Minus().context);
  EXPECT_EQ(negated.value, -6);
}

TEST_F(ProbeModule, IteratedPropertiesFollowTheFirstNextProtocol) {
  Probe const three{3}, zero{0}, one{1}, ten{10};
  integer const step(4);
  inspector_string const ab = Text("ab");
  using Values = std::vector<std::int64_t>;
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &three), (Values{3, 2, 1}));
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &zero), Values{});
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &one), Values{1});
  EXPECT_EQ(Iterate(PropertyNamed("countdown by"), &step, &ten), (Values{10, 6, 2}));
  EXPECT_EQ(Iterate(PropertyNamed("named countdown"), nullptr, &three), (Values{3, 2, 1}));
  EXPECT_EQ(Iterate(PropertyNamed("byte"), &ab, &one), (Values{'a' + 1, 'b' + 1}));
}

TEST_F(ProbeModule, AggregatesYieldInEveryPhase) {
  auto value = [](Probe const& p) { return p.value; };
  using Values = std::vector<std::int64_t>;
  Registration const& total = PropertyNamed("total");
  EXPECT_EQ((Aggregate<Probe, Probe>(total, {{1}, {2}, {3}}, value)), (Values{-1, 1, 3, 6, 6, 6}));
  EXPECT_EQ((Aggregate<Probe, Probe>(total, {}, value)), (Values{-1, 0, 0}));

  std::vector<Probe> const elements{{3}, {1}, {2}};
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("minimum", "probe"), elements, value)),
            Values{1});
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("maximum", "probe"), elements, value)),
            Values{3});
  EXPECT_TRUE((Aggregate<Probe, Probe>(PropertyNamed("minimum", "probe"), {}, value)).empty());
  // The tuple refers into the aggregator's state: read it before the state goes.
  auto pair = [](TupleNode const& first) {
    return std::make_pair(static_cast<Probe const*>(TupleItem(0, &first))->value,
                          static_cast<Probe const*>(TupleItem(1, &first))->value);
  };
  EXPECT_EQ((Aggregate<Probe, TupleNode>(PropertyNamed("extrema", "probe"), elements, pair)),
            (std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 3}}));

  // By the order given, parity: 4 and 2 are equal, as are 3 and 5; the first stays.
  std::vector<Probe> const parities{{4}, {3}, {2}, {5}};
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("minimum", "parity probe"), parities, value)),
            Values{4});
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("maximum", "parity probe"), parities, value)),
            Values{3});

  struct Counted {
    Probe value;
    std::int64_t multiplicity;
  };
  Registration const& multiplicity = PropertyNamed("multiplicity");
  auto counted = [&](Counted const& c) {
    EXPECT_EQ(Get(multiplicity, nullptr, &c), c.multiplicity);
    return std::make_pair(c.value.value, c.multiplicity);
  };
  Registration const& unique = PropertyNamed("unique values");
  EXPECT_EQ((Aggregate<Probe, Counted>(unique, {{2}, {1}, {2}}, counted)),
            (std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 1}, {2, 2}}));
  EXPECT_TRUE((Aggregate<Probe, Counted>(unique, {}, counted)).empty());
}

TEST(ModuleLoading, UnloadWithdrawsEveryRegistrationInReverseOrder) {
  std::size_t const before = Registry::Global().Size();
  evaluator::Library library(ModulePath());
  std::size_t const loaded = Registry::Global().Size();
  EXPECT_GT(loaded, before + 30);

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
