#include "inspectors/strings/html_syntax.h"

namespace inspectors {

namespace {

bool IsLetter(byte b) noexcept {
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

bool IsDigit(byte b) noexcept {
  return b >= '0' && b <= '9';
}

bool IsSpace(byte b) noexcept {
  return b == '\t' || b == '\n' || b == '\f' || b == '\r' || b == ' ';
}

bool IsNameByte(byte b) noexcept {
  switch (b) {
    case 0:
    case '"':
    case '\'':
    case '<':
    case '>':
    case '/':
    case '=':
      return false;
    default:
      return !IsSpace(b);
  }
}

bool IsUnquotedValueByte(byte b) noexcept {
  switch (b) {
    case 0:
    case '"':
    case '\'':
    case '<':
    case '>':
    case '=':
    case '`':
      return false;
    default:
      return !IsSpace(b);
  }
}

}  // namespace

bool IsTagName(ConstData text) noexcept {
  if (text.Empty() || !IsLetter(text[0])) return false;
  for (byte const b : text) {
    if (!IsLetter(b) && !IsDigit(b) && b != '-' && b != '_' && b != ':' && b != '.') return false;
  }
  return true;
}

bool IsAttributeName(ConstData text) noexcept {
  if (text.Empty()) return false;
  for (byte const b : text) {
    if (!IsNameByte(b)) return false;
  }
  return true;
}

AttributeTextKind ClassifyAttributeText(ConstData text) noexcept {
  enum class State {
    kBetween,       // before a name, after whitespace
    kName,          // inside a name
    kAfterName,     // whitespace after a name: '=' or the next name may follow
    kBeforeValue,   // after '='
    kDoubleQuoted,  // inside "..."
    kSingleQuoted,  // inside '...'
    kAfterQuoted,   // right after the closing quote: whitespace must follow
    kUnquoted,      // inside an unquoted value
  };
  State state = State::kBetween;
  for (byte const b : text) {
    switch (state) {
      case State::kBetween:
        if (IsSpace(b)) break;
        if (!IsNameByte(b)) return AttributeTextKind::kInvalid;
        state = State::kName;
        break;
      case State::kName:
        if (IsSpace(b)) {
          state = State::kAfterName;
        } else if (b == '=') {
          state = State::kBeforeValue;
        } else if (!IsNameByte(b)) {
          return AttributeTextKind::kInvalid;
        }
        break;
      case State::kAfterName:
        if (IsSpace(b)) break;
        if (b == '=') {
          state = State::kBeforeValue;
        } else if (IsNameByte(b)) {
          state = State::kName;
        } else {
          return AttributeTextKind::kInvalid;
        }
        break;
      case State::kBeforeValue:
        if (IsSpace(b)) break;
        if (b == '"') {
          state = State::kDoubleQuoted;
        } else if (b == '\'') {
          state = State::kSingleQuoted;
        } else if (IsUnquotedValueByte(b)) {
          state = State::kUnquoted;
        } else {
          return AttributeTextKind::kInvalid;
        }
        break;
      case State::kDoubleQuoted:
        if (b == '"') state = State::kAfterQuoted;
        break;
      case State::kSingleQuoted:
        if (b == '\'') state = State::kAfterQuoted;
        break;
      case State::kAfterQuoted:
        if (!IsSpace(b)) return AttributeTextKind::kInvalid;
        state = State::kBetween;
        break;
      case State::kUnquoted:
        if (IsSpace(b)) {
          state = State::kBetween;
        } else if (!IsUnquotedValueByte(b)) {
          return AttributeTextKind::kInvalid;
        }
        break;
    }
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
