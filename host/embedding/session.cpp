// Session and PreparedQuery: preparing (parse and type-check) and running queries
// against the process-wide registry, each under its session's limits, and listing
// what the registry knows.
#include <algorithm>
#include <chrono>
#include <new>
#include <stdexcept>

#include "host/catalog/registry.h"
#include "host/contract/debug_message.h"
#include "host/contract/interruption.h"
#include "host/contract/memory.h"
#include "host/embedding/embedding.h"
#include "host/embedding/evaluator_lock.h"
#include "host/embedding/prepared_query.h"
#include "host/evaluation/constant_folding.h"
#include "host/evaluation/result_cache.h"
#include "host/evaluation/result_values.h"
#include "host/evaluation/stream.h"
#include "host/query/operators.h"
#include "host/query/parser.h"
#include "host/query/type_checker.h"

namespace evaluator {

void CancelRunningQuery() noexcept {
  RequestCancellation();
}

// ---------------------------------------------------------------------------
// PreparedQuery

PreparedQuery::PreparedQuery() = default;
PreparedQuery::~PreparedQuery() = default;
PreparedQuery::PreparedQuery(PreparedQuery&&) noexcept = default;
PreparedQuery& PreparedQuery::operator=(PreparedQuery&&) noexcept = default;
PreparedQuery::PreparedQuery(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

QueryText::QueryText(std::string text)
    : text_(text.empty() ? nullptr : std::make_shared<std::string const>(std::move(text))) {}
QueryText::QueryText(std::shared_ptr<std::string const> text) noexcept : text_(std::move(text)) {}

std::string const& QueryText::str() const noexcept {
  static std::string const empty;
  return text_ ? *text_ : empty;
}

namespace {

std::optional<Error> const& NoError() {
  static std::optional<Error> const none;
  return none;
}
std::string const& EmptyText() {
  static std::string const empty;
  return empty;
}

}  // namespace

std::optional<Error> const& PreparedQuery::error() const noexcept {
  return impl_ ? impl_->error : NoError();
}
std::string const& PreparedQuery::text() const noexcept {
  return impl_ ? *impl_->text : EmptyText();
}
std::string const& PreparedQuery::type() const noexcept {
  return impl_ ? impl_->type : EmptyText();
}
bool PreparedQuery::plural() const noexcept {
  return impl_ && impl_->plural;
}

// ---------------------------------------------------------------------------
// Session

struct Session::State {
  Options options;
  CancellationCount cancellations{0};
};

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kRunWorthReturningMemory = std::chrono::milliseconds(1);

// A time limit counts from `start`; one too long to reach is none.
std::optional<Clock::time_point> DeadlineOf(Clock::time_point start, Options const& options) {
  if (!options.timeout) return std::nullopt;
  auto const limit = *options.timeout;
  if (limit >
      std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::time_point::max() - start)) {
    return std::nullopt;
  }
  return start + std::chrono::duration_cast<Clock::duration>(limit);
}

// What applies while one query is prepared and run: the session's deadline counted
// from `start`, its cancellation requests, its diagnostics, and an arena for memory
// that inspectors allocate outside any call that makes a value (a destroy or a
// cache-clear callback), given back with the scope.
class RunScope {
 public:
  RunScope(Options const& options, CancellationCount const& cancellations, Clock::time_point start)
      : deadline_(DeadlineOf(start, options), &cancellations),
        debug_(options.debug),
        strays_(straysArena_) {}

 private:
  DeadlineScope deadline_;
  DebugMessagesScope debug_;
  std::shared_ptr<Arena> straysArena_;
  ArenaScope strays_;
};

// Inside a catch block: the error that the current exception means; `column` for an
// interruption that no phrase claimed. Making the error needs memory: without any,
// it is "out of memory", a text short enough to need none.
Error ErrorOfCurrentException(std::size_t column) noexcept {
  try {
    try {
      throw;
    } catch (Cancelled const& e) {
      return Error{Error::Category::Cancelled, "the query was cancelled",
                   e.column != 0 ? e.column : column};
    } catch (Interrupted const& e) {
      return Error{Error::Category::Timeout, "the query ran past its time limit",
                   e.column != 0 ? e.column : column};
    } catch (QueryFailure const& e) {  // MissingValue included
      return Error{Error::Category::Failure, e.what(), e.column()};
    } catch (std::bad_alloc const&) {
    } catch (std::exception const& e) {
      return Error{Error::Category::Failure, e.what(), 0};
    } catch (...) {
      return Error{Error::Category::Failure, "an exception of an unknown type", 0};
    }
  } catch (...) {  // std::bad_alloc while making the error
  }
  return Error{Error::Category::Failure, "out of memory", 0};
}

// Parses and checks `query` against the registry as it is now. Every failure,
// an interruption included, becomes the prepared query's error.
std::unique_ptr<PreparedQuery::Impl> PrepareText(std::shared_ptr<std::string const> query) {
  auto impl = std::make_unique<PreparedQuery::Impl>();
  try {
    impl->text = std::move(query);
    impl->registry = &Registry::Global();
    impl->withdrawals = impl->registry->Withdrawals();
    impl->types = std::make_unique<TypeTable>(*impl->registry);
    impl->root = Parse(*impl->text, *impl->registry);
    CheckTypes(*impl->root, *impl->registry, *impl->types);
    impl->folded = FoldConstants(*impl->root);
    impl->type = impl->root->type->name.text();
    impl->plural = impl->root->plural;
  } catch (SyntaxError const& e) {
    impl->error = Error{Error::Category::Syntax, e.what(), e.column()};
  } catch (TypeError const& e) {
    impl->error = Error{Error::Category::Type, e.what(), e.column()};
  } catch (...) {
    impl->error = ErrorOfCurrentException(0);
  }
  if (impl->error) {
    impl->folded.reset();
    impl->root.reset();
    impl->type.clear();
    impl->plural = false;
  }
  return impl;
}

bool Stale(PreparedQuery::Impl const& prepared) {
  return prepared.withdrawals != Registry::Global().Withdrawals();
}

// Registered cache-clear callbacks. A callback that fails leaves its cache as it is.
void ClearCaches() noexcept {
  try {
    for (Registration const* cache : Registry::Global().Caches()) {
      if (cache->clear != nullptr) cache->clear(const_cast<void*>(cache->context));
    }
  } catch (...) {
  }
}

// Runs a query that checked, appending its values to `result`.
void Execute(PreparedQuery::Impl const& prepared, Result& result) {
  ResultCache cache;
  RunContext run{&cache, prepared.folded.get()};
  auto stream = OpenStream(*prepared.root, Environment{}, run);
  while (ValueRef v = stream->Next()) {
    result.values.push_back(ToResultValue(*v, *prepared.registry));
    CheckInterruption();
  }
}

// Prepares `text` (unless `prepared` is given and still refers only to registrations
// that exist) and runs it, under the session's limits from start to end. Once the
// query is over, its memory is given back: caches are cleared, and after a failed or
// long run what the C library kept of the freed memory is returned to the system.
Result Perform(Options const& options, CancellationCount const& cancellations,
               PreparedQuery::Impl const* prepared, std::string_view text) {
  auto const start = Clock::now();
  Result result;
  {
    RunScope scope(options, cancellations, start);
    std::unique_ptr<PreparedQuery::Impl> fresh;
    std::size_t column = 0;  // of the whole query, for an interruption no phrase claimed
    try {
      // A prepared query's text is shared by its results, not copied into each.
      auto shared =
          prepared != nullptr ? prepared->text : std::make_shared<std::string const>(text);
      result.query = QueryText(shared);
      if (prepared == nullptr || Stale(*prepared)) {
        fresh = PrepareText(std::move(shared));
        prepared = fresh.get();
      }
      result.type = prepared->type;
      result.plural = prepared->plural;
      if (prepared->error) {
        result.error = *prepared->error;
      } else {
        column = prepared->root->column;
        ClearCaches();
        Execute(*prepared, result);
      }
    } catch (...) {
      std::vector<Value>().swap(result.values);
      result.error = ErrorOfCurrentException(column);
    }
    ClearCaches();
  }
  if (result.error) std::vector<Value>().swap(result.values);
  result.elapsed = Clock::now() - start;
  // Returning memory costs a few microseconds, as much as a short query: it is done
  // after runs that failed or were long enough to have made many values.
  if (result.error || result.elapsed >= kRunWorthReturningMemory) ReturnFreedMemory();
  return result;
}

}  // namespace

Session::Session(Options options) : state_(std::make_unique<State>()) {
  state_->options = std::move(options);
}
Session::~Session() = default;

Options const& Session::options() const noexcept {
  return state_->options;
}
void Session::SetOptions(Options options) {
  EvaluatorLock lock;
  state_->options = std::move(options);
}

void Session::Cancel() noexcept {
  RequestCancellation(state_->cancellations);
}

PreparedQuery Session::Prepare(std::string_view query) const {
  EvaluatorLock lock;
  RunScope scope(state_->options, state_->cancellations, Clock::now());
  return PreparedQuery(PrepareText(std::make_shared<std::string const>(query)));
}

Result Session::Run(PreparedQuery const& query) {
  if (query.impl() == nullptr) {
    Result result;
    result.error = Error{Error::Category::Syntax, "no query", 0};
    return result;
  }
  EvaluatorLock lock;
  return Perform(state_->options, state_->cancellations, query.impl(), query.text());
}

Result Session::Evaluate(std::string_view query) {
  EvaluatorLock lock;
  return Perform(state_->options, state_->cancellations, nullptr, query);
}

// ---------------------------------------------------------------------------
// Listing

namespace {

PhraseInfo InfoOf(Registration const& r) {
  PhraseInfo info;
  info.kind = KindName(r.kind);
  info.name = r.name.text();
  info.plural = r.plural.text();
  info.parameterType = r.parameterType.text();
  info.objectType = r.objectType.text();
  info.rightType = r.rightType.text();
  info.resultType = r.resultType.text();
  info.baseType = r.baseType.text();
  if (r.kind == Kind::BinaryOperator || r.kind == Kind::UnaryOperator) {
    info.operatorCode = static_cast<long>(r.operatorCode);
    info.symbol = r.kind == Kind::BinaryOperator ? SpellingOfBinaryCode(r.operatorCode)
                                                 : SpellingOfUnaryCode(r.operatorCode);
  }
  return info;
}

// Every registration worth listing: the library's, then the evaluator's own.
std::vector<Registration const*> Listable() {
  std::vector<Registration const*> all = Registry::Global().All();
  std::erase_if(all, [](Registration const* r) { return r->kind == Kind::Cache; });
  std::stable_partition(all.begin(), all.end(),
                        [](Registration const* r) { return r->origin == Origin::Library; });
  return all;
}

}  // namespace

std::vector<PhraseInfo> Session::List(std::string_view word) const {
  EvaluatorLock lock;
  std::string const lower = AsciiLowerCase(word);
  auto mentions = [&lower](Name const& name) {
    return name.text().find(lower) != std::string::npos;
  };
  std::vector<PhraseInfo> out;
  for (Registration const* r : Listable()) {
    bool const match = lower.empty() || mentions(r->name) || mentions(r->plural) ||
                       mentions(r->parameterType) || mentions(r->objectType) ||
                       mentions(r->rightType) || mentions(r->resultType) || mentions(r->baseType);
    if (match) out.push_back(InfoOf(*r));
  }
  return out;
}

std::vector<PhraseInfo> Session::Describe(std::string_view typeText) const {
  EvaluatorLock lock;
  Registry const& registry = Registry::Global();
  Name const type(typeText);
  if (!registry.IsKnownType(type)) {
    throw std::invalid_argument("unknown type \"" + std::string(typeText) + "\"");
  }
  auto applies = [&](Name const& expected) {
    return !expected.empty() && registry.IsA(type, expected);
  };
  std::vector<PhraseInfo> out;
  for (Registration const* r : Listable()) {
    bool match = false;
    switch (r->kind) {
      case Kind::Type:
        match = r->name == type;
        break;
      case Kind::Cast:
        match = applies(r->objectType) || r->resultType == type;
        break;
      case Kind::BinaryOperator:
        match = applies(r->objectType) || applies(r->rightType);
        break;
      default:
        match = applies(r->objectType);
        break;
    }
    if (match) out.push_back(InfoOf(*r));
  }
  return out;
}

}  // namespace evaluator
