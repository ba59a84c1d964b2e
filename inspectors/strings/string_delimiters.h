// Cutting a string at the occurrences of a delimiter. The occurrences do not
// overlap: each search resumes after the end of the previous delimiter. An empty
// delimiter never occurs.
//
// For "a:b:c" cut at ":": the pieces before a delimiter are a and b; between two
// delimiters, b; after a delimiter (each up to the next one), b and c; separated by
// the delimiters, a, b and c.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/strings/substring.h"

namespace inspectors {

// The offset of the first occurrence of `delimiter` in `s` at or after `from`.
// None, or an empty delimiter: NoSuchObject.
std::uint32_t FindDelimiter(inspector_string const& delimiter, inspector_string const& s,
                            std::uint32_t from);

// The pieces of a string cut at a delimiter. `FromFirstDelimiter`: the first piece
// starts after the first delimiter, not at the start of the string. `WithRest`: the
// text after the last delimiter is a piece too (the whole string, when there is no
// delimiter and the pieces start at the beginning).
template <bool FromFirstDelimiter, bool WithRest>
class delimited_piece_iterator {
 public:
  substring First(inspector_string const& delimiter, Of, inspector_string const& s);
  substring Next(inspector_string const& delimiter, Of, inspector_string const& s);

 private:
  std::uint32_t start_ = 0;  // where the next piece starts
  bool restReturned_ = false;
};

// The text in front of each delimiter.
using word_before_iterator = delimited_piece_iterator<false, false>;
// The texts between consecutive delimiters.
using word_between_iterator = delimited_piece_iterator<true, false>;
// The text after each delimiter, up to the next one or the end.
using word_after_iterator = delimited_piece_iterator<true, true>;
// Every text around the delimiters, the first and the last included, possibly
// empty. A string without the delimiter is its own single piece.
using word_separated_iterator = delimited_piece_iterator<false, true>;

}  // namespace inspectors
