// "unique values" of a sequence of strings: each distinct string once, in byte
// order, with the number of times it occurred.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// `string` comes first, so that a string with multiplicity is usable wherever a
// string is.
struct StringWithMultiplicity {
  inspector_string string;
  std::int64_t multiplicity = 0;

  static char const* TypeName() noexcept { return "string with multiplicity"; }
};

integer Multiplicity(Of, StringWithMultiplicity const& s);

// Counts copies of the elements; the results refer to those copies, which live as
// long as this state.
class unique_strings {
 public:
  void Initialize();
  void Aggregate(Of, inspector_string const& element);
  // Ascending unsigned byte order; a proper prefix comes before its extensions.
  StringWithMultiplicity FirstFinal();
  StringWithMultiplicity NextFinal();

 private:
  using Counts = std::map<std::string, std::int64_t>;

  StringWithMultiplicity Current() const;

  Counts counts_;
  Counts::const_iterator cursor_ = counts_.end();
};

}  // namespace inspectors
