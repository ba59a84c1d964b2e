#include "inspectors/strings/string_delimiters.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/strings/string_search.h"

namespace inspectors {

std::uint32_t FindDelimiter(inspector_string const& delimiter, inspector_string const& s,
                            std::uint32_t from) {
  if (delimiter.length == 0) throw NoSuchObject();
  std::size_t const found = FindFirst(AsConstData(s), AsConstData(delimiter), from);
  if (found == kNotFound) throw NoSuchObject();
  return static_cast<std::uint32_t>(found);
}

template <bool FromFirstDelimiter, bool WithRest>
substring delimited_piece_iterator<FromFirstDelimiter, WithRest>::First(
    inspector_string const& delimiter, Of, inspector_string const& s) {
  start_ = FromFirstDelimiter ? FindDelimiter(delimiter, s, 0) + delimiter.length : 0;
  restReturned_ = false;
  return Next(delimiter, Of{}, s);
}

// The piece from the start to the next delimiter, after which the next piece starts.
// No further delimiter: the rest, once, if it is a piece; else NoSuchObject.
template <bool FromFirstDelimiter, bool WithRest>
substring delimited_piece_iterator<FromFirstDelimiter, WithRest>::Next(
    inspector_string const& delimiter, Of, inspector_string const& s) {
  if (restReturned_) throw NoSuchObject();
  std::uint32_t found = 0;
  try {
    found = FindDelimiter(delimiter, s, start_);
  } catch (NoSuchObject const&) {
    if (!WithRest) throw;
    restReturned_ = true;
    return substring(s, start_, s.length);
  }
  substring const piece(s, start_, found);
  start_ = found + delimiter.length;
  return piece;
}

template class delimited_piece_iterator<false, false>;
template class delimited_piece_iterator<true, false>;
template class delimited_piece_iterator<true, true>;
template class delimited_piece_iterator<false, true>;

namespace {

Prop const substringsBefore("substring before", "substrings before", &word_before_iterator::First,
                            &word_before_iterator::Next, kDependsOnlyOnParameters);
Prop const substringsAfter("substring after", "substrings after", &word_after_iterator::First,
                           &word_after_iterator::Next, kDependsOnlyOnParameters);
Prop const substringsBetween("substring between", "substrings between",
                             &word_between_iterator::First, &word_between_iterator::Next,
                             kDependsOnlyOnParameters);
Prop const substringsSeparatedBy("substring separated by", "substrings separated by",
                                 &word_separated_iterator::First, &word_separated_iterator::Next,
                                 kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
