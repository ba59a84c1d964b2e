// Matches of a regular expression in a string, and the parts of a match that its
// parenthesized subexpressions matched.
#pragma once

#include <regex.h>

#include <cstdint>
#include <vector>

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/strings/regular_expressions.h"
#include "inspectors/strings/substring.h"

namespace inspectors {

// The matched text as a substring of the searched string, then the offsets of the
// whole match (element 0) and of each subexpression (element k for the k-th), as
// the search that found it reported them. The offsets live in memory that belongs
// to this value, so a later search by the same iterator does not change them.
struct regular_expression_match {
  substring match;
  regmatch_t const* parts = nullptr;
  std::uint32_t partCount = 0;  // the number of subexpressions + 1

  static char const* TypeName() noexcept { return "regular expression match"; }
};

// Every match, overlapping ones included: each search starts one byte after the
// start of the previous match (with REG_NOTBOL, so "^" matches only the first
// time). The matches of "a+" in "baaab" are aaa, aa and a. Each search runs in
// steps that can be interrupted, and a match whose parenthesized parts would take
// too long to find is refused (RegularExpressionMatchFailed).
class regular_expression_match_iterator {
 public:
  regular_expression_match First(regular_expression const& r, Of, inspector_string const& s);
  regular_expression_match Next(regular_expression const& r, Of, inspector_string const& s);
  // For "first match": there is never a second one.
  regular_expression_match NoNext(regular_expression const& r, Of, inspector_string const& s);

 private:
  regular_expression_match Search(regular_expression const& r, inspector_string const& s,
                                  std::uint32_t from);

  std::vector<regmatch_t> matches_;
  SearchPace pace_;  // what the searches of this iteration learned of the matcher
};

// Part n (from 1) of a match. n out of range, or a subexpression that took no part
// in the match: NoSuchObject.
substring MatchPart(integer const& n, Of, regular_expression_match const& m);

// The parts of a match, from part 1; the subexpressions that took no part in the
// match are left out. None for a pattern without subexpressions.
class regular_expression_match_part_iterator {
 public:
  substring First(Of, regular_expression_match const& m);
  substring Next(Of, regular_expression_match const& m);

 private:
  substring FromCursor(regular_expression_match const& m);

  std::uint32_t cursor_ = 0;
};

}  // namespace inspectors
