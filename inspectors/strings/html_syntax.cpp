#include "inspectors/strings/html_syntax.h"

#include "foundation/ascii.h"

namespace inspectors {

namespace {

constexpr ByteSet kSpace = ByteSet().Add('\t').Add('\n').Add('\f').Add('\r').Add(' ');
// Bytes that end a name or an unquoted value, or would end the tag.
constexpr ByteSet kDelimiters =
    ByteSet(kSpace).Add(0).Add('"').Add('\'').Add('<').Add('>').Add('=');
constexpr ByteSet kNameBytes = ByteSet(kDelimiters).Add('/').Complement();
constexpr ByteSet kUnquotedValueBytes = ByteSet(kDelimiters).Add('`').Complement();
constexpr ByteSet kTagNameStart = ByteSet().AddRange('A', 'Z').AddRange('a', 'z');
constexpr ByteSet kTagNameBytes =
    ByteSet(kTagNameStart).AddRange('0', '9').Add('-').Add('_').Add(':').Add('.');

bool AllIn(ByteSet const& set, ConstData text) noexcept {
  for (byte const b : text) {
    if (!set.Contains(b)) return false;
  }
  return true;
}

enum class State {
  kBetween,       // before a name, after whitespace
  kName,          // inside a name or after it: '=', whitespace or the next name may follow
  kBeforeValue,   // after '='
  kDoubleQuoted,  // inside "..."
  kSingleQuoted,  // inside '...'
  kAfterQuoted,   // right after the closing quote: whitespace must follow
  kUnquoted,      // inside an unquoted value
  kInvalid,
};

State Next(State state, byte b) noexcept {
  bool const space = kSpace.Contains(b);
  switch (state) {
    case State::kBetween:
    case State::kName:
      if (space) return state;
      if (b == '=' && state == State::kName) return State::kBeforeValue;
      return kNameBytes.Contains(b) ? State::kName : State::kInvalid;
    case State::kBeforeValue:
      if (space) return state;
      if (b == '"') return State::kDoubleQuoted;
      if (b == '\'') return State::kSingleQuoted;
      return kUnquotedValueBytes.Contains(b) ? State::kUnquoted : State::kInvalid;
    case State::kDoubleQuoted:
      return b == '"' ? State::kAfterQuoted : state;
    case State::kSingleQuoted:
      return b == '\'' ? State::kAfterQuoted : state;
    case State::kAfterQuoted:
      return space ? State::kBetween : State::kInvalid;
    case State::kUnquoted:
      if (space) return State::kBetween;
      return kUnquotedValueBytes.Contains(b) ? state : State::kInvalid;
    case State::kInvalid:
      break;
  }
  return State::kInvalid;
}

}  // namespace

bool IsTagName(ConstData text) noexcept {
  return !text.Empty() && kTagNameStart.Contains(text[0]) && AllIn(kTagNameBytes, text);
}

bool IsAttributeName(ConstData text) noexcept {
  return !text.Empty() && AllIn(kNameBytes, text);
}

AttributeTextKind ClassifyAttributeText(ConstData text) noexcept {
  State state = State::kBetween;
  for (byte const b : text) {
    state = Next(state, b);
    if (state == State::kInvalid) return AttributeTextKind::kInvalid;
  }
  switch (state) {
    case State::kBeforeValue:
    case State::kDoubleQuoted:
    case State::kSingleQuoted:
      return AttributeTextKind::kInvalid;
    case State::kUnquoted:
      return AttributeTextKind::kValidEndingInUnquotedValue;
    default:
      return AttributeTextKind::kValid;
  }
}

}  // namespace inspectors
