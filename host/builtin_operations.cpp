#include "host/builtin_operations.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <string>

#include "host/vocabulary.h"

namespace evaluator {

namespace {

// ---------------------------------------------------------------------------
// Value access.

integer const& Int(void const* p) {
  return *static_cast<integer const*>(p);
}
inspector_string const& Str(void const* p) {
  return *static_cast<inspector_string const*>(p);
}
bool Bool(void const* p) {
  return static_cast<boolean const*>(p)->value != 0;
}

void PutInteger(void* result, integer value) {
  new (result) integer(value);
}
void PutBoolean(void* result, bool value) {
  new (result) boolean(value);
}
void PutString(void* result, std::string_view text) {
  auto* bytes = static_cast<unsigned char*>(Allocate_Inspector_Memory(text.size()));
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
  new (result) inspector_string{bytes, static_cast<std::uint32_t>(text.size())};
}

std::string_view View(inspector_string const& s) {
  return {reinterpret_cast<char const*>(s.bytes), s.length};
}

int Compare(inspector_string const& a, inspector_string const& b) {
  std::size_t const n = std::min(a.length, b.length);
  int const c = n == 0 ? 0 : std::memcmp(a.bytes, b.bytes, n);
  if (c != 0) return c;
  return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
}

// ---------------------------------------------------------------------------
// Operators.

void IntegerPlus(void* r, void const* a, void const* b, void const*) {
  PutInteger(r, Int(a) + Int(b));
}
void IntegerMinus(void* r, void const* a, void const* b, void const*) {
  PutInteger(r, Int(a) - Int(b));
}
void IntegerTimes(void* r, void const* a, void const* b, void const*) {
  PutInteger(r, Int(a) * Int(b));
}
void IntegerDivide(void* r, void const* a, void const* b, void const*) {
  PutInteger(r, Int(a) / Int(b));
}
void IntegerModulo(void* r, void const* a, void const* b, void const*) {
  PutInteger(r, Int(a) % Int(b));
}
void IntegerEqual(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Int(a) == Int(b));
}
void IntegerLess(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Int(a) < Int(b));
}
void IntegerLessOrEqual(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Int(a) <= Int(b));
}
void IntegerNegate(void* r, void const* a, void const*) {
  PutInteger(r, -Int(a));
}

void StringConcatenate(void* r, void const* a, void const* b, void const*) {
  std::string text(View(Str(a)));
  text += View(Str(b));
  PutString(r, text);
}
void StringEqual(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Compare(Str(a), Str(b)) == 0);
}
void StringLess(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Compare(Str(a), Str(b)) < 0);
}
void StringLessOrEqual(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Compare(Str(a), Str(b)) <= 0);
}
void StringStartsWith(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, StartsWith(Str(a), Str(b)));
}
void StringEndsWith(void* r, void const* a, void const* b, void const*) {
  std::string_view const text = View(Str(a));
  std::string_view const suffix = View(Str(b));
  PutBoolean(r, text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix);
}
void StringContains(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Contains(Str(a), Str(b)));
}
void BooleanEqual(void* r, void const* a, void const* b, void const*) {
  PutBoolean(r, Bool(a) == Bool(b));
}

// ---------------------------------------------------------------------------
// Casts.

void IntegerAsString(void* r, void const* a, void const*) {
  PutString(r, asString(Int(a)));
}
void BooleanAsString(void* r, void const* a, void const*) {
  PutString(r, Bool(a) ? "true" : "false");
}
void StringAsInteger(void* r, void const* a, void const*) {
  integer value;
  try {
    value = asInteger(Str(a));
  } catch (std::exception const&) {
    throw NoValue();
  }
  PutInteger(r, value);
}
void StringAsBoolean(void* r, void const* a, void const*) {
  std::string const text = LowerCase(View(Str(a)));
  if (text == "true") {
    PutBoolean(r, true);
  } else if (text == "false") {
    PutBoolean(r, false);
  } else {
    throw NoValue();
  }
}
void IntegerAsBoolean(void* r, void const* a, void const*) {
  PutBoolean(r, Int(a).get() != 0);
}
void BooleanAsInteger(void* r, void const* a, void const*) {
  PutInteger(r, integer(Bool(a) ? 1 : 0));
}

// ---------------------------------------------------------------------------
// Aggregates. States are constructed in evaluator memory and destroyed there.

template <class S>
void ConstructState(void* state) {
  if (state != nullptr) new (state) S();
}
template <class S>
void DestroyState(void const* state) {
  static_cast<S const*>(state)->~S();
}
template <class S>
S& State(void* state) {
  return *static_cast<S*>(state);
}

bool NoResult(void*, void const*, void const*, void*, void const*) {
  return false;
}

struct IntegerExtremum {
  bool seen = false;
  integer minimum;
  integer maximum;
};

bool FeedIntegerExtremum(void*, void const*, void const* element, void* state, void const*) {
  auto& s = State<IntegerExtremum>(state);
  integer const& v = Int(element);
  if (!s.seen) {
    s.minimum = v;
    s.maximum = v;
    s.seen = true;
  } else {
    if (v < s.minimum) s.minimum = v;
    if (s.maximum < v) s.maximum = v;
  }
  return false;
}
bool IntegerMinimum(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<IntegerExtremum>(state);
  if (!s.seen) return false;
  PutInteger(r, s.minimum);
  return true;
}
bool IntegerMaximum(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<IntegerExtremum>(state);
  if (!s.seen) return false;
  PutInteger(r, s.maximum);
  return true;
}
// A tuple of two nodes that point at the minimum and the maximum inside the state.
bool IntegerExtrema(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<IntegerExtremum>(state);
  if (!s.seen) return false;
  auto* nodes = static_cast<TupleNode*>(r);
  new (&nodes[0]) TupleNode();
  new (&nodes[1]) TupleNode();
  nodes[0].PointTo(&s.minimum, &nodes[1]);
  nodes[1].PointTo(&s.maximum, nullptr);
  return true;
}

struct StringExtremum {
  bool seen = false;
  inspector_string minimum;
  inspector_string maximum;
};

bool FeedStringExtremum(void*, void const*, void const* element, void* state, void const*) {
  auto& s = State<StringExtremum>(state);
  inspector_string const& v = Str(element);
  if (!s.seen) {
    s.minimum = v;
    s.maximum = v;
    s.seen = true;
  } else {
    if (Compare(v, s.minimum) < 0) s.minimum = v;
    if (Compare(s.maximum, v) < 0) s.maximum = v;
  }
  return false;
}
bool StringMinimum(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<StringExtremum>(state);
  if (!s.seen) return false;
  new (r) inspector_string(s.minimum);
  return true;
}
bool StringMaximum(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<StringExtremum>(state);
  if (!s.seen) return false;
  new (r) inspector_string(s.maximum);
  return true;
}

struct UniqueIntegers {
  std::map<std::int64_t, std::int64_t> counts;
  std::map<std::int64_t, std::int64_t>::const_iterator position;
};

bool FeedUniqueIntegers(void*, void const*, void const* element, void* state, void const*) {
  ++State<UniqueIntegers>(state).counts[Int(element).get()];
  return false;
}
bool PutUniqueInteger(void* r, UniqueIntegers const& s) {
  if (s.position == s.counts.end()) return false;
  new (r) IntegerWithMultiplicity{integer(s.position->first), s.position->second};
  return true;
}
bool FirstUniqueInteger(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<UniqueIntegers>(state);
  s.position = s.counts.begin();
  return PutUniqueInteger(r, s);
}
bool NextUniqueInteger(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<UniqueIntegers>(state);
  if (s.position != s.counts.end()) ++s.position;
  return PutUniqueInteger(r, s);
}

bool Multiplicity(void* r, void const*, void const* object, void*, void const*) {
  PutInteger(r, integer(static_cast<IntegerWithMultiplicity const*>(object)->count));
  return true;
}

// ---------------------------------------------------------------------------
// The table.

Registration Binary(unsigned long code, char const* left, char const* right, char const* result,
                    BinaryOperatorCallback op) {
  Registration r;
  r.kind = Kind::BinaryOperator;
  r.operatorCode = code;
  r.objectType = left;
  r.rightType = right;
  r.resultType = result;
  r.binary = op;
  r.fingerprint = BuiltinFingerprint;
  return r;
}

Registration Cast(char const* name, char const* source, char const* target, CastCallback cast) {
  Registration r;
  r.kind = Kind::Cast;
  r.name = name;
  r.objectType = source;
  r.resultType = target;
  r.cast = cast;
  r.fingerprint = BuiltinFingerprint;
  return r;
}

template <class S>
Registration Aggregate(char const* name, char const* plural, char const* object, char const* result,
                       PropertyGetter feed, PropertyGetter firstFinal, PropertyGetter nextFinal) {
  Registration r;
  r.kind = Kind::AggregateProperty;
  r.name = name;
  r.plural = plural;
  r.objectType = object;
  r.resultType = result;
  r.stateSize = sizeof(S);
  r.constructState = ConstructState<S>;
  r.destroyState = DestroyState<S>;
  r.firstInitial = NoResult;
  r.nextInitial = NoResult;
  r.first = feed;
  r.next = NoResult;
  r.firstFinal = firstFinal;
  r.nextFinal = nextFinal;
  r.fingerprint = BuiltinFingerprint;
  return r;
}

std::vector<Registration> MakeTable() {
  static std::string const extremaType = MakeTupleTypeName("integer", "integer");
  std::vector<Registration> t;
  Registration type;
  type.kind = Kind::Type;
  type.name = kIntegerWithMultiplicity;
  type.valueSize = sizeof(IntegerWithMultiplicity);
  type.baseType = "integer";
  t.push_back(type);

  t.push_back(Binary(kOperatorPlus, "integer", "integer", "integer", IntegerPlus));
  t.push_back(Binary(kOperatorMinus, "integer", "integer", "integer", IntegerMinus));
  t.push_back(Binary(kOperatorTimes, "integer", "integer", "integer", IntegerTimes));
  t.push_back(Binary(kOperatorDivide, "integer", "integer", "integer", IntegerDivide));
  t.push_back(Binary(kOperatorModulo, "integer", "integer", "integer", IntegerModulo));
  t.push_back(Binary(kRelationEqual, "integer", "integer", "boolean", IntegerEqual));
  t.push_back(Binary(kRelationLess, "integer", "integer", "boolean", IntegerLess));
  t.push_back(Binary(kRelationLessOrEqual, "integer", "integer", "boolean", IntegerLessOrEqual));
  t.push_back(Binary(kOperatorConcatenate, "string", "string", "string", StringConcatenate));
  t.push_back(Binary(kRelationEqual, "string", "string", "boolean", StringEqual));
  t.push_back(Binary(kRelationLess, "string", "string", "boolean", StringLess));
  t.push_back(Binary(kRelationLessOrEqual, "string", "string", "boolean", StringLessOrEqual));
  t.push_back(Binary(kRelationStartsWith, "string", "string", "boolean", StringStartsWith));
  t.push_back(Binary(kRelationEndsWith, "string", "string", "boolean", StringEndsWith));
  t.push_back(Binary(kRelationContains, "string", "string", "boolean", StringContains));
  t.push_back(Binary(kRelationEqual, "boolean", "boolean", "boolean", BooleanEqual));

  Registration negate;
  negate.kind = Kind::UnaryOperator;
  negate.operatorCode = kUnaryMinus;
  negate.objectType = "integer";
  negate.resultType = "integer";
  negate.unary = IntegerNegate;
  negate.fingerprint = BuiltinFingerprint;
  t.push_back(negate);

  t.push_back(Cast("string", "integer", "string", IntegerAsString));
  t.push_back(Cast("string", "boolean", "string", BooleanAsString));
  t.push_back(Cast("integer", "string", "integer", StringAsInteger));
  t.push_back(Cast("integer", "boolean", "integer", BooleanAsInteger));
  t.push_back(Cast("boolean", "string", "boolean", StringAsBoolean));
  t.push_back(Cast("boolean", "integer", "boolean", IntegerAsBoolean));

  t.push_back(Aggregate<IntegerExtremum>("minimum", "minima", "integer", "integer",
                                         FeedIntegerExtremum, IntegerMinimum, NoResult));
  t.push_back(Aggregate<IntegerExtremum>("maximum", "maxima", "integer", "integer",
                                         FeedIntegerExtremum, IntegerMaximum, NoResult));
  t.push_back(Aggregate<IntegerExtremum>("extrema", "extremas", "integer", extremaType.c_str(),
                                         FeedIntegerExtremum, IntegerExtrema, NoResult));
  t.push_back(Aggregate<UniqueIntegers>("unique value", "unique values", "integer",
                                        kIntegerWithMultiplicity, FeedUniqueIntegers,
                                        FirstUniqueInteger, NextUniqueInteger));
  t.push_back(Aggregate<StringExtremum>("minimum", "minima", "string", "string", FeedStringExtremum,
                                        StringMinimum, NoResult));
  t.push_back(Aggregate<StringExtremum>("maximum", "maxima", "string", "string", FeedStringExtremum,
                                        StringMaximum, NoResult));

  Registration multiplicity;
  multiplicity.kind = Kind::Property;
  multiplicity.name = "multiplicity";
  multiplicity.plural = "multiplicities";
  multiplicity.objectType = kIntegerWithMultiplicity;
  multiplicity.resultType = "integer";
  multiplicity.getter = Multiplicity;
  multiplicity.fingerprint = BuiltinFingerprint;
  t.push_back(multiplicity);

  std::uint64_t sequence = 0;
  for (auto& r : t) {
    r.block = &r;  // a unique identity for the result cache
    r.sequence = ++sequence;
  }
  return t;
}

struct Names {
  std::set<std::string, std::less<>> names;
  std::set<std::string, std::less<>> prefixes;
};

Names const& BuiltinNames() {
  static Names const names = [] {
    Names n;
    auto add = [&n](std::string const& name) {
      if (name.empty()) return;
      n.names.insert(name);
      for (std::size_t space = name.find(' '); space != std::string::npos;
           space = name.find(' ', space + 1)) {
        n.prefixes.insert(name.substr(0, space));
      }
    };
    for (char const* type : {"integer", "string", "boolean"}) add(type);
    for (auto const& r : BuiltinOperations()) {
      add(LowerCase(r.name));
      add(LowerCase(r.plural));
    }
    return n;
  }();
  return names;
}

template <class Pred>
std::vector<Registration const*> Select(Pred pred) {
  std::vector<Registration const*> out;
  for (auto const& r : BuiltinOperations()) {
    if (pred(r)) out.push_back(&r);
  }
  return out;
}

}  // namespace

void BuiltinFingerprint(Fingerprinter&) {}

std::vector<Registration> const& BuiltinOperations() {
  // Records point at themselves (block), so the table is built in place, once.
  static std::vector<Registration> const table = MakeTable();
  return table;
}

std::vector<Registration const*> BuiltinProperties(std::string_view name) {
  return Select([name](Registration const& r) {
    bool const property = r.kind == Kind::Property || r.kind == Kind::IteratedProperty ||
                          r.kind == Kind::AggregateProperty;
    return property && (EqualIgnoringCase(r.name, name) || EqualIgnoringCase(r.plural, name));
  });
}

std::vector<Registration const*> BuiltinCasts(std::string_view name) {
  return Select([name](Registration const& r) {
    return r.kind == Kind::Cast && EqualIgnoringCase(r.name, name);
  });
}

std::vector<Registration const*> BuiltinBinaryOperators(unsigned long code) {
  return Select([code](Registration const& r) {
    return r.kind == Kind::BinaryOperator && r.operatorCode == code;
  });
}

std::vector<Registration const*> BuiltinUnaryOperators(unsigned long code) {
  return Select([code](Registration const& r) {
    return r.kind == Kind::UnaryOperator && r.operatorCode == code;
  });
}

bool IsBuiltinOperation(Registration const* r) {
  auto const& table = BuiltinOperations();
  std::less<Registration const*> const before;
  return !table.empty() && !before(r, &table.front()) && !before(&table.back(), r);
}

Registration const* BuiltinType(std::string_view name) {
  for (auto const& r : BuiltinOperations()) {
    if (r.kind == Kind::Type && EqualIgnoringCase(r.name, name)) return &r;
  }
  return nullptr;
}

bool IsBuiltinNameOrNamePrefix(std::string_view words) {
  auto const& n = BuiltinNames();
  return n.names.find(words) != n.names.end() || n.prefixes.find(words) != n.prefixes.end();
}

bool IsBuiltinName(std::string_view words) {
  auto const& n = BuiltinNames();
  return n.names.find(words) != n.names.end();
}

}  // namespace evaluator
