// Ropes: strings built by concatenation without copying. A rope is a tree whose
// text is its left subtree, then its middle piece, then its right subtree; it
// points at its operands and at their bytes, which the evaluator keeps alive while
// the rope lives. With its length, its text and a substring search that streams over
// the pieces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"

namespace inspectors {

struct rope {
  rope const* left = nullptr;
  ConstData middle;
  rope const* right = nullptr;

  static char const* TypeName() noexcept { return "rope"; }

  // The number of bytes of the text, or 2^64 - 1 when there are more. A rope may
  // share subtrees (a rope joined to itself), so its text can be far longer than
  // the memory it takes; each subtree is measured once.
  std::uint64_t Length() const;
};

// Calls f(ConstData piece) for every non-empty piece, in text order, until f returns
// false; returns false when f did. Iterative, so that deep ropes need no deep stack;
// checks for interruption as it goes, since shared subtrees make long walks possible.
template <class F>
bool ForEachPiece(rope const& r, F&& f) {
  std::vector<rope const*> pending;  // visited nodes whose middle and right are still due
  rope const* node = &r;
  std::size_t steps = 0;
  while (true) {
    for (; node != nullptr; node = node->left) pending.push_back(node);
    if (pending.empty()) return true;
    rope const* const current = pending.back();
    pending.pop_back();
    if (!current->middle.Empty() && !f(current->middle)) return false;
    if ((++steps & 0x3ff) == 0) Check_For_Inspector_Interruption();
    node = current->right;
  }
}

// Writes the text in order, truncating what does not fit.
Buffer& operator<<(Buffer& out, rope const& r);

// A search pattern, looked for in each piece of text as a whole, and prepared for
// carrying a partial match from one piece of text to the next. The pattern's bytes
// must outlive the matcher; it is not empty.
class PatternMatcher {
 public:
  explicit PatternMatcher(ConstData pattern) noexcept : pattern_(pattern) {}

  ConstData Pattern() const noexcept { return pattern_; }

  // Whether the pattern occurs in `text`.
  bool OccursIn(ConstData text) const noexcept;

  // For a text shorter than the pattern: the length of its longest suffix that is
  // also a prefix of the pattern.
  std::size_t PrefixMatchedAtEnd(ConstData text);

 private:
  ConstData pattern_;
  // borders_[i]: the length of the longest proper prefix of pattern[0..i] that is
  // also its suffix. Built on first use: a text of one piece never needs it.
  std::vector<std::uint32_t> borders_;
};

// Feeds the pieces of a text, in order, to a search. Nothing of a piece is kept once
// the next one comes: a partial match at the end of the text seen so far is
// remembered as the number of pattern bytes it covers, since those bytes equal the
// pattern's own prefix.
class MatchLoop {
 public:
  explicit MatchLoop(PatternMatcher& matcher) noexcept : matcher_(matcher) {}

  // True once the pattern has occurred in the text fed so far.
  bool Continue(ConstData piece);

 private:
  PatternMatcher& matcher_;
  std::size_t carried_ = 0;    // pattern bytes matched at the end of the text so far
  std::vector<byte> scratch_;  // the carried prefix followed by the piece's head
};

// Inspectors.
rope rope_of(unsigned char const* bytes, unsigned long length);
rope Concatenate(rope const& a, inspector_string const& b);
rope Concatenate(inspector_string const& a, rope const& b);
rope Concatenate(rope const& a, rope const& b);
boolean Contains(rope const& r, inspector_string const& text);
integer length_of(Of, rope const& r);
// A rope longer than a string can be (2^32 - 1 bytes) has no string: NoSuchObject.
inspector_string AsString(rope const& r);

}  // namespace inspectors
