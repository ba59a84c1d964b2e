// The registrations of the real library, as a whole. When two registrations fit a
// phrase equally well, the type checker takes the one registered first, and that
// depends on the order in which the library's files are linked: no two of them may
// be alike in everything the checker looks at.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/catalog/registry.h"
#include "host/embedding/embedding.h"

namespace evaluator {
namespace {

// What the type checker tells registrations apart by: what is looked up (a name or
// plural of a type, property or cast; an operator's code) and the operand types.
using Signature = std::tuple<std::string, std::string, Name, Name, Name>;

std::vector<Signature> SignaturesOf(Registration const& r) {
  auto with = [&r](std::string lookup, std::string key) {
    return Signature{std::move(lookup), std::move(key), r.parameterType, r.objectType, r.rightType};
  };
  switch (r.kind) {
    case Kind::Type:
      return {with("type", r.name.text())};
    case Kind::Cast:
      return {with("cast", r.name.text())};
    case Kind::BinaryOperator:
    case Kind::UnaryOperator:
      return {with(KindName(r.kind), std::to_string(r.operatorCode))};
    case Kind::Cache:
      return {};
    default:  // one lookup finds properties of every kind, by name or plural
      if (r.plural.empty() || r.plural == r.name) return {with("property", r.name.text())};
      return {with("property", r.name.text()), with("property", r.plural.text())};
  }
}

TEST(LibraryRegistrations, NoTwoAreAlikeForTheTypeChecker) {
  Library library(INSPECTORS_LIBRARY_FILE);
  std::map<Signature, std::vector<Registration const*>> bySignature;
  std::size_t count = 0;
  for (Registration const* r : Registry::Global().All()) {
    if (r->origin != Origin::Library) continue;
    ++count;
    for (Signature const& s : SignaturesOf(*r)) bySignature[s].push_back(r);
  }
  EXPECT_GT(count, 100u) << "the library registered too little to be the real one";
  for (auto const& [signature, records] : bySignature) {
    if (records.size() < 2) continue;
    auto const& [lookup, key, parameter, object, right] = signature;
    std::string alike;
    for (Registration const* r : records) {
      alike += "\n  " + Describe(*r) + " -> " + r->resultType.text() + " (registration " +
               std::to_string(r->sequence) + ")";
    }
    ADD_FAILURE() << lookup << " \"" << key << "\" with parameter \"" << parameter
                  << "\", object \"" << object << "\", right \"" << right << "\":" << alike;
  }
}

}  // namespace
}  // namespace evaluator
