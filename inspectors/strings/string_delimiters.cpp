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

namespace {

// The piece from `start` to the next delimiter; `start` moves past that delimiter.
// No further delimiter: NoSuchObject, and `start` stays.
substring PieceUpToDelimiter(inspector_string const& delimiter, inspector_string const& s,
                             std::uint32_t& start) {
  std::uint32_t const found = FindDelimiter(delimiter, s, start);
  substring const piece(s, start, found);
  start = found + delimiter.length;
  return piece;
}

// Like PieceUpToDelimiter, but without a further delimiter the rest of the string
// is the last piece.
substring PieceUpToDelimiterOrEnd(inspector_string const& delimiter, inspector_string const& s,
                                  std::uint32_t& start, bool& lastReturned) {
  if (lastReturned) throw NoSuchObject();
  try {
    return PieceUpToDelimiter(delimiter, s, start);
  } catch (NoSuchObject const&) {
    lastReturned = true;
    return substring(s, start, s.length);
  }
}

std::uint32_t AfterFirstDelimiter(inspector_string const& delimiter, inspector_string const& s) {
  return FindDelimiter(delimiter, s, 0) + delimiter.length;
}

}  // namespace

substring word_before_iterator::First(inspector_string const& delimiter, Of,
                                      inspector_string const& s) {
  start_ = 0;
  return PieceUpToDelimiter(delimiter, s, start_);
}

substring word_before_iterator::Next(inspector_string const& delimiter, Of,
                                     inspector_string const& s) {
  return PieceUpToDelimiter(delimiter, s, start_);
}

substring word_between_iterator::First(inspector_string const& delimiter, Of,
                                       inspector_string const& s) {
  start_ = AfterFirstDelimiter(delimiter, s);
  return PieceUpToDelimiter(delimiter, s, start_);
}

substring word_between_iterator::Next(inspector_string const& delimiter, Of,
                                      inspector_string const& s) {
  return PieceUpToDelimiter(delimiter, s, start_);
}

substring word_after_iterator::First(inspector_string const& delimiter, Of,
                                     inspector_string const& s) {
  start_ = AfterFirstDelimiter(delimiter, s);
  lastReturned_ = false;
  return PieceUpToDelimiterOrEnd(delimiter, s, start_, lastReturned_);
}

substring word_after_iterator::Next(inspector_string const& delimiter, Of,
                                    inspector_string const& s) {
  return PieceUpToDelimiterOrEnd(delimiter, s, start_, lastReturned_);
}

substring word_separated_iterator::First(inspector_string const& delimiter, Of,
                                         inspector_string const& s) {
  start_ = 0;
  lastReturned_ = false;
  return PieceUpToDelimiterOrEnd(delimiter, s, start_, lastReturned_);
}

substring word_separated_iterator::Next(inspector_string const& delimiter, Of,
                                        inspector_string const& s) {
  return PieceUpToDelimiterOrEnd(delimiter, s, start_, lastReturned_);
}

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
