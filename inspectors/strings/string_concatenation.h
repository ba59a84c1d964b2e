// "concatenation" of a sequence of strings, with or without a delimiter between
// the elements.
#pragma once

#include <vector>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

// The bytes of every element in order. The result refers to this state's storage,
// which is not touched again once the result is made.
class string_concatenation {
 public:
  void Initialize();
  void Concatenate(Of, inspector_string const& element);
  // The delimiter goes between elements only, never before the first or after
  // the last.
  void ConcatenateWithDelimiter(inspector_string const& delimiter, Of,
                                inspector_string const& element);
  inspector_string FirstFinal();
  inspector_string NextFinal();

 private:
  // Throws DataOverflow when the text would grow past what a string can hold.
  void Append(inspector_string const& text);

  std::vector<unsigned char> bytes_;
  bool seenFirst_ = false;
};

}  // namespace inspectors
