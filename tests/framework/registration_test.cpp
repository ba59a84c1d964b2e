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

std::string ModulePath(char const* name) {
  return std::string(TEST_MODULE_DIR) + "/lib" + name + ".so";
}

// The value type of the probe module: one signed 64-bit value.
struct Probe {
  std::int64_t value;
};

class ProbeModule : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = std::make_unique<evaluator::Library>(ModulePath("probe_module"));
    void* handle = dlopen(ModulePath("probe_module").c_str(), RTLD_NOW | RTLD_NOLOAD);
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
  static Registration const& PropertyNamed(char const* name, char const* object = nullptr) {
    std::vector<Registration const*> found;
    for (Registration const* r : Registry::Global().FindProperties(name)) {
      if (object == nullptr || r->objectType == object) found.push_back(r);
    }
    return Only(found);
  }
  static Registration const& BinaryOperator(unsigned long code, char const* left) {
    std::vector<Registration const*> found;
    for (Registration const* r : Registry::Global().FindBinaryOperators(code)) {
      if (r->objectType == left) found.push_back(r);
    }
    return Only(found);
  }
  static int Calls() { return calls_(); }

  static inline std::unique_ptr<evaluator::Library> library_;
  static inline int (*calls_)() = nullptr;
};

// Runs an iterated property to its end and collects the integers it yields.
std::vector<std::int64_t> Iterate(Registration const& r, void const* parameter,
                                  void const* object) {
  std::vector<unsigned char> state(r.stateSize);
  r.constructState(state.data());
  std::vector<std::int64_t> values;
  try {
    integer element;
    r.first(&element, parameter, object, state.data(), r.context);
    values.push_back(element.get());
    while (true) {
      r.next(&element, parameter, object, state.data(), r.context);
      values.push_back(element.get());
    }
  } catch (NoValue const&) {
  }
  r.destroyState(state.data());
  return values;
}

// Calls a getter; a thrown NoSuchObject counts as "no value".
template <class Result>
bool Yields(PropertyGetter getter, Result* result, void const* parameter, void const* object,
            void* state, void const* context) {
  try {
    return getter(result, parameter, object, state, context);
  } catch (NoValue const&) {
    return false;
  }
}

// Runs the aggregation protocol over the elements; every value yielded in every
// phase is appended to the result, in order. Each value is read with `read` before
// the state is destroyed.
template <class Element, class Result, class Read>
auto Aggregate(Registration const& r, std::vector<Element> const& elements, Read read) {
  std::vector<decltype(read(std::declval<Result const&>()))> out;
  std::vector<unsigned char> state(r.stateSize);
  r.constructState(state.data());
  alignas(16) unsigned char memory[64];
  auto* result = reinterpret_cast<Result*>(memory);
  auto phase = [&](PropertyGetter first, PropertyGetter next, void const* element) {
    for (bool more = Yields(first, result, nullptr, element, state.data(), r.context); more;
         more = Yields(next, result, nullptr, element, state.data(), r.context)) {
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

  Registration const* parity = Registry::Global().FindType("parity probe");
  ASSERT_NE(parity, nullptr);
  EXPECT_EQ(parity->baseType, "probe");
  EXPECT_EQ(parity->fingerprintValue, nullptr);

  Registration const* counted = Registry::Global().FindType("probe with multiplicity");
  ASSERT_NE(counted, nullptr);
  EXPECT_EQ(counted->baseType, "probe");
  EXPECT_EQ(counted->fingerprintValue, nullptr);
  EXPECT_TRUE(Registry::Global().IsA("probe with multiplicity", "probe"));
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
      {"countdown", "countdowns", "", "probe", "integer", Kind::IteratedProperty},
      {"countdown by", "countdowns by", "integer", "probe", "integer", Kind::IteratedProperty},
      {"world countdown", "world countdowns", "integer", "", "integer", Kind::IteratedProperty},
      {"named countdown", "named countdowns", "", "probe", "integer", Kind::IteratedProperty},
      {"byte", "bytes", "string", "probe", "integer", Kind::IteratedProperty},
      {"total", "totals", "", "probe", "probe", Kind::AggregateProperty},
      {"multiplicity", "multiplicities", "", "probe with multiplicity", "integer", Kind::Property},
  };
  for (Expected const& e : expected) {
    SCOPED_TRACE(e.name);
    Registration const& r = PropertyNamed(e.name);
    EXPECT_EQ(r.kind, e.kind);
    EXPECT_EQ(r.plural, e.plural);
    EXPECT_EQ(r.parameterType, e.parameter);
    EXPECT_EQ(r.objectType, e.object);
    EXPECT_EQ(r.resultType, e.result);
    EXPECT_EQ(r.context, r.block) << "the context is the registration object itself";
    EXPECT_EQ(r.fingerprint == nullptr, std::string(e.name) == "zero probe");
  }
}

TEST_F(ProbeModule, GettersConstructTheFunctionsResult) {
  Probe const three{3};
  Probe result{0};
  EXPECT_TRUE(PropertyNamed("doubled").getter(&result, nullptr, &three, nullptr,
                                              PropertyNamed("doubled").context));
  EXPECT_EQ(result.value, 6);

  integer const four(4);
  Registration const& plus = PropertyNamed("plus");
  EXPECT_TRUE(plus.getter(&result, &four, &three, nullptr, plus.context));
  EXPECT_EQ(result.value, 7);

  Registration const& probe = PropertyNamed("probe");
  EXPECT_TRUE(probe.getter(&result, &four, nullptr, nullptr, probe.context));
  EXPECT_EQ(result.value, 4);

  integer value;
  Registration const& valueOf = PropertyNamed("value");
  EXPECT_TRUE(valueOf.getter(&value, nullptr, &three, nullptr, valueOf.context));
  EXPECT_EQ(value.get(), 3);

  Registration const& answer = PropertyNamed("answer");
  EXPECT_TRUE(answer.getter(&value, nullptr, nullptr, nullptr, answer.context));
  EXPECT_EQ(value.get(), 42);
}

TEST_F(ProbeModule, NullResultCallsNothing) {
  int const before = Calls();
  Probe const three{3};
  integer const four(4);
  for (char const* name : {"doubled", "plus", "probe", "zero probe", "value", "answer",
                           "named length", "global length", "digit", "failing"}) {
    Registration const& r = PropertyNamed(name);
    inspector_string const text{reinterpret_cast<unsigned char const*>("ab"), 2};
    void const* parameter = r.parameterType == "string"    ? static_cast<void const*>(&text)
                            : r.parameterType == "integer" ? static_cast<void const*>(&four)
                                                           : nullptr;
    EXPECT_TRUE(r.getter(nullptr, parameter, &three, nullptr, r.context)) << name;
  }
  Registration const& cast = Only(Registry::Global().FindCasts("integer"));
  cast.cast(nullptr, &three, cast.context);
  Registration const& plus = BinaryOperator(kOperatorPlus, "probe");
  plus.binary(nullptr, &three, &three, plus.context);
  Registration const& minus = Only(Registry::Global().FindUnaryOperators(kUnaryMinus));
  minus.unary(nullptr, &three, minus.context);
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

  integer const seven(7);
  EXPECT_TRUE(digit.getter(&result, &seven, &p, nullptr, digit.context));
  EXPECT_TRUE(result);
  integer const zero(0);
  EXPECT_TRUE(digit.getter(&result, &zero, &p, nullptr, digit.context));
  EXPECT_FALSE(result);
  EXPECT_EQ(Calls(), before + 2);
}

TEST_F(ProbeModule, NamedPropertiesReceiveTheTextsBytesAndLength) {
  Probe const p{100};
  integer result;
  inspector_string const empty{reinterpret_cast<unsigned char const*>(""), 0};
  Registration const& named = PropertyNamed("named length");
  EXPECT_TRUE(named.getter(&result, &empty, &p, nullptr, named.context));
  EXPECT_EQ(result.get(), 100);

  inspector_string const abc{reinterpret_cast<unsigned char const*>("abc"), 3};
  Registration const& global = PropertyNamed("global length");
  EXPECT_TRUE(global.getter(&result, &abc, nullptr, nullptr, global.context));
  EXPECT_EQ(result.get(), 3);
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

TEST_F(ProbeModule, CastsAndOperatorsCarryCodesAndTypes) {
  Registration const& toInteger = Only(Registry::Global().FindCasts("integer"));
  EXPECT_EQ(toInteger.objectType, "probe");
  EXPECT_EQ(toInteger.resultType, "integer");
  Registration const& toProbe = Only(Registry::Global().FindCasts("probe"));
  EXPECT_EQ(toProbe.objectType, "integer");

  Probe const p{9};
  integer asInteger;
  toInteger.cast(&asInteger, &p, toInteger.context);
  EXPECT_EQ(asInteger.get(), 9);

  struct Expected {
    unsigned long code;
    char const* result;
  };
  for (Expected const e :
       {Expected{kOperatorPlus, "probe"}, Expected{kRelationEqual, "boolean"},
        Expected{kRelationLess, "boolean"}, Expected{kRelationLessOrEqual, "boolean"},
        Expected{kRelationContains, "boolean"}}) {
    SCOPED_TRACE(e.code);
    Registration const& r = BinaryOperator(e.code, "probe");
    EXPECT_EQ(r.rightType, "probe");
    EXPECT_EQ(r.resultType, e.result);
  }
  Registration const& minus = Only(Registry::Global().FindUnaryOperators(kUnaryMinus));
  EXPECT_EQ(minus.objectType, "probe");
  EXPECT_EQ(minus.resultType, "probe");
}

TEST_F(ProbeModule, RelationsStoreOneByte) {
  Probe const six{6}, two{2}, one{1};
  Registration const& contains = BinaryOperator(kRelationContains, "probe");
  unsigned char byte = 0xAA;
  contains.binary(&byte, &six, &two, contains.context);
  EXPECT_EQ(byte, 1);
  contains.binary(&byte, &six, &one, contains.context);
  EXPECT_EQ(byte, 0);

  Registration const& less = BinaryOperator(kRelationLess, "probe");
  less.binary(&byte, &one, &two, less.context);
  EXPECT_EQ(byte, 1);
  less.binary(&byte, &two, &two, less.context);
  EXPECT_EQ(byte, 0);

  Registration const& plus = BinaryOperator(kOperatorPlus, "probe");
  Probe sum{0};
  plus.binary(&sum, &six, &two, plus.context);
  EXPECT_EQ(sum.value, 8);
  Registration const& minus = Only(Registry::Global().FindUnaryOperators(kUnaryMinus));
  minus.unary(&sum, &six, minus.context);
  EXPECT_EQ(sum.value, -6);
}

TEST_F(ProbeModule, IteratedPropertiesFollowTheFirstNextProtocol) {
  Probe const three{3}, zero{0}, one{1}, ten{10};
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &three),
            (std::vector<std::int64_t>{3, 2, 1}));
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &zero), std::vector<std::int64_t>{});
  EXPECT_EQ(Iterate(PropertyNamed("countdown"), nullptr, &one), std::vector<std::int64_t>{1});

  integer const step(4);
  EXPECT_EQ(Iterate(PropertyNamed("countdown by"), &step, &ten),
            (std::vector<std::int64_t>{10, 6, 2}));
  integer const two(2);
  EXPECT_EQ(Iterate(PropertyNamed("world countdown"), &two, nullptr),
            (std::vector<std::int64_t>{2, 1}));
  EXPECT_EQ(Iterate(PropertyNamed("named countdown"), nullptr, &three),
            (std::vector<std::int64_t>{3, 2, 1}));
  inspector_string const ab{reinterpret_cast<unsigned char const*>("ab"), 2};
  EXPECT_EQ(Iterate(PropertyNamed("byte"), &ab, &one),
            (std::vector<std::int64_t>{'a' + 1, 'b' + 1}));
}

TEST_F(ProbeModule, IteratedGettersWithoutResultMemoryLeaveTheStateAlone) {
  Registration const& r = PropertyNamed("countdown");
  r.constructState(nullptr);
  Probe const three{3};
  std::vector<unsigned char> state(r.stateSize);
  r.constructState(state.data());
  int const before = Calls();
  EXPECT_TRUE(r.first(nullptr, nullptr, &three, state.data(), r.context));
  EXPECT_TRUE(r.next(nullptr, nullptr, &three, state.data(), r.context));
  EXPECT_EQ(Calls(), before);
  integer element;
  EXPECT_TRUE(r.first(&element, nullptr, &three, state.data(), r.context));
  EXPECT_EQ(element.get(), 3);
  r.destroyState(state.data());
}

TEST_F(ProbeModule, FullProtocolAggregateYieldsInEveryPhase) {
  auto read = [](Probe const& p) { return p.value; };
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("total"), {{1}, {2}, {3}}, read)),
            (std::vector<std::int64_t>{-1, 1, 3, 6, 6, 6}));
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("total"), {}, read)),
            (std::vector<std::int64_t>{-1, 0, 0}));
}

TEST_F(ProbeModule, ExtremaKeepTheFirstOfEqualValues) {
  auto value = [](Probe const& p) { return p.value; };
  std::vector<Probe> const elements{{3}, {1}, {2}};
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("minimum", "probe"), elements, value)),
            std::vector<std::int64_t>{1});
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("maximum", "probe"), elements, value)),
            std::vector<std::int64_t>{3});
  EXPECT_TRUE((Aggregate<Probe, Probe>(PropertyNamed("minimum", "probe"), {}, value)).empty());

  // The tuple refers into the aggregator's state: read it before the state goes.
  auto pair = [](TupleNode const& first) {
    auto const* a = static_cast<Probe const*>(TupleItem(0, &first));
    auto const* b = static_cast<Probe const*>(TupleItem(1, &first));
    return std::make_pair(a->value, b->value);
  };
  Registration const& extrema = PropertyNamed("extrema", "probe");
  EXPECT_EQ(extrema.resultType, "(probe, probe)");
  EXPECT_EQ((Aggregate<Probe, TupleNode>(extrema, elements, pair)),
            (std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 3}}));

  // Parity probes compare by parity alone: 4 and 2 are equal, as are 3 and 5.
  std::vector<Probe> const parities{{4}, {3}, {2}, {5}};
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("minimum", "parity probe"), parities, value)),
            std::vector<std::int64_t>{4});
  EXPECT_EQ((Aggregate<Probe, Probe>(PropertyNamed("maximum", "parity probe"), parities, value)),
            std::vector<std::int64_t>{3});
}

TEST_F(ProbeModule, UniqueValuesComeInAscendingOrderWithCounts) {
  struct Counted {
    Probe value;
    std::int64_t multiplicity;
  };
  Registration const& unique = PropertyNamed("unique values");
  EXPECT_EQ(unique.resultType, "probe with multiplicity");
  Registration const& multiplicity = PropertyNamed("multiplicity");
  auto read = [&](Counted const& c) {
    integer m;
    multiplicity.getter(&m, nullptr, &c, nullptr, multiplicity.context);
    EXPECT_EQ(m.get(), c.multiplicity);
    return std::make_pair(c.value.value, m.get());
  };
  EXPECT_EQ((Aggregate<Probe, Counted>(unique, {{2}, {1}, {2}}, read)),
            (std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 1}, {2, 2}}));
  EXPECT_TRUE((Aggregate<Probe, Counted>(unique, {}, read)).empty());
}

TEST(ModuleLoading, UnloadWithdrawsEveryRegistration) {
  std::size_t const before = Registry::Global().Size();
  evaluator::Library library(ModulePath("probe_module"));
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
  EXPECT_TRUE(std::is_sorted(withdrawn.rbegin(), withdrawn.rend()))
      << "registrations are withdrawn in reverse order";
  EXPECT_EQ(Registry::Global().Size(), before);
  EXPECT_EQ(Registry::Global().FindType("probe"), nullptr);
  EXPECT_TRUE(Registry::Global().FindProperties("countdown").empty());
}

}  // namespace
