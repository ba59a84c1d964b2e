// A query engine over a registry of the test's own making: records with tiny
// callbacks, parsed, checked and run without loading any library.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/query/parser.h"
#include "host/catalog/records.h"
#include "host/catalog/registry.h"
#include "host/evaluation/result_cache.h"
#include "host/evaluation/result_values.h"
#include "host/evaluation/stream.h"
#include "host/query/type_checker.h"
#include "host/evaluation/values.h"

namespace evaluator::testing {

class QueryEngine {
 public:
  // Adds a record; every record gets a block of its own.
  Registration const& Add(Registration r) {
    blocks_.emplace_back();
    r.block = &blocks_.back();
    if (r.context == nullptr) r.context = r.block;
    registry_.Add(r);
    for (Registration const* added : registry_.All()) {
      if (added->block == r.block) return *added;
    }
    throw std::logic_error("record not added");
  }

  Registration const& Type(std::string_view name, std::size_t size, std::string_view base = "",
                           TypeDestroyCallback destroy = nullptr) {
    return Add(records::Type(nullptr, name, size, destroy, base, nullptr));
  }

  // Parses and checks; throws SyntaxError or TypeError.
  NodePtr Prepare(std::string const& query) {
    queries_.push_back(query);
    NodePtr root = Parse(queries_.back(), registry_);
    CheckTypes(*root, registry_, types_);
    return root;
  }

  // The text of every value; throws MissingValue or QueryFailure.
  std::vector<std::string> Run(std::string const& query) {
    NodePtr root = Prepare(query);
    ResultCache cache;
    RunContext run{&cache};
    auto stream = OpenStream(*root, Environment{}, run);
    std::vector<std::string> texts;
    while (ValueRef v = stream->Next()) texts.push_back(ToResultValue(*v, registry_).text);
    return texts;
  }

  Registry& registry() { return registry_; }

 private:
  struct Block {
    alignas(16) unsigned char bytes[kPropertyBlockSize];
  };
  std::deque<Block> blocks_;
  std::deque<std::string> queries_;  // the trees' literals point into their query
  Registry registry_;
  TypeTable types_{registry_};
};

inline Registration PropertyRecord(Kind kind, std::string_view name, std::string_view plural,
                                   std::string_view parameter, std::string_view object,
                                   std::string_view result) {
  Registration r = records::Property(nullptr, {name, plural, parameter, object, result}, nullptr,
                                     nullptr, nullptr);
  r.kind = kind;
  return r;
}

}  // namespace evaluator::testing
