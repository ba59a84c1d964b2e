#include "inspectors/strings/regular_expression_matches.h"

#include <cstring>
#include <new>

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

// Whether element `index` of the match's offsets is a range of the searched string.
bool Participated(regular_expression_match const& m, std::uint32_t index) noexcept {
  regmatch_t const& part = m.parts[index];
  return part.rm_so >= 0 && part.rm_eo >= part.rm_so &&
         static_cast<std::uint32_t>(part.rm_eo) <= m.match.whole.length;
}

substring Part(regular_expression_match const& m, std::uint32_t index) {
  if (index == 0 || index >= m.partCount || !Participated(m, index)) throw NoSuchObject();
  regmatch_t const& part = m.parts[index];
  return substring(m.match.whole, static_cast<std::uint32_t>(part.rm_so),
                   static_cast<std::uint32_t>(part.rm_eo));
}

}  // namespace

regular_expression_match regular_expression_match_iterator::Search(regular_expression const& r,
                                                                   inspector_string const& s,
                                                                   std::uint32_t from) {
  matches_.assign(r.compiled->re_nsub + 1, regmatch_t{});
  if (!FindMatch(r, s, from, s.length, matches_.size(), matches_.data(), pace_)) {
    throw NoSuchObject();
  }
  // The value gets its own copy of the offsets, in memory that lives as long as it.
  std::size_t const size = matches_.size() * sizeof(regmatch_t);
  void* const memory = Allocate_Inspector_Memory(size);
  std::memcpy(memory, matches_.data(), size);
  regmatch_t const& whole = matches_[0];
  return regular_expression_match{substring(s, static_cast<std::uint32_t>(whole.rm_so),
                                            static_cast<std::uint32_t>(whole.rm_eo)),
                                  std::launder(static_cast<regmatch_t const*>(memory)),
                                  static_cast<std::uint32_t>(matches_.size())};
}

regular_expression_match regular_expression_match_iterator::First(regular_expression const& r, Of,
                                                                  inspector_string const& s) {
  pace_ = SearchPace(r.cost);
  return Search(r, s, 0);
}

regular_expression_match regular_expression_match_iterator::Next(regular_expression const& r, Of,
                                                                 inspector_string const& s) {
  if (matches_.empty()) throw NoSuchObject();
  auto const previousStart = static_cast<std::uint32_t>(matches_[0].rm_so);
  if (previousStart >= s.length) throw NoSuchObject();
  return Search(r, s, previousStart + 1);
}

regular_expression_match regular_expression_match_iterator::NoNext(regular_expression const&, Of,
                                                                   inspector_string const&) {
  throw NoSuchObject();
}

substring MatchPart(integer const& n, Of, regular_expression_match const& m) {
  if (n.get() < 1 || n.get() >= m.partCount) throw NoSuchObject();
  return Part(m, static_cast<std::uint32_t>(n.get()));
}

substring regular_expression_match_part_iterator::FromCursor(regular_expression_match const& m) {
  while (cursor_ < m.partCount && !Participated(m, cursor_)) ++cursor_;
  return Part(m, cursor_);
}

substring regular_expression_match_part_iterator::First(Of, regular_expression_match const& m) {
  cursor_ = 1;
  return FromCursor(m);
}

substring regular_expression_match_part_iterator::Next(Of, regular_expression_match const& m) {
  if (cursor_ < m.partCount) ++cursor_;
  return FromCursor(m);
}

namespace {

// Neither an expression nor a match has a fingerprint, so the evaluator never
// caches these results, although they depend only on their arguments.
DerivedType<regular_expression_match, substring, kNotFingerprinted> const matchType;
Prop const matches("match", "matches", &regular_expression_match_iterator::First,
                   &regular_expression_match_iterator::Next, kDependsOnlyOnParameters);
Prop const firstMatch("first match", "first matches", &regular_expression_match_iterator::First,
                      &regular_expression_match_iterator::NoNext, kDependsOnlyOnParameters);
Prop const parenthesizedParts("parenthesized part", "parenthesized parts",
                              &regular_expression_match_part_iterator::First,
                              &regular_expression_match_part_iterator::Next,
                              kDependsOnlyOnParameters);
Prop const parenthesizedPart("parenthesized part", "parenthesized parts", &MatchPart,
                             kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
