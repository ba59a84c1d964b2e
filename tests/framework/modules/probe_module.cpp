// A test-only inspector module: a registration of every property shape over a small
// value type "probe", and of the classes whose callbacks the framework tests call
// directly, so that they can check what each registration passes to the evaluator
// and how its callbacks behave. (Relations, derived types and the bundles over an
// ordered type are reached through the real library's query files.) Every typed function counts its
// calls, so that tests can tell whether a callback called it.
#include <cstdint>

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
  friend probe operator+(probe const& a, probe const& b) { return probe{a.value + b.value}; }
  friend probe operator-(probe const& a) { return probe{-a.value}; }
};

Fingerprinter& operator<<(Fingerprinter& f, probe const& p) {
  return f << integer(p.value);
}

template <class R>
R Counted(R r) {
  ++calls;
  return r;
}

// The typed functions, as members so that each stays on its line.
struct F {
  static probe Doubled(Of, probe const& p) { return Counted(probe{2 * p.value}); }
  static probe Plus(integer const& n, Of, probe const& p) {
    return Counted(probe{p.value + n.get()});
  }
  static probe ProbeOf(integer const& n) {
    if (n.get() < 0) throw NoSuchObject();
    return Counted(probe{n.get()});
  }
  static probe Zero() { return Counted(probe{}); }
  static integer ValueOf(probe const& p) { return Counted(integer(p.value)); }
  static integer Answer() { return Counted(integer(42)); }
  static integer Length(unsigned char const*, unsigned long n, probe const& p) {
    return Counted(integer(static_cast<std::int64_t>(n) + p.value));
  }
  static integer GlobalLength(unsigned char const*, unsigned long n) {
    return Counted(integer(static_cast<std::int64_t>(n)));
  }
  static boolean Digit(std::uint64_t n, probe const& p) {
    return Counted(boolean(static_cast<std::uint64_t>(p.value) % 10 == n));
  }
  static probe Failing(Of, probe const&) { throw Counted(ProbeFailure()); }
  static integer Scaled(std::int64_t const& factor, Of, probe const& p) {
    return Counted(integer(factor * p.value));
  }
};

// Counts down from the probe's value (by a step, in the second form) while positive.
class countdown {
 public:
  integer First(Of, probe const& p) { return FirstBy(integer(1), Of{}, p); }
  integer Next(Of, probe const& p) { return NextBy(integer(1), Of{}, p); }
  integer FirstBy(integer const& step, Of, probe const& p) {
    next_ = Counted(p.value);
    return NextBy(step, Of{}, p);
  }
  integer NextBy(integer const& step, Of, probe const&) {
    if (next_ <= 0) throw NoSuchObject();
    next_ -= step.get();
    return integer(next_ + step.get());
  }

 private:
  std::int64_t next_ = 0;
};

// The same, through members named First(O const&) and Next(O const&).
class named_countdown {
 public:
  integer First(probe const& p) { return countdown_.First(Of{}, p); }
  integer Next(probe const& p) { return countdown_.Next(Of{}, p); }

 private:
  countdown countdown_;
};

// Each byte of a string parameter plus the probe's value.
class byte_iterator {
 public:
  integer First(unsigned char const* bytes, unsigned long n, probe const& p) {
    position_ = 0;
    return Next(bytes, n, p);
  }
  integer Next(unsigned char const* bytes, unsigned long n, probe const& p) {
    if (position_ >= n) throw NoSuchObject();
    return integer(bytes[position_++] + p.value);
  }

 private:
  unsigned long position_ = 0;
};

// Full protocol: a marker in the initial phase, the running total for each element,
// and the total twice in the final phase.
class total_aggregator {
 public:
  probe FirstInitial() { return probe{-1}; }
  probe NextInitial() { throw NoSuchObject(); }
  probe First(Of, probe const& p) { return probe{total_ += p.value}; }
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

Type<probe, kFingerprinted> const probeType;
Prop const doubled("doubled", "doubleds", &F::Doubled, kDependsOnlyOnParameters);
Prop const plus("plus", "pluses", &F::Plus, kDependsOnlyOnParameters);
Prop const probeOf("probe", "probes", &F::ProbeOf, kDependsOnlyOnParameters);
Prop const zero("zero probe", "zero probes", &F::Zero, kDependsOnMachineState);
Property<probe, integer> const value("value", "values", &F::ValueOf, kDependsOnlyOnParameters);
GlobalProperty<integer> const answer("answer", "answers", &F::Answer, kDependsOnLocalTimeZone);
NamedProperty<probe, integer> const length("named length", "named lengths", &F::Length,
                                           kDependsOnlyOnParameters);
NamedGlobalProperty<integer> const globalLength("global length", "global lengths", &F::GlobalLength,
                                                kDependsOnlyOnParameters);
NumberedProperty<probe, boolean> const digit("digit", "digits", &F::Digit,
                                             kDependsOnlyOnParameters);
Prop const failing("failing", "failings", &F::Failing, kDependsOnlyOnParameters);
PropWith<std::int64_t> const tenfold("tenfold", "tenfolds", 10, &F::Scaled,
                                     kDependsOnlyOnParameters);
Cast<probe, integer> const asInteger("integer", &F::ValueOf, kDependsOnlyOnParameters);
OperatorPlus<probe, probe, probe> const sum(kDependsOnlyOnParameters);
UnaryOperatorMinus<probe, probe> const negation(kDependsOnlyOnParameters);
Prop const countdownOf("countdown", "countdowns", &countdown::First, &countdown::Next,
                       kDependsOnlyOnParameters);
Prop const countdownBy("countdown by", "countdowns by", &countdown::FirstBy, &countdown::NextBy,
                       kDependsOnlyOnParameters);
IteratedProperty<named_countdown, probe, integer> const namedCountdown("named countdown",
                                                                       "named countdowns",
                                                                       kDependsOnlyOnParameters);
IteratedNamedProperty<byte_iterator, probe, integer> const bytes("byte", "bytes",
                                                                 kDependsOnlyOnParameters);
Prop const total("total", "totals", &total_aggregator::FirstInitial, &total_aggregator::NextInitial,
                 &total_aggregator::First, &total_aggregator::Next, &total_aggregator::FirstFinal,
                 &total_aggregator::NextFinal, kDependsOnlyOnParameters);

}  // namespace
}  // namespace inspectors

// How many typed functions have been called so far.
extern "C" __attribute__((visibility("default"))) int probe_module_calls() {
  return inspectors::calls;
}
