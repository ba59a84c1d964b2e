#include "inspectors/strings/rope.h"

#include <string.h>

#include <limits>
#include <unordered_map>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/os_error.h"
#include "foundation/overflow.h"
#include "framework/inspector.h"

namespace inspectors {

std::uint64_t rope::Length() const {
  constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max();
  auto sum = [](std::uint64_t a, std::uint64_t b) { return CanAdd(a, b) ? a + b : kMost; };
  // Post-order walk; a node's length is known once both subtrees' are.
  std::unordered_map<rope const*, std::uint64_t> lengths;
  auto known = [&](rope const* node) { return node == nullptr || lengths.contains(node); };
  auto lengthOf = [&](rope const* node) { return node == nullptr ? 0 : lengths.at(node); };
  std::vector<rope const*> pending{this};
  std::size_t steps = 0;
  while (!pending.empty()) {
    rope const* const node = pending.back();
    if (known(node)) {
      pending.pop_back();
    } else if (!known(node->left)) {
      pending.push_back(node->left);
    } else if (!known(node->right)) {
      pending.push_back(node->right);
    } else {
      lengths[node] = sum(sum(lengthOf(node->left), node->middle.Length()), lengthOf(node->right));
      pending.pop_back();
    }
    if ((++steps & 0x3ff) == 0) Check_For_Inspector_Interruption();
  }
  return lengths.at(this);
}

Buffer& operator<<(Buffer& out, rope const& r) {
  ForEachPiece(r, [&](ConstData piece) {
    out.Write(piece);
    return true;
  });
  return out;
}

bool PatternMatcher::OccursIn(ConstData text) const noexcept {
  std::size_t const m = pattern_.Length();
  if (m == 0) return true;
  if (text.Length() < m) return false;
  return ::memmem(text.begin(), text.Length(), pattern_.begin(), m) != nullptr;
}

std::size_t PatternMatcher::PrefixMatchedAtEnd(ConstData text) {
  std::size_t const m = pattern_.Length();
  if (text.Empty()) return 0;
  if (borders_.empty()) {
    borders_.assign(m, 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < m; ++i) {
      while (k > 0 && pattern_[i] != pattern_[k]) k = borders_[k - 1];
      if (pattern_[i] == pattern_[k]) ++k;
      borders_[i] = k;
    }
  }
  // The text is shorter than the pattern, so the state never reaches a full match.
  std::size_t k = 0;
  for (byte const b : text) {
    while (k > 0 && pattern_[k] != b) k = borders_[k - 1];
    if (pattern_[k] == b) ++k;
  }
  return k;
}

bool MatchLoop::Continue(ConstData piece) {
  ConstData const pattern = matcher_.Pattern();
  if (pattern.Empty()) return true;
  std::size_t const keep = pattern.Length() - 1;  // at most this much can be a partial match
  ConstData joined;                               // the carried prefix and the piece's head
  if (carried_ > 0) {
    // Windows that begin in the carried prefix end within `keep` bytes of the piece.
    ConstData const head = piece.Head(keep);
    scratch_.assign(pattern.begin(), pattern.begin() + carried_);
    scratch_.insert(scratch_.end(), head.begin(), head.end());
    joined = ConstData(scratch_.data(), scratch_.size());
    if (matcher_.OccursIn(joined)) return true;
  }
  if (matcher_.OccursIn(piece)) return true;
  // The last `keep` bytes of the text so far: all in the piece, or, for a short
  // piece, the carried prefix and the piece together.
  ConstData const recent = piece.Length() >= keep || carried_ == 0 ? piece : joined;
  carried_ = matcher_.PrefixMatchedAtEnd(recent.Tail(recent.Length() - recent.BoundedLength(keep)));
  return false;
}

rope rope_of(unsigned char const* bytes, unsigned long length) {
  return rope{nullptr, ConstData(bytes, length), nullptr};
}

rope Concatenate(rope const& a, inspector_string const& b) {
  return rope{&a, AsConstData(b), nullptr};
}

rope Concatenate(inspector_string const& a, rope const& b) {
  return rope{nullptr, AsConstData(a), &b};
}

rope Concatenate(rope const& a, rope const& b) {
  return rope{&a, ConstData(), &b};
}

boolean Contains(rope const& r, inspector_string const& text) {
  if (text.length == 0) return boolean(true);
  PatternMatcher matcher(AsConstData(text));
  MatchLoop loop(matcher);
  return boolean(!ForEachPiece(r, [&](ConstData piece) { return !loop.Continue(piece); }));
}

integer length_of(Of, rope const& r) {
  std::uint64_t const length = r.Length();
  if (length > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    throw NoSuchObject();
  }
  return integer(static_cast<std::int64_t>(length));
}

inspector_string AsString(rope const& r) {
  std::uint64_t const length = r.Length();
  if (length > std::numeric_limits<std::uint32_t>::max()) throw NoSuchObject();
  if (length == 0) return CopyToInspectorString(ConstData());
  auto* const memory = static_cast<byte*>(Allocate_Inspector_Memory(length));
  if (memory == nullptr) ThrowRealOSError(kMemoryFullCode);
  Buffer out(memory, length);
  out << r;
  return AsInspectorString(ConstData(memory, memory + length));
}

namespace {

Type<rope, kNotFingerprinted> const ropeType;
NamedGlobalProperty<rope> const ropeOfText("rope", "ropes", &rope_of, kDependsOnlyOnParameters);
OperatorConcatenate<rope, inspector_string, rope> const ropeAndString(kDependsOnlyOnParameters,
                                                                      &Concatenate);
OperatorConcatenate<inspector_string, rope, rope> const stringAndRope(kDependsOnlyOnParameters,
                                                                      &Concatenate);
OperatorConcatenate<rope, rope, rope> const ropeAndRope(kDependsOnlyOnParameters, &Concatenate);
RelationContains<rope, inspector_string> const ropeContains(kDependsOnlyOnParameters, &Contains);
Prop const length("length", "lengths", &length_of, kDependsOnlyOnParameters);
Cast<rope, inspector_string> const ropeAsString("string", &AsString, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
