// A query engine over a registry of the test's own making: records with tiny
// callbacks, parsed, checked and run without loading any library.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/catalog/records.h"
#include "host/catalog/registry.h"
#include "host/evaluation/result_values.h"
#include "host/evaluation/stream.h"
#include "host/query/parser.h"
#include "host/query/type_checker.h"

namespace evaluator::testing {

class QueryEngine {
 public:
  // Adds a record with a block of its own, which is also its context unless it has
  // one.
  Registration const& Add(Registration r) {
    r.block = &blocks_.emplace_back();
    if (r.context == nullptr) r.context = r.block;
    registry_.Add(r);
    return *registry_.FindBlock(r.block);
  }
  void Type(std::string_view name, std::string_view base = "",
            TypeDestroyCallback destroy = nullptr) {
    Add(records::Type(nullptr, name, sizeof(integer), destroy, base, nullptr));
  }
  Registration const& Property(Kind kind, records::Signature const& signature,
                               PropertyGetter getter = nullptr) {
    Registration r = records::Property(nullptr, signature, getter, nullptr, nullptr);
    r.kind = kind;
    return Add(r);
  }

  // Parses and checks; throws SyntaxError or TypeError.
  NodePtr Prepare(std::string const& query) {
    NodePtr root = Parse(queries_.emplace_back(query), registry_);  // literals point into it
    CheckTypes(*root, registry_, types_);
    return root;
  }

  // The text of every value; throws QueryFailure (MissingValue included).
  std::vector<std::string> Run(std::string const& query) {
    NodePtr root = Prepare(query);
    ResultCache cache;
    RunContext run{&cache};
    auto stream = OpenStream(*root, Environment{}, run);
    std::vector<std::string> texts;
    while (ValueRef v = stream->Next()) texts.push_back(ToResultValue(*v, registry_).text);
    return texts;
  }

  // The same, with every value turned into its text only after the query's streams
  // are gone: what shows that a value keeps alive what it refers to.
  std::vector<std::string> RunThenRead(std::string const& query) {
    std::vector<ValueRef> values;
    {
      NodePtr root = Prepare(query);
      ResultCache cache;
      RunContext run{&cache};
      auto stream = OpenStream(*root, Environment{}, run);
      while (ValueRef v = stream->Next()) values.push_back(std::move(v));
    }
    std::vector<std::string> texts;
    for (ValueRef const& v : values) texts.push_back(ToResultValue(*v, registry_).text);
    return texts;
  }

  // The message of the error that preparing or running the query ends with.
  std::string Error(std::string const& query) {
    try {
      Run(query);
    } catch (QueryError const& e) {
      return e.what();
    }
    return "(no error)";
  }

  Registry& registry() { return registry_; }

 private:
  struct Block {
    alignas(16) unsigned char bytes[kPropertyBlockSize];
  };
  std::deque<Block> blocks_;
  std::deque<std::string> queries_;
  Registry registry_;
  TypeTable types_{registry_};
};

using Texts = std::vector<std::string>;

}  // namespace evaluator::testing
