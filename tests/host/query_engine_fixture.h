// A query engine over a registry of the test's own making: records with tiny
// callbacks, parsed, checked and run without loading any library.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/parser.h"
#include "host/registry.h"
#include "host/result_cache.h"
#include "host/result_values.h"
#include "host/streams.h"
#include "host/type_checker.h"
#include "host/values.h"
#include "host/vocabulary.h"

namespace inspectors {
// The library's "no value", recognised by the evaluator through its name.
class NoSuchObject {};
}  // namespace inspectors

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

  Registration& Type(std::string name, std::size_t size, std::string base = "",
                     TypeDestroyCallback destroy = nullptr,
                     TypeFingerprintCallback fingerprint = nullptr) {
    Registration r;
    r.kind = Kind::Type;
    r.name = std::move(name);
    r.valueSize = size;
    r.baseType = std::move(base);
    r.destroyValue = destroy;
    r.fingerprintValue = fingerprint;
    return const_cast<Registration&>(Add(r));
  }

  // Parses and checks; throws SyntaxError or TypeError.
  NodePtr Prepare(std::string const& query) {
    queries_.push_back(query);
    NodePtr root = Parse(queries_.back(), vocabulary_);
    CheckTypes(*root, vocabulary_, types_);
    return root;
  }

  // The text of every value; throws MissingValue or QueryFailure.
  std::vector<std::string> Run(std::string const& query) {
    NodePtr root = Prepare(query);
    ResultCache cache;
    RunContext run{&cache};
    auto stream = OpenStream(*root, Environment{}, run);
    std::vector<std::string> texts;
    while (ValueRef v = stream->Next()) texts.push_back(ToResultValue(*v, vocabulary_).text);
    return texts;
  }

  Registry& registry() { return registry_; }
  Vocabulary const& vocabulary() const { return vocabulary_; }
  TypeTable& types() { return types_; }

 private:
  struct Block {
    alignas(16) unsigned char bytes[kPropertyBlockSize];
  };
  std::deque<Block> blocks_;
  std::deque<std::string> queries_;  // the trees' literals point into their query
  Registry registry_;
  Vocabulary vocabulary_{registry_};
  TypeTable types_{vocabulary_};
};

inline Registration PropertyRecord(Kind kind, std::string name, std::string plural,
                                   std::string parameter, std::string object, std::string result) {
  Registration r;
  r.kind = kind;
  r.name = std::move(name);
  r.plural = std::move(plural);
  r.parameterType = std::move(parameter);
  r.objectType = std::move(object);
  r.resultType = std::move(result);
  return r;
}

}  // namespace evaluator::testing
