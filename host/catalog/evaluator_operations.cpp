#include "host/catalog/evaluator_operations.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>
#include <functional>
#include <limits>
#include <map>
#include <new>
#include <string>

#include "host/catalog/records.h"
#include "host/catalog/registry.h"

namespace evaluator {

char const* DataOverflow::what() const noexcept {
  return "DataOverflow";
}

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

constexpr std::size_t kLongestString = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kFourByteCodeSize = 4;

// A string of `length` bytes in evaluator memory, for the caller to fill; a length
// that an inspector_string cannot hold fails.
unsigned char* NewString(void* result, std::size_t length) {
  if (length > kLongestString) throw DataOverflow();
  auto* bytes = static_cast<unsigned char*>(Allocate_Inspector_Memory(length));
  new (result) inspector_string{bytes, static_cast<std::uint32_t>(length)};
  return bytes;
}

void PutString(void* result, std::string_view text) {
  unsigned char* bytes = NewString(result, text.size());
  if (!text.empty()) std::memcpy(bytes, text.data(), text.size());
}

std::string_view View(inspector_string const& s) {
  return {reinterpret_cast<char const*>(s.bytes), s.length};
}

// Byte order, shorter first among equal beginnings.
int Compare(inspector_string const& a, inspector_string const& b) {
  return View(a).compare(View(b));
}

// ---------------------------------------------------------------------------
// Operators.

using IntegerFunction = integer (*)(integer const&, integer const&);
using StringTest = boolean (*)(inspector_string const&, inspector_string const&);

template <IntegerFunction F>
void IntegerArithmetic(void* r, void const* a, void const* b, void const*) {
  new (r) integer(F(Int(a), Int(b)));
}
template <class Relation>
void IntegerOrder(void* r, void const* a, void const* b, void const*) {
  new (r) boolean(Relation{}(Int(a).get(), Int(b).get()));
}
template <class Relation>
void StringOrder(void* r, void const* a, void const* b, void const*) {
  new (r) boolean(Relation{}(Compare(Str(a), Str(b)), 0));
}
template <StringTest F>
void StringRelation(void* r, void const* a, void const* b, void const*) {
  new (r) boolean(F(Str(a), Str(b)));
}

boolean EndsWith(inspector_string const& text, inspector_string const& suffix) {
  return View(text).ends_with(View(suffix));
}
void StringConcatenate(void* r, void const* a, void const* b, void const*) {
  inspector_string const& left = Str(a);
  inspector_string const& right = Str(b);
  unsigned char* bytes = NewString(r, std::size_t{left.length} + right.length);
  if (left.length != 0) std::memcpy(bytes, left.bytes, left.length);
  if (right.length != 0) std::memcpy(bytes + left.length, right.bytes, right.length);
}
void BooleanEqual(void* r, void const* a, void const* b, void const*) {
  new (r) boolean(Bool(a) == Bool(b));
}
void IntegerNegate(void* r, void const* a, void const*) {
  new (r) integer(-Int(a));
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
  new (r) integer(value);
}
void StringAsBoolean(void* r, void const* a, void const*) {
  std::string const text = AsciiLowerCase(View(Str(a)));
  if (text != "true" && text != "false") throw NoValue();
  new (r) boolean(text == "true");
}
// A four-byte code as its text: the bytes, without the zero bytes that pad a
// shorter code (so a code of four zero bytes, a file without one, is "").
void FourByteCodeAsString(void* r, void const* a, void const*) {
  std::string_view code(static_cast<char const*>(a), kFourByteCodeSize);
  while (!code.empty() && code.back() == '\0') code.remove_suffix(1);
  PutString(r, code);
}
void IntegerAsBoolean(void* r, void const* a, void const*) {
  new (r) boolean(Int(a).get() != 0);
}
void BooleanAsInteger(void* r, void const* a, void const*) {
  new (r) integer(Bool(a) ? 1 : 0);
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

// The least and the greatest element so far.
template <class T>
struct Extremes {
  bool seen = false;
  T minimum{};
  T maximum{};
};

struct IntegerLess {
  bool operator()(integer const& a, integer const& b) const { return a.get() < b.get(); }
};

// An element lives only for the call that receives it: the state keeps copies. Only
// strict comparisons are made, so among equal elements the first one seen stays
// (and a run of equal strings is copied once).
template <class T, class Less>
bool FeedExtremes(void*, void const*, void const* element, void* state, void const*) {
  auto& s = State<Extremes<T>>(state);
  T const& v = *static_cast<T const*>(element);
  if (!s.seen || Less{}(v, s.minimum)) s.minimum = v;
  if (!s.seen || Less{}(s.maximum, v)) s.maximum = v;
  s.seen = true;
  return false;
}
template <class T, T Extremes<T>::*Extreme>
bool YieldExtreme(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<Extremes<T>>(state);
  if (!s.seen) return false;
  new (r) T(s.*Extreme);
  return true;
}

// Strings are kept as bytes of the state's own; the results point into them.
using StringExtremes = Extremes<std::string>;

bool FeedStringExtremes(void*, void const*, void const* element, void* state, void const*) {
  auto& s = State<StringExtremes>(state);
  std::string_view const v = View(Str(element));
  if (!s.seen || v < std::string_view(s.minimum)) s.minimum.assign(v);
  if (!s.seen || std::string_view(s.maximum) < v) s.maximum.assign(v);
  s.seen = true;
  return false;
}
template <std::string StringExtremes::*Extreme>
bool YieldStringExtreme(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<StringExtremes>(state);
  if (!s.seen) return false;
  std::string const& text = s.*Extreme;
  new (r) inspector_string{reinterpret_cast<unsigned char const*>(text.data()),
                           static_cast<std::uint32_t>(text.size())};
  return true;
}
// A tuple of two nodes that point at the minimum and the maximum inside the state.
bool YieldIntegerExtrema(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<Extremes<integer>>(state);
  if (!s.seen) return false;
  auto* nodes = static_cast<TupleNode*>(r);
  new (&nodes[0]) TupleNode();
  new (&nodes[1]) TupleNode();
  nodes[0].PointTo(&s.minimum, &nodes[1]);
  nodes[1].PointTo(&s.maximum, nullptr);
  return true;
}

// What "unique values" of integers yields.
struct IntegerWithMultiplicity {
  integer value;
  std::int64_t count = 0;
};

struct UniqueIntegers {
  std::map<std::int64_t, std::int64_t> counts;
  std::map<std::int64_t, std::int64_t>::const_iterator position;
};

bool FeedUniqueIntegers(void*, void const*, void const* element, void* state, void const*) {
  ++State<UniqueIntegers>(state).counts[Int(element).get()];
  return false;
}
bool YieldUniqueInteger(void* r, UniqueIntegers const& s) {
  if (s.position == s.counts.end()) return false;
  new (r) IntegerWithMultiplicity{integer(s.position->first), s.position->second};
  return true;
}
bool FirstUniqueInteger(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<UniqueIntegers>(state);
  s.position = s.counts.begin();
  return YieldUniqueInteger(r, s);
}
bool NextUniqueInteger(void* r, void const*, void const*, void* state, void const*) {
  auto& s = State<UniqueIntegers>(state);
  if (s.position != s.counts.end()) ++s.position;
  return YieldUniqueInteger(r, s);
}

bool Multiplicity(void* r, void const*, void const* object, void*, void const*) {
  new (r) integer(static_cast<IntegerWithMultiplicity const*>(object)->count);
  return true;
}

// ---------------------------------------------------------------------------
// The tables. Each entry's address is its record's block.

// The evaluator's operations depend only on their operands: nothing to append.
void OnlyOperands(Fingerprinter&) {}

void FingerprintFourByteCode(Fingerprinter& f, void const* code) {
  auto const* bytes = static_cast<unsigned char const*>(code);
  Fingerprint_Byte_Range(f, bytes, bytes + kFourByteCodeSize);
}

struct BinaryEntry {
  unsigned long code;
  std::string_view left, right, result;
  BinaryOperatorCallback op;
};
constexpr std::string_view kI = kIntegerType, kS = kStringType, kB = kBooleanType;
// (The parentheses keep "->" and "%>" from being read as tokens.)
constexpr BinaryEntry kBinaryOperators[] = {
    {kOperatorPlus, kI, kI, kI, IntegerArithmetic<(::operator+)>},
    {kOperatorMinus, kI, kI, kI, IntegerArithmetic<(::operator-)>},
    {kOperatorTimes, kI, kI, kI, IntegerArithmetic<(::operator*)>},
    {kOperatorDivide, kI, kI, kI, IntegerArithmetic<(::operator/)>},
    {kOperatorModulo, kI, kI, kI, IntegerArithmetic<(::operator%)>},
    {kRelationEqual, kI, kI, kB, IntegerOrder<std::equal_to<>>},
    {kRelationLess, kI, kI, kB, IntegerOrder<std::less<>>},
    {kRelationLessOrEqual, kI, kI, kB, IntegerOrder<std::less_equal<>>},
    {kOperatorConcatenate, kS, kS, kS, StringConcatenate},
    {kRelationEqual, kS, kS, kB, StringOrder<std::equal_to<>>},
    {kRelationLess, kS, kS, kB, StringOrder<std::less<>>},
    {kRelationLessOrEqual, kS, kS, kB, StringOrder<std::less_equal<>>},
    {kRelationStartsWith, kS, kS, kB, StringRelation<StartsWith>},
    {kRelationEndsWith, kS, kS, kB, StringRelation<EndsWith>},
    {kRelationContains, kS, kS, kB, StringRelation<Contains>},
    {kRelationEqual, kB, kB, kB, BooleanEqual},
};

struct CastEntry {
  std::string_view source, target;
  CastCallback cast;
};
constexpr CastEntry kCasts[] = {
    {kI, kS, IntegerAsString},       {kB, kS, BooleanAsString},
    {kS, kI, StringAsInteger},       {kB, kI, BooleanAsInteger},
    {kS, kB, StringAsBoolean},       {kI, kB, IntegerAsBoolean},
    {kFileTypeType, kS, FourByteCodeAsString}, {kFileSignatureType, kS, FourByteCodeAsString},
};

struct AggregateEntry {
  std::string_view name, plural, object, result;
  records::State state;
  PropertyGetter feed, firstFinal, nextFinal;
};
template <class S>
AggregateEntry Aggregate(std::string_view name, std::string_view plural, std::string_view object,
                         std::string_view result, PropertyGetter feed, PropertyGetter firstFinal,
                         PropertyGetter nextFinal = NoResult) {
  records::State const state{sizeof(S), ConstructState<S>, DestroyState<S>};
  return {name, plural, object, result, state, feed, firstFinal, nextFinal};
}

std::string_view IntegerExtremaType() {
  static std::string const name = TupleTypeName({kIntegerType, kIntegerType});
  return name;
}

std::vector<AggregateEntry> const& Aggregates() {
  using IntegerExtremes = Extremes<integer>;
  auto const feedIntegers = FeedExtremes<integer, IntegerLess>;
  static std::vector<AggregateEntry> const table = {
      Aggregate<IntegerExtremes>("minimum", "minima", kI, kI, feedIntegers,
                                 YieldExtreme<integer, &IntegerExtremes::minimum>),
      Aggregate<IntegerExtremes>("maximum", "maxima", kI, kI, feedIntegers,
                                 YieldExtreme<integer, &IntegerExtremes::maximum>),
      Aggregate<IntegerExtremes>("extrema", "extremas", kI, IntegerExtremaType(), feedIntegers,
                                 YieldIntegerExtrema),
      Aggregate<UniqueIntegers>("unique value", "unique values", kI, kIntegerWithMultiplicityType,
                                FeedUniqueIntegers, FirstUniqueInteger, NextUniqueInteger),
      Aggregate<StringExtremes>("minimum", "minima", kS, kS, FeedStringExtremes,
                                YieldStringExtreme<&StringExtremes::minimum>),
      Aggregate<StringExtremes>("maximum", "maxima", kS, kS, FeedStringExtremes,
                                YieldStringExtreme<&StringExtremes::maximum>),
  };
  return table;
}

// The blocks of the records that have no table entry.
struct OtherBlocks {
  char integerWithMultiplicity, fileType, fileSignature, negate, multiplicity;
};
constexpr OtherBlocks kOtherBlocks{};

}  // namespace

void AddEvaluatorOperations(Registry& registry) {
  auto add = [&registry](Registration r) {
    r.origin = Origin::Evaluator;
    registry.Add(std::move(r));
  };
  add(records::Type(&kOtherBlocks.integerWithMultiplicity, kIntegerWithMultiplicityType,
                    sizeof(IntegerWithMultiplicity), nullptr, kIntegerType, nullptr));
  add(records::Type(&kOtherBlocks.fileType, kFileTypeType, kFourByteCodeSize, nullptr, "",
                    FingerprintFourByteCode));
  add(records::Type(&kOtherBlocks.fileSignature, kFileSignatureType, kFourByteCodeSize, nullptr,
                    "", FingerprintFourByteCode));
  for (BinaryEntry const& e : kBinaryOperators) {
    add(records::BinaryOperator(&e, e.code, e.left, e.right, e.result, e.op, nullptr,
                                OnlyOperands));
  }
  add(records::UnaryOperator(&kOtherBlocks.negate, kUnaryMinus, kI, kI, IntegerNegate, nullptr,
                             OnlyOperands));
  for (CastEntry const& e : kCasts) {
    add(records::Cast(&e, e.target, e.source, e.target, e.cast, nullptr, OnlyOperands));
  }
  for (AggregateEntry const& e : Aggregates()) {
    // Each element is fed to the state, which yields its values in the final phase.
    add(records::AggregateProperty(&e, {e.name, e.plural, "", e.object, e.result}, e.state,
                                   {NoResult, NoResult}, {e.feed, NoResult},
                                   {e.firstFinal, e.nextFinal}, nullptr, OnlyOperands));
  }
  add(records::Property(&kOtherBlocks.multiplicity,
                        {"multiplicity", "multiplicities", "", kIntegerWithMultiplicityType, kI},
                        Multiplicity, nullptr, OnlyOperands));
}

}  // namespace evaluator
