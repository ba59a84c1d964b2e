// Regular expressions (POSIX extended syntax) made from pattern strings, case
// sensitive or not, and the relations between strings and them: equals (the whole
// string matches), contains, starts with and ends with. Matching works on bytes;
// NUL bytes in the searched string are ordinary bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/contract/evaluator.h"
#include "inspectors/strings/posix_regex.h"

namespace inspectors {

// A compiled expression with the pattern and flags it was compiled from.
struct CompiledPattern {
  AutoRegex regex;
  std::string pattern;
  int cflags = 0;
};

// The compiled expressions of the patterns used most recently, shared by every
// state that asks for the same pattern and flags, so that a condition evaluated for
// each of many strings compiles its pattern once. A pattern that does not compile
// is compiled (and fails) each time.
class CompiledPatternCache {
 public:
  static constexpr std::size_t kCapacity = 32;

  std::shared_ptr<CompiledPattern const> Get(std::string const& pattern, int cflags);
  void Clear() noexcept { entries_.clear(); }

 private:
  std::vector<std::shared_ptr<CompiledPattern const>> entries_;  // most recent last
};

CompiledPatternCache& CompiledPatterns();

// Refers to an expression compiled and owned by a regular_expression_iterator; the
// evaluator keeps that state alive as long as the value. `cost` is the PatternCost
// of its pattern, from which a search paces its first calls to the matcher.
struct regular_expression {
  regex_t const* compiled = nullptr;
  std::uint32_t cost = 0;

  static char const* TypeName() noexcept { return "regular expression"; }
};

// The state behind "regex" and its variants: one pattern compiled once.
class regular_expression_iterator {
 public:
  regular_expression FirstCaseSensitive(inspector_string const& pattern);
  regular_expression FirstCaseInsensitive(inspector_string const& pattern);
  // A pattern makes exactly one expression: always NoSuchObject.
  regular_expression Next(inspector_string const& pattern);

  regular_expression First(inspector_string const& pattern, int cflags);

 private:
  // Every expression this state handed out stays compiled until the state goes,
  // so that no value is left pointing at a freed expression.
  std::vector<std::shared_ptr<CompiledPattern const>> compiled_;
};

// The text of a string as the matcher's base pointer: never null.
char const* MatchBase(inspector_string const& s) noexcept;

// The leftmost-longest match of r in s that starts at an offset in [from, lastStart]
// (at most the length of s), found in steps with interruption checks between them
// (SearchInSteps); offsets are from the start of s, and "^" matches only there.
bool FindMatch(regular_expression const& r, inspector_string const& s, std::uint32_t from,
               std::uint32_t lastStart, std::size_t nmatch, regmatch_t* pmatch, SearchPace& pace);

boolean Contains(inspector_string const& s, regular_expression const& r);
// The whole string matches.
boolean operator==(inspector_string const& s, regular_expression const& r);
boolean operator==(regular_expression const& r, inspector_string const& s);
// A match begins at offset 0.
boolean StartsWith(inspector_string const& s, regular_expression const& r);
// A match ends at the end of the string. "^" anchors only at offset 0, so a
// pattern that starts with it ends a string only by matching from its beginning.
// Every relation searches in steps that can be interrupted; strings longer than
// kLongestSearchedText are refused (RegularExpressionMatchFailed).
boolean EndsWith(inspector_string const& s, regular_expression const& r);

}  // namespace inspectors
