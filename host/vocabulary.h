// What the parser and the type checker may name: the registry's records plus the
// evaluator's own operations, with the library's registrations taking precedence.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/registry.h"

namespace evaluator {

class Vocabulary {
 public:
  explicit Vocabulary(Registry const& registry);

  Registry const& registry() const noexcept { return registry_; }

  // Longest-match support for the parser, over registered and built-in names
  // (lower case, single spaces).
  bool IsNameOrNamePrefix(std::string_view words) const;
  bool IsName(std::string_view words) const;

  // Whether `name` names a type: built-in, registered, the evaluator's own derived
  // types, or a tuple of known types.
  bool IsKnownType(std::string_view name) const;
  // The registration of a registered or evaluator-defined type (null for integer,
  // string, boolean and tuple types).
  Registration const* TypeRecord(std::string_view name) const;
  // How many steps `derived` is from `base` along the chain of bases (0 for the
  // same type; a tuple adds up its items); -1 when a `derived` is not a `base`.
  int Distance(std::string_view derived, std::string_view base) const;

  // Candidates for a phrase, first the library's, then the evaluator's own.
  struct Candidates {
    std::vector<Registration const*> library;
    std::vector<Registration const*> builtin;
    bool empty() const { return library.empty() && builtin.empty(); }
  };
  Candidates Properties(std::string_view name) const;
  Candidates Casts(std::string_view name) const;
  Candidates BinaryOperators(unsigned long code) const;
  Candidates UnaryOperators(unsigned long code) const;

  // The cast named "string" from `type` (or its nearest base) to "string", or null.
  Registration const* StringCast(std::string_view type) const;

 private:
  Registry const& registry_;
};

// Lower case, ASCII only.
std::string LowerCase(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace evaluator
