#include "inspectors/strings/regular_expressions.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

std::shared_ptr<CompiledPattern const> CompiledPatternCache::Get(std::string const& pattern,
                                                                 int cflags) {
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if ((*it)->cflags == cflags && (*it)->pattern == pattern) {
      std::shared_ptr<CompiledPattern const> found = *it;
      entries_.erase(it);
      entries_.push_back(found);
      return found;
    }
  }
  auto compiled = std::make_shared<CompiledPattern const>(CompiledPattern{
      RegComp(pattern.data(), pattern.data() + pattern.size(), cflags), pattern, cflags});
  if (entries_.size() == kCapacity) entries_.erase(entries_.begin());
  entries_.push_back(compiled);
  return compiled;
}

CompiledPatternCache& CompiledPatterns() {
  static CompiledPatternCache cache;
  return cache;
}

namespace {

regular_expression Expression(CompiledPattern const& compiled) noexcept {
  return regular_expression{&compiled.regex.Get(),
                            static_cast<std::uint32_t>(compiled.regex.Cost())};
}

}  // namespace

regular_expression regular_expression_iterator::First(inspector_string const& pattern, int cflags) {
  std::string const text(MatchBase(pattern), pattern.length);
  for (auto const& held : compiled_) {
    if (held->cflags == cflags && held->pattern == text) return Expression(*held);
  }
  compiled_.push_back(CompiledPatterns().Get(text, cflags));
  return Expression(*compiled_.back());
}

regular_expression regular_expression_iterator::FirstCaseSensitive(
    inspector_string const& pattern) {
  return First(pattern, REG_EXTENDED);
}

regular_expression regular_expression_iterator::FirstCaseInsensitive(
    inspector_string const& pattern) {
  return First(pattern, REG_EXTENDED | REG_ICASE);
}

regular_expression regular_expression_iterator::Next(inspector_string const&) {
  throw NoSuchObject();
}

char const* MatchBase(inspector_string const& s) noexcept {
  return s.bytes == nullptr ? "" : reinterpret_cast<char const*>(s.bytes);
}

bool FindMatch(regular_expression const& r, inspector_string const& s, std::uint32_t from,
               std::uint32_t lastStart, std::size_t nmatch, regmatch_t* pmatch, SearchPace& pace) {
  SearchSpan const span{MatchBase(s), from, lastStart, s.length};
  int const eflags = from > 0 ? REG_NOTBOL : 0;
  return SearchInSteps(*r.compiled, span, eflags, nmatch, pmatch, pace,
                       &Check_For_Inspector_Interruption);
}

boolean Contains(inspector_string const& s, regular_expression const& r) {
  SearchPace pace(r.cost);
  return FindMatch(r, s, 0, s.length, 0, nullptr, pace);
}

// A match that starts at 0 is the leftmost one, so these try no other start.
boolean operator==(inspector_string const& s, regular_expression const& r) {
  SearchPace pace(r.cost);
  regmatch_t match;
  return FindMatch(r, s, 0, 0, 1, &match, pace) &&
         static_cast<std::uint32_t>(match.rm_eo) == s.length;
}

boolean operator==(regular_expression const& r, inspector_string const& s) {
  return s == r;
}

boolean StartsWith(inspector_string const& s, regular_expression const& r) {
  SearchPace pace(r.cost);
  return FindMatch(r, s, 0, 0, 0, nullptr, pace);
}

boolean EndsWith(inspector_string const& s, regular_expression const& r) {
  // A search from any offset up to the start of the match it finds finds that same
  // match, so after a match that ends early the next search starts one byte past
  // that match's start.
  SearchPace pace(r.cost);
  std::uint32_t from = 0;
  while (true) {
    regmatch_t match;
    if (!FindMatch(r, s, from, s.length, 1, &match, pace)) return false;
    if (static_cast<std::uint32_t>(match.rm_eo) == s.length) return true;
    if (static_cast<std::uint32_t>(match.rm_so) >= s.length) return false;
    from = static_cast<std::uint32_t>(match.rm_so) + 1;
    Check_For_Inspector_Interruption();
  }
}

namespace {

void ClearCompiledPatterns() {
  CompiledPatterns().Clear();
}

Type<regular_expression, kNotFingerprinted> const regularExpressionType;
Prop const regex("regex", "regexes", &regular_expression_iterator::FirstCaseSensitive,
                 &regular_expression_iterator::Next, kDependsOnlyOnParameters);
Prop const regularExpression("regular expression", "regular expressions",
                             &regular_expression_iterator::FirstCaseSensitive,
                             &regular_expression_iterator::Next, kDependsOnlyOnParameters);
Prop const caseInsensitiveRegex("case insensitive regex", "case insensitive regexes",
                                &regular_expression_iterator::FirstCaseInsensitive,
                                &regular_expression_iterator::Next, kDependsOnlyOnParameters);
Prop const caseInsensitiveRegularExpression("case insensitive regular expression",
                                            "case insensitive regular expressions",
                                            &regular_expression_iterator::FirstCaseInsensitive,
                                            &regular_expression_iterator::Next,
                                            kDependsOnlyOnParameters);
RelationContains<inspector_string, regular_expression> const contains(kDependsOnlyOnParameters,
                                                                      &Contains);
RelationEqual<inspector_string, regular_expression> const equal(kDependsOnlyOnParameters,
                                                                &operator==);
RelationEqual<regular_expression, inspector_string> const equalReversed(kDependsOnlyOnParameters,
                                                                        &operator==);
RelationStartsWith<inspector_string, regular_expression> const startsWith(kDependsOnlyOnParameters,
                                                                          &StartsWith);
RelationEndsWith<inspector_string, regular_expression> const endsWith(kDependsOnlyOnParameters,
                                                                      &EndsWith);
// Lets the evaluator drop the cached expressions.
CacheRegistration<&ClearCompiledPatterns> const compiledPatternCache;

}  // namespace

}  // namespace inspectors
