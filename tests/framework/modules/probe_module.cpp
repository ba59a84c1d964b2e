// A test-only inspector module: one registration of every shape, over a small value
// type "probe", so that the framework tests can check what each registration passes
// to the evaluator and how its callbacks behave. Every typed function counts its
// calls, so that tests can tell whether a callback called it.
#include <cstdint>
#include <string>

#include "framework/inspector.h"

namespace inspectors {

// A failure of the module's own, outside the anonymous namespace so that its name
// is plain.
class ProbeFailure : public DebuggableException {};

namespace {

int calls = 0;

struct probe {
  std::int64_t value = 0;

  static char const* TypeName() { return "probe"; }
  friend bool operator==(probe const& a, probe const& b) { return a.value == b.value; }
  friend bool operator<(probe const& a, probe const& b) { return a.value < b.value; }
  friend bool operator<=(probe const& a, probe const& b) { return a.value <= b.value; }
  friend probe operator+(probe const& a, probe const& b) { return probe{a.value + b.value}; }
  friend probe operator-(probe const& a) { return probe{-a.value}; }
};

Fingerprinter& operator<<(Fingerprinter& f, probe const& p) {
  return f << integer(p.value);
}

// Same bits, compared by parity only: equal under operator< but distinguishable.
struct parity_probe {
  std::int64_t value = 0;
  static char const* TypeName() { return "parity probe"; }
  friend bool operator<(parity_probe const& a, parity_probe const& b) {
    return a.value % 2 < b.value % 2;
  }
};

probe Doubled(Of, probe const& p) {
  ++calls;
  return probe{p.value * 2};
}
probe PlusProbe(integer const& n, Of, probe const& p) {
  ++calls;
  return probe{p.value + n.get()};
}
probe ProbeOfInteger(integer const& n) {
  ++calls;
  if (n.get() < 0) throw NoSuchObject();
  return probe{n.get()};
}
probe ZeroProbe() {
  ++calls;
  return probe{0};
}
integer ValueOf(probe const& p) {
  ++calls;
  return integer(p.value);
}
integer Answer() {
  ++calls;
  return integer(42);
}
integer NamedLength(unsigned char const*, unsigned long length, probe const& p) {
  ++calls;
  return integer(static_cast<std::int64_t>(length) + p.value);
}
integer GlobalNamedLength(unsigned char const*, unsigned long length) {
  ++calls;
  return integer(static_cast<std::int64_t>(length));
}
boolean Digit(std::uint64_t n, probe const& p) {
  ++calls;
  return boolean(static_cast<std::uint64_t>(p.value) % 10 == n);
}
probe Failing(Of, probe const&) {
  ++calls;
  throw ProbeFailure();
}
integer ProbeAsInteger(probe const& p) {
  ++calls;
  return integer(p.value);
}
probe IntegerAsProbe(integer const& n) {
  ++calls;
  return probe{n.get()};
}
boolean ProbeContains(probe const& a, probe const& b) {
  ++calls;
  return boolean((a.value & b.value) == b.value);
}
parity_probe AsParityProbe(integer const& n) {
  return parity_probe{n.get()};
}
integer ParityProbeValue(Of, parity_probe const& p) {
  return integer(p.value);
}

// Counts down from the probe's value to 1; a non-positive probe has no elements.
class countdown {
 public:
  integer First(Of, probe const& p) {
    ++calls;
    next_ = p.value;
    return Next(Of{}, p);
  }
  integer Next(Of, probe const&) {
    if (next_ <= 0) throw NoSuchObject();
    return integer(next_--);
  }
  integer FirstBy(integer const& step, Of, probe const& p) {
    next_ = p.value;
    return NextBy(step, Of{}, p);
  }
  integer NextBy(integer const& step, Of, probe const&) {
    if (next_ <= 0) throw NoSuchObject();
    std::int64_t const v = next_;
    next_ -= step.get();
    return integer(v);
  }
  integer FirstOfWorld(integer const& n) {
    next_ = n.get();
    return NextOfWorld(n);
  }
  integer NextOfWorld(integer const&) {
    if (next_ <= 0) throw NoSuchObject();
    return integer(next_--);
  }

 private:
  std::int64_t next_ = 0;
};

// Iterated by member names: First(O const&) and Next(O const&).
class named_countdown {
 public:
  integer First(probe const& p) {
    next_ = p.value;
    return Next(p);
  }
  integer Next(probe const&) {
    if (next_ <= 0) throw NoSuchObject();
    return integer(next_--);
  }

 private:
  std::int64_t next_ = 0;
};

// Iterated with a string parameter: each byte of the text plus the probe's value.
class byte_iterator {
 public:
  integer First(unsigned char const* bytes, unsigned long length, probe const& p) {
    position_ = 0;
    return Next(bytes, length, p);
  }
  integer Next(unsigned char const* bytes, unsigned long length, probe const& p) {
    if (position_ >= length) throw NoSuchObject();
    return integer(bytes[position_++] + p.value);
  }

 private:
  unsigned long position_ = 0;
};

// Full-protocol aggregate: yields a marker in the initial phase, a running total for
// each element, and the total twice in the final phase.
class total_aggregator {
 public:
  probe FirstInitial() { return probe{-1}; }
  probe NextInitial() { throw NoSuchObject(); }
  probe First(Of, probe const& p) {
    total_ += p.value;
    return probe{total_};
  }
  probe Next(Of, probe const&) { throw NoSuchObject(); }
  probe FirstFinal() {
    finals_ = 1;
    return probe{total_};
  }
  probe NextFinal() {
    if (finals_++ >= 2) throw NoSuchObject();
    return probe{total_};
  }

 private:
  std::int64_t total_ = 0;
  int finals_ = 0;
};

Type<probe, kFingerprinted> probeType;
DerivedType<parity_probe, probe, kNotFingerprinted> parityProbeType;
Prop doubled("doubled", "doubleds", &Doubled, kDependsOnlyOnParameters);
Prop plus("plus", "pluses", &PlusProbe, kDependsOnlyOnParameters);
Prop probeOfInteger("probe", "probes", &ProbeOfInteger, kDependsOnlyOnParameters);
Prop zeroProbe("zero probe", "zero probes", &ZeroProbe, nullptr);
Property<probe, integer> valueOf("value", "values", &ValueOf, kDependsOnlyOnParameters);
GlobalProperty<integer> answer("answer", "answers", &Answer, kDependsOnLocalTimeZone);
NamedProperty<probe, integer> namedLength("named length", "named lengths", &NamedLength,
                                          kDependsOnlyOnParameters);
NamedGlobalProperty<integer> globalNamedLength("global length", "global lengths",
                                               &GlobalNamedLength, kDependsOnlyOnParameters);
NumberedProperty<probe, boolean> digit("digit", "digits", &Digit, kDependsOnlyOnParameters);
Prop failing("failing", "failings", &Failing, kDependsOnlyOnParameters);
Cast<probe, integer> probeAsInteger("integer", &ProbeAsInteger, kDependsOnlyOnParameters);
Cast<integer, probe> integerAsProbe("probe", &IntegerAsProbe, kDependsOnlyOnParameters);
OperatorPlus<probe, probe, probe> plusOperator(kDependsOnlyOnParameters);
RelationContains<probe, probe> containsRelation(kDependsOnlyOnParameters, &ProbeContains);
UnaryOperatorMinus<probe, probe> minusOperator(kDependsOnlyOnParameters);
Prop countdownOf("countdown", "countdowns", &countdown::First, &countdown::Next,
                 kDependsOnlyOnParameters);
Prop countdownBy("countdown by", "countdowns by", &countdown::FirstBy, &countdown::NextBy,
                 kDependsOnlyOnParameters);
Prop countdownOfWorld("world countdown", "world countdowns", &countdown::FirstOfWorld,
                      &countdown::NextOfWorld, kDependsOnlyOnParameters);
IteratedProperty<named_countdown, probe, integer> countdownByName("named countdown",
                                                                  "named countdowns",
                                                                  kDependsOnlyOnParameters);
IteratedNamedProperty<byte_iterator, probe, integer> bytesOf("byte", "bytes",
                                                             kDependsOnlyOnParameters);
Prop total("total", "totals", &total_aggregator::FirstInitial, &total_aggregator::NextInitial,
           &total_aggregator::First, &total_aggregator::Next, &total_aggregator::FirstFinal,
           &total_aggregator::NextFinal, kDependsOnlyOnParameters);
ComparableInspectorRegistration<probe> comparable(kDependsOnlyOnParameters);
Cast<integer, parity_probe> asParityProbe("parity probe", &AsParityProbe, kDependsOnlyOnParameters);
Prop parityValue("parity value", "parity values", &ParityProbeValue, kDependsOnlyOnParameters);
ExtremumInspector<parity_probe> parityExtrema(kDependsOnlyOnParameters);

}  // namespace
}  // namespace inspectors

// How many typed functions have been called so far.
extern "C" __attribute__((visibility("default"))) int probe_module_calls() {
  return inspectors::calls;
}
