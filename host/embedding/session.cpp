// Session and PreparedQuery: preparing (parse and type-check) and running queries
// against the process-wide registry, and listing what it knows.
#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "host/catalog/registry.h"
#include "host/contract/debug_message.h"
#include "host/contract/interruption.h"
#include "host/embedding/embedding.h"
#include "host/embedding/prepared_query.h"
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
  return impl_ ? impl_->text : EmptyText();
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
  // When Evaluate began: Run then counts the preparing in the time limit and the time.
  std::optional<std::chrono::steady_clock::time_point> started;
};

Session::Session(Options options) : state_(std::make_unique<State>()) {
  state_->options = std::move(options);
}
Session::~Session() = default;

Options const& Session::options() const noexcept {
  return state_->options;
}
void Session::SetOptions(Options options) {
  state_->options = std::move(options);
}

PreparedQuery Session::Prepare(std::string_view query) const {
  auto impl = std::make_unique<PreparedQuery::Impl>();
  impl->text = std::string(query);
  impl->registry = &Registry::Global();
  impl->types = std::make_unique<TypeTable>(*impl->registry);
  ClearCancellation();  // a request that came before this query
  try {
    impl->root = Parse(impl->text, *impl->registry);
    CheckTypes(*impl->root, *impl->registry, *impl->types);
    impl->type = impl->root->type->name.text();
    impl->plural = impl->root->plural;
  } catch (SyntaxError const& e) {
    impl->error = Error{Error::Category::Syntax, e.what(), e.column()};
    impl->root.reset();
  } catch (TypeError const& e) {
    impl->error = Error{Error::Category::Type, e.what(), e.column()};
    impl->root.reset();
  } catch (Cancelled const& e) {
    impl->error = Error{Error::Category::Cancelled, "the query was cancelled", e.column};
    impl->root.reset();
  } catch (Interrupted const& e) {
    impl->error = Error{Error::Category::Timeout, "the query ran past its time limit", e.column};
    impl->root.reset();
  }
  return PreparedQuery(std::move(impl));
}

Result Session::Run(PreparedQuery const& query) {
  auto const start = state_->started.value_or(std::chrono::steady_clock::now());
  state_->started.reset();
  Result result;
  result.query = query.text();
  result.type = query.type();
  result.plural = query.plural();
  PreparedQuery::Impl const* impl = query.impl();
  if (impl == nullptr || query.error() || !impl->root) {
    result.error = query.error() ? *query.error() : Error{Error::Category::Syntax, "no query", 0};
    result.elapsed = std::chrono::steady_clock::now() - start;
    return result;
  }

  SetDebugMessages(state_->options.debug);
  for (Registration const* cache : Registry::Global().Caches()) {
    if (cache->clear != nullptr) cache->clear(const_cast<void*>(cache->context));
  }
  std::optional<std::chrono::steady_clock::time_point> deadline;
  if (state_->options.timeout) {
    deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           *state_->options.timeout);
  }

  ClearCancellation();
  try {
    DeadlineScope scope(deadline);
    ResultCache cache;
    RunContext run{&cache};
    auto stream = OpenStream(*impl->root, Environment{}, run);
    while (ValueRef v = stream->Next()) {
      result.values.push_back(ToResultValue(*v, *impl->registry));
      CheckInterruption();
    }
  } catch (QueryFailure const& e) {  // MissingValue included
    result.error = Error{Error::Category::Failure, e.what(), e.column()};
  } catch (Cancelled const&) {
    result.error = Error{Error::Category::Cancelled, "the query was cancelled", 0};
  } catch (Interrupted const&) {
    result.error = Error{Error::Category::Timeout, "the query ran past its time limit", 0};
  } catch (std::exception const& e) {
    result.error = Error{Error::Category::Failure, e.what(), 0};
  }
  ClearCancellation();  // a request that came too late to stop anything
  if (result.error) result.values.clear();
  result.elapsed = std::chrono::steady_clock::now() - start;
  return result;
}

Result Session::Evaluate(std::string_view query) {
  auto const start = std::chrono::steady_clock::now();
  std::optional<std::chrono::steady_clock::time_point> deadline;
  if (state_->options.timeout) {
    deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                           *state_->options.timeout);
  }
  PreparedQuery prepared;
  {
    DeadlineScope scope(deadline);
    prepared = Prepare(query);
  }
  state_->started = start;
  return Run(prepared);
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
