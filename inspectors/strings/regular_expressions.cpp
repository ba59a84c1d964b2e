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

regular_expression regular_expression_iterator::First(inspector_string const& pattern, int cflags) {
  std::string const text(MatchBase(pattern), pattern.length);
  for (auto const& held : compiled_) {
    if (held->cflags == cflags && held->pattern == text) {
      return regular_expression{&held->regex.Get()};
    }
  }
  compiled_.push_back(CompiledPatterns().Get(text, cflags));
  return regular_expression{&compiled_.back()->regex.Get()};
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

namespace {

// The leftmost-longest match in [from, end of s), offsets from the start of s.
bool Search(regular_expression const& r, inspector_string const& s, regoff_t from,
            regmatch_t& match) {
  char const* const base = MatchBase(s);
  int const eflags = from > 0 ? REG_NOTBOL : 0;
  return RegExecWithRegStartEnd(*r.compiled, base, base + from, base + s.length, eflags, 1, &match);
}

}  // namespace

boolean Contains(inspector_string const& s, regular_expression const& r) {
  char const* const base = MatchBase(s);
  return RegExecWithRegStartEnd(*r.compiled, base, base, base + s.length, 0, 0, nullptr);
}

boolean operator==(inspector_string const& s, regular_expression const& r) {
  regmatch_t match;
  return Search(r, s, 0, match) && match.rm_so == 0 &&
         static_cast<std::uint32_t>(match.rm_eo) == s.length;
}

boolean operator==(regular_expression const& r, inspector_string const& s) {
  return s == r;
}

boolean StartsWith(inspector_string const& s, regular_expression const& r) {
  regmatch_t match;
  return Search(r, s, 0, match) && match.rm_so == 0;
}

boolean EndsWith(inspector_string const& s, regular_expression const& r) {
  // A search from any offset up to the start of the match it finds finds that same
  // match, so after a match that ends early the next search starts one byte past
  // that match's start.
  regoff_t from = 0;
  while (true) {
    regmatch_t match;
    if (!Search(r, s, from, match)) return false;
    if (static_cast<std::uint32_t>(match.rm_eo) == s.length) return true;
    if (static_cast<std::uint32_t>(match.rm_so) >= s.length) return false;
    from = match.rm_so + 1;
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
