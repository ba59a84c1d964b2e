// The embedding API of libevaluator: load an inspector library, evaluate query
// texts, get typed values or an error. The `inspect` command, the tests and the
// benchmarks all go through this interface.
//
// Threads. The evaluator and the inspector library behind it serve one call at a
// time in the process: their registry, their inspectors and the inspectors' caches
// are shared by every session and have no locks of their own. So every call of this
// API that reads or changes them (loading and unloading a Library; Prepare, Run,
// Evaluate, SetOptions, List and Describe of any session) takes a process-wide lock:
// sessions may be used from several threads, and their calls take turns. A call
// that waits for another thread's query starts its clock when its turn comes.
// Inspectors run only on the thread that runs the query, and they must not call
// this API themselves: a call made from inside an inspector throws std::logic_error.
// CancelRunningQuery and Session::Cancel take no lock: they are safe from any thread
// and from a signal handler. An embedder must not destroy a Session, a
// PreparedQuery or a Library while another thread uses it, nor read options()
// while another thread sets them.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#define EVALUATOR_EMBEDDING_API __attribute__((visibility("default")))

namespace evaluator {

// A loaded inspector library. Loading runs its registrations; destroying the
// handle unloads it and checks that every registration was withdrawn.
class EVALUATOR_EMBEDDING_API Library {
 public:
  // Loads the shared library at `path`; throws std::runtime_error with the loader's
  // message when it cannot.
  explicit Library(std::filesystem::path const& path);
  ~Library();
  Library(Library const&) = delete;
  Library& operator=(Library const&) = delete;

  std::filesystem::path const& Path() const noexcept;

  // Unloads now (idempotent) and returns a description of every registration the
  // library left behind ("kind name" each), empty when it withdrew everything.
  std::vector<std::string> Unload();

 private:
  std::filesystem::path path_;
  void* handle_ = nullptr;
};

// One value of a result, in the forms a caller may want.
struct Value {
  enum class Kind { Boolean, Integer, String, Tuple, Other };
  Kind kind = Kind::Other;
  std::string type;          // its type name
  std::string text;          // its "string" form; a tuple's items joined by ", "
  std::int64_t integer = 0;  // Kind::Integer
  bool boolean = false;      // Kind::Boolean
  std::vector<Value> items;  // Kind::Tuple
};

struct Error {
  enum class Category {
    Syntax,     // the text is not a query
    Type,       // the query does not type-check
    Failure,    // evaluation failed (an exception, no such object, overflow, ...)
    Timeout,    // the query ran past its time limit
    Cancelled,  // CancelRunningQuery stopped it
  };
  Category category = Category::Failure;
  std::string message;     // one line, without the caret
  std::size_t column = 0;  // 1-based column of the offending token; 0 when none
};

// The text of a query. The results of the runs of one prepared query share a single
// copy of it, so that a run does not copy a long query (a megabyte literal, say).
class EVALUATOR_EMBEDDING_API QueryText {
 public:
  QueryText() noexcept = default;
  QueryText(std::string text);  // NOLINT(google-explicit-constructor): set from a string
  explicit QueryText(std::shared_ptr<std::string const> text) noexcept;

  std::string const& str() const noexcept;
  operator std::string_view() const noexcept { return str(); }  // NOLINT
  friend bool operator==(QueryText const& a, std::string_view b) noexcept { return a.str() == b; }

 private:
  std::shared_ptr<std::string const> text_;  // null: the empty text
};

struct Result {
  QueryText query;
  std::string type;     // the static type of the query
  bool plural = false;  // whether the query is a plural phrase
  std::vector<Value> values;
  std::optional<Error> error;
  // Preparing (for Evaluate) and running, up to the last value converted.
  std::chrono::nanoseconds elapsed{0};
};

// A session's settings. They apply to each of its queries alone: two sessions with
// different settings do not affect each other.
struct Options {
  // Stops a query once this much time has passed since it started, preparing
  // included; none when empty.
  std::optional<std::chrono::nanoseconds> timeout;
  // Diagnostics (DebugMessage lines) to standard error while this session's queries
  // run.
  bool debug = false;
};

// A query that was parsed and type-checked, ready to be run many times.
//
// It refers to the registrations it was checked against. Once a registration has
// been withdrawn (a Library unloaded), Run no longer trusts it: it prepares the
// query again from its text, as Evaluate would, at every run, and reports what that
// gives (a type error when a phrase is gone). Prepare the query again to pay for
// that once; error(), type() and plural() keep describing the first preparation.
class EVALUATOR_EMBEDDING_API PreparedQuery {
 public:
  PreparedQuery();
  ~PreparedQuery();
  PreparedQuery(PreparedQuery&&) noexcept;
  PreparedQuery& operator=(PreparedQuery&&) noexcept;

  // The parse or type error, if the query could not be prepared.
  std::optional<Error> const& error() const noexcept;
  std::string const& text() const noexcept;
  std::string const& type() const noexcept;
  bool plural() const noexcept;

  struct Impl;
  explicit PreparedQuery(std::unique_ptr<Impl> impl);
  Impl const* impl() const noexcept { return impl_.get(); }

 private:
  std::unique_ptr<Impl> impl_;
};

// One registered phrase, for listing and describing.
struct PhraseInfo {
  std::string kind;  // "type", "property", "cast", "binary operator", ...
  std::string name;
  std::string plural;
  std::string parameterType;
  std::string objectType;  // the source of a cast, the left or only operand
  std::string rightType;
  std::string resultType;
  std::string baseType;    // types only
  long operatorCode = -1;  // operators only
  std::string symbol;      // operators only: as written in a query ("+", "starts with")
};

// Asks the query running now, in any session, to stop at its next interruption
// check; it then ends with a Cancelled error. A request made while no query runs is
// dropped when the next one starts. Safe to call from a signal handler.
EVALUATOR_EMBEDDING_API void CancelRunningQuery() noexcept;

// Evaluates queries against whatever libraries are loaded.
class EVALUATOR_EMBEDDING_API Session {
 public:
  explicit Session(Options options = {});
  ~Session();
  Session(Session const&) = delete;
  Session& operator=(Session const&) = delete;

  Options const& options() const noexcept;
  void SetOptions(Options options);

  // Asks the query that this session is running, if any, to stop at its next
  // interruption check, as CancelRunningQuery does for every session. Safe to call
  // from another thread and from a signal handler.
  void Cancel() noexcept;

  // Preparing is bounded by the session's time limit too: a query stopped while
  // being prepared has a Timeout or Cancelled error.
  PreparedQuery Prepare(std::string_view query) const;
  // A failure of any kind is the result's error, running out of memory included
  // ("out of memory"); only misuse (a call from inside an inspector) throws.
  Result Run(PreparedQuery const& query);
  Result Evaluate(std::string_view query);  // Prepare and Run, within one time limit

  // Every registration whose name, plural or types contain `word` (all when empty),
  // the evaluator's own operations included.
  std::vector<PhraseInfo> List(std::string_view word = {}) const;
  // Everything that applies to a type: properties of it, casts from and to it,
  // operators on it, and its base. Throws std::invalid_argument for an unknown type.
  std::vector<PhraseInfo> Describe(std::string_view type) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace evaluator
