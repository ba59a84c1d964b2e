// The evaluator's side of the contract between the inspector library and its host.
//
// Everything declared here is implemented by the host (libevaluator). The inspector
// library calls these entry points to register its vocabulary, to obtain result
// memory, to fingerprint values and to reach host services. The host never sees an
// inspector's own headers: this file is the whole of what the two sides share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#define EVALUATOR_API __attribute__((visibility("default")))

// ---------------------------------------------------------------------------
// The evaluator's own value types.

// One byte, 0 or 1. A distinct type (not `bool`) so that templates can tell the
// evaluator's "boolean" apart from other one-byte values.
struct boolean {
  unsigned char value = 0;

  constexpr boolean() noexcept = default;
  constexpr boolean(bool b) noexcept : value(b ? 1 : 0) {}
  constexpr operator bool() const noexcept { return value != 0; }

  static char const* TypeName() noexcept { return "boolean"; }
};
static_assert(sizeof(boolean) == 1);

// A signed 64-bit value with the evaluator's checked arithmetic: every operation
// that would overflow, and every division by zero, throws instead of wrapping.
class integer {
 public:
  constexpr integer() noexcept = default;
  constexpr integer(std::int64_t v) noexcept : value_(v) {}

  constexpr std::int64_t get() const noexcept { return value_; }

  static char const* TypeName() noexcept { return "integer"; }

 private:
  std::int64_t value_ = 0;
};
static_assert(sizeof(integer) == 8);

// A byte pointer followed by an unsigned 32-bit length; it does not own its bytes.
// Strings that inspectors return live in memory from Allocate_Inspector_Memory or
// in static storage.
struct inspector_string {
  unsigned char const* bytes = nullptr;
  std::uint32_t length = 0;

  static char const* TypeName() noexcept { return "string"; }
};

// "No value": what an inspector throws when it has no value for its arguments, and
// what ends a sequence of iterated or aggregated values. The library's own class for
// it (NoSuchObject) derives from this one, so the evaluator recognises a missing
// value with one typed catch of `NoValue const&`, whatever else the object is. Every
// other exception that reaches the evaluator means that evaluation failed.
class EVALUATOR_API NoValue {
 public:
  NoValue() noexcept = default;
  NoValue(NoValue const&) noexcept = default;
  NoValue& operator=(NoValue const&) noexcept = default;
  virtual ~NoValue();
};

// Failures of the evaluator's own arithmetic.
class IntegerOverflow : public std::exception {
 public:
  char const* what() const noexcept override { return "IntegerOverflow"; }
};
class DivisionByZero : public std::exception {
 public:
  char const* what() const noexcept override { return "DivisionByZero"; }
};

EVALUATOR_API integer operator+(integer const& a, integer const& b);
EVALUATOR_API integer operator-(integer const& a, integer const& b);
EVALUATOR_API integer operator-(integer const& a);
EVALUATOR_API integer operator*(integer const& a, integer const& b);
// Floored quotient and a remainder with the sign of the divisor: -7 / 2 is -4 and
// -7 % 2 is 1.
EVALUATOR_API integer operator/(integer const& a, integer const& b);
EVALUATOR_API integer operator%(integer const& a, integer const& b);
EVALUATOR_API boolean operator==(integer const& a, integer const& b);
EVALUATOR_API boolean operator<(integer const& a, integer const& b);
EVALUATOR_API boolean operator<=(integer const& a, integer const& b);
EVALUATOR_API integer absolute_value_of(integer const& a);
// Reinterprets the 64 bits as two's complement, so that 0xffffffffffffffff is -1.
EVALUATOR_API integer integer_of(unsigned long long bits);
EVALUATOR_API integer least_integer_of();
EVALUATOR_API integer greatest_integer_of();
// Decimal text, with '-' for negative values.
EVALUATOR_API std::string asString(integer const& a);
// Parses decimal text with an optional sign; any other text throws.
EVALUATOR_API integer asInteger(inspector_string const& text);

EVALUATOR_API boolean StartsWith(inspector_string const& text, inspector_string const& prefix);
EVALUATOR_API boolean Contains(inspector_string const& text, inspector_string const& part);

// ---------------------------------------------------------------------------
// Fingerprints: what a result depends on, for the evaluator's result cache.

class Fingerprinter;  // the evaluator's accumulator; the library only appends to it

EVALUATOR_API void Fingerprint_Byte_Range(Fingerprinter& f, void const* begin, void const* end);
EVALUATOR_API Fingerprinter& operator<<(Fingerprinter& f, integer const& value);
EVALUATOR_API Fingerprinter& operator<<(Fingerprinter& f, inspector_string const& value);

// ---------------------------------------------------------------------------
// Callback forms.

using FingerprintFunction = void (*)(Fingerprinter&);
using TypeDestroyCallback = void (*)(void const* value);
using TypeFingerprintCallback = void (*)(Fingerprinter&, void const* value);
// Property getters: result (writable, may be null), parameter, object, state
// (iteration or aggregation state), context (the registration object). True means
// a value was produced.
using PropertyGetter = bool (*)(void* result, void const* parameter, void const* object,
                                void* state, void const* context);
using CastCallback = void (*)(void* result, void const* source, void const* context);
using BinaryOperatorCallback = void (*)(void* result, void const* left, void const* right,
                                        void const* context);
using UnaryOperatorCallback = void (*)(void* result, void const* operand, void const* context);
using StateConstructCallback = void (*)(void* state);
using StateDestroyCallback = void (*)(void const* state);
using CacheClearCallback = void (*)(void* context);

// Sizes of the blocks that registration objects lend to the evaluator.
inline constexpr std::size_t kTypeBlockSize = 512;
inline constexpr std::size_t kPropertyBlockSize = 128;
inline constexpr std::size_t kCacheBlockSize = 64;

// Operator codes.
inline constexpr unsigned long kOperatorPlus = 0;
inline constexpr unsigned long kOperatorMinus = 1;
inline constexpr unsigned long kOperatorTimes = 2;
inline constexpr unsigned long kOperatorDivide = 3;
inline constexpr unsigned long kOperatorModulo = 4;
inline constexpr unsigned long kOperatorConcatenate = 5;
inline constexpr unsigned long kRelationEqual = 6;
inline constexpr unsigned long kRelationLess = 7;
inline constexpr unsigned long kRelationLessOrEqual = 8;
inline constexpr unsigned long kRelationStartsWith = 9;
inline constexpr unsigned long kRelationEndsWith = 10;
inline constexpr unsigned long kRelationContains = 11;
inline constexpr unsigned long kUnaryMinus = 0;

// ---------------------------------------------------------------------------
// Registration. Every name is NUL-terminated and stays valid until the library is
// unloaded; "" means none. The block stays lent to the evaluator until the
// matching Unregister_* call.

EVALUATOR_API void Register_Type(void* block, std::size_t blockSize, char const* name,
                                 std::size_t valueSize, TypeDestroyCallback destroy,
                                 char const* baseName, TypeFingerprintCallback fingerprint);
EVALUATOR_API void Register_Property(void* block, std::size_t blockSize, char const* name,
                                     char const* plural, char const* parameterType,
                                     char const* objectType, char const* resultType,
                                     PropertyGetter getter, void const* context,
                                     FingerprintFunction fingerprint);
EVALUATOR_API void Register_Cast(void* block, std::size_t blockSize, char const* name,
                                 char const* sourceType, char const* targetType, CastCallback cast,
                                 void const* context, FingerprintFunction fingerprint);
EVALUATOR_API void Register_Binary_Operator(void* block, std::size_t blockSize, unsigned long code,
                                            char const* leftType, char const* rightType,
                                            char const* resultType, BinaryOperatorCallback op,
                                            void const* context, FingerprintFunction fingerprint);
EVALUATOR_API void Register_Unary_Operator(void* block, std::size_t blockSize, unsigned long code,
                                           char const* operandType, char const* resultType,
                                           UnaryOperatorCallback op, void const* context,
                                           FingerprintFunction fingerprint);
EVALUATOR_API void Register_Iterated_Property(void* block, std::size_t blockSize, char const* name,
                                              char const* plural, char const* parameterType,
                                              char const* objectType, char const* resultType,
                                              std::size_t stateSize,
                                              StateConstructCallback construct,
                                              StateDestroyCallback destroy, PropertyGetter first,
                                              PropertyGetter next, void const* context,
                                              FingerprintFunction fingerprint);
// An aggregate's getters receive the state and, in the element phase, one element
// of the object sequence at a time. An element, and every byte it refers to, lives
// only for the calls that receive it: an aggregator that keeps anything of an
// element (a string's bytes, a copy of a value that points elsewhere) copies it
// into its state, so that an aggregate holds its state and not the elements it has
// read. Memory from Allocate_Inspector_Memory during a call that yields no value
// lives with the state; a value an aggregate yields may refer to its state.
EVALUATOR_API void Register_Aggregate_Property(
    void* block, std::size_t blockSize, char const* name, char const* plural,
    char const* parameterType, char const* objectType, char const* resultType,
    std::size_t stateSize, StateConstructCallback construct, StateDestroyCallback destroy,
    PropertyGetter firstInitial, PropertyGetter nextInitial, PropertyGetter first,
    PropertyGetter next, PropertyGetter firstFinal, PropertyGetter nextFinal, void const* context,
    FingerprintFunction fingerprint);
EVALUATOR_API void Register_Cache(void* block, std::size_t blockSize, CacheClearCallback clear,
                                  void* context);

EVALUATOR_API void Unregister_Type(void* block);
// Withdraws properties of every kind: plain, iterated and aggregate.
EVALUATOR_API void Unregister_Property(void* block);
EVALUATOR_API void Unregister_Cast(void* block);
EVALUATOR_API void Unregister_Binary_Operator(void* block);
EVALUATOR_API void Unregister_Unary_Operator(void* block);
EVALUATOR_API void Unregister_Cache(void* block);

// ---------------------------------------------------------------------------
// Services.

// Memory for text and other data that a result refers to. It lives at least as
// long as the result value made by the current call; the library never frees it.
// A call that yields no value (an iteration's or aggregate's call that returns
// false) gives the memory to the state instead, which keeps it until the state is
// destroyed. Memory allocated while a query runs never outlives it: what the library
// keeps across queries is its own. Throws std::bad_alloc when there is none.
EVALUATOR_API void* Allocate_Inspector_Memory(std::size_t size);

// The evaluator's tuple link: one item and the next node (null after the last).
struct TupleNode {
  void const* item = nullptr;
  TupleNode const* next = nullptr;

  void PointTo(void const* itemAddress, TupleNode const* nextNode) noexcept {
    item = itemAddress;
    next = nextNode;
  }
};

EVALUATOR_API std::string MakeTupleTypeName(char const* first, char const* second);
EVALUATOR_API std::string MakeTupleTypeName(char const* first, char const* second,
                                            char const* third);
// The address of item `index` (from 0) of the tuple whose first node is given;
// null when the tuple has fewer items.
EVALUATOR_API void const* TupleItem(unsigned long index, TupleNode const* first);

// Host services that inspectors reach through the generic context. The host's
// context object derives from each service it offers; the library finds a service
// with dynamic_cast.
class EVALUATOR_API InspectorContext {
 public:
  virtual ~InspectorContext();
};

// The SHA-1 digest of a file as text: 40 lower-case hexadecimal digits.
struct DigestRecord {
  std::uint32_t length = 0;
  char text[44] = {};
};

class EVALUATOR_API CryptoInspectorContext : public virtual InspectorContext {
 public:
  ~CryptoInspectorContext() override;
  // Fills `digest` with the SHA-1 digest text of the file at `path`; failures to
  // read the file throw.
  virtual void SHA1DigestOfFile(char const* path, DigestRecord& digest) = 0;
};

struct FipsStatus {
  boolean currentMode;
  boolean desiredMode;
  std::string failureMessage;
  boolean reserved1;
  boolean reserved2;
  boolean reserved3;
  std::string reservedText;
};

class EVALUATOR_API InspectorFipsContext : public virtual InspectorContext {
 public:
  ~InspectorFipsContext() override;
  // Fills the status record with the machine's cryptographic (FIPS) mode.
  virtual void GetFipsStatus(FipsStatus& status) = 0;
};

// An X.509 certificate as the host reads it from a file. Times are microseconds since
// 1 January 1970 00:00:00 GMT.
struct CertificateRecord {
  DigestRecord sha1;  // of the DER encoding
  std::int64_t notBefore = 0;
  std::int64_t notAfter = 0;
  std::string subject;       // the distinguished name written as in RFC 2253
  std::string issuer;        // the same
  std::string serialNumber;  // upper-case hexadecimal digits, '-' first when negative
};

class EVALUATOR_API CertificateInspectorContext : public virtual InspectorContext {
 public:
  ~CertificateInspectorContext() override;
  // The certificates of the file at `path` in file order: every one of a PEM file
  // (other PEM blocks are skipped), or the one of a DER file. A file that cannot be
  // read, that is no plain file, holds no certificate or a damaged one throws
  // std::runtime_error with a message that names the path.
  virtual std::vector<CertificateRecord> CertificatesOfFile(char const* path) = 0;
};

// The evaluator's current context, or null.
EVALUATOR_API InspectorContext* Get_Generic_Inspector_Context();

// Called inside long loops. Returns normally unless the evaluator wants the loop
// stopped, in which case it throws. It applies to the query running on the calling
// thread: the evaluator calls inspectors on one thread at a time, and a thread the
// library starts itself is never stopped.
EVALUATOR_API void Check_For_Inspector_Interruption();

// One diagnostic line, shown on standard error when the query running on the calling
// thread has diagnostics on. The line is emitted when the message is destroyed;
// without memory for its text, the text is cut short.
class EVALUATOR_API DebugMessage {
 public:
  DebugMessage();
  ~DebugMessage();
  DebugMessage(DebugMessage const&) = delete;
  DebugMessage& operator=(DebugMessage const&) = delete;

  DebugMessage& operator<<(char const* text);
  DebugMessage& operator<<(long number);

 private:
  std::string line_;
};
