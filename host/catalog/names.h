// Names of types, properties and casts as the evaluator compares them, the names of
// its own types, and the composition of tuple type names.
#pragma once

#include <compare>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace evaluator {

// A name in the one form in which names are compared, hashed and indexed: ASCII
// letters in lower case, every run of blanks (spaces, tabs) one space, none at either
// end. "Bit  Set" and "bit set" are the same Name. The text is folded once, when the
// Name is made.
class Name {
 public:
  Name() = default;
  explicit Name(std::string_view text);

  std::string const& text() const noexcept { return text_; }
  bool empty() const noexcept { return text_.empty(); }

  friend bool operator==(Name const&, Name const&) = default;
  friend std::strong_ordering operator<=>(Name const&, Name const&) = default;
  // Whether `text`, written in any case and spacing, is this name.
  friend bool operator==(Name const& name, std::string_view text) noexcept;

 private:
  std::string text_;
};

std::ostream& operator<<(std::ostream& out, Name const& name);

struct NameHash {
  std::size_t operator()(Name const& name) const noexcept {
    return std::hash<std::string>{}(name.text());
  }
};

// ASCII letters in lower case; everything else as it is.
std::string AsciiLowerCase(std::string_view text);

// The evaluator's own types.
inline constexpr std::string_view kIntegerType = "integer";
inline constexpr std::string_view kStringType = "string";
inline constexpr std::string_view kBooleanType = "boolean";
// What "unique values" of integers yields: an integer with its count.
inline constexpr std::string_view kIntegerWithMultiplicityType = "integer with multiplicity";
// Four-byte codes of a file's type and of its creator, which the library's file
// properties yield.
inline constexpr std::string_view kFileTypeType = "file type";
inline constexpr std::string_view kFileSignatureType = "file signature";
// The cast that gives a value's text is named after its target type.
inline constexpr std::string_view kStringCast = kStringType;

// Tuple type names: "(a, b)", "(a, b, c)". The tuple type name of the item types.
std::string TupleTypeName(std::vector<std::string_view> const& items);

// A tuple of a named kind has that kind's tag right before the parentheses:
// "timed(time range, integer)" is a time range paired with a value, as the library
// composes it. A tagged tuple is a kind of the plain tuple of the same items, and
// has the same items.
inline constexpr std::string_view kTimedTupleTag = "timed";

// The item type names of a tuple type name, plain or tagged, outermost level only
// (nested tuple names stay whole); empty when `name` is not a tuple type name of two
// or more items.
std::vector<std::string_view> SplitTupleTypeName(std::string_view name);
// The tag of a tuple type name; empty for a plain tuple, or a name that is no tuple.
std::string_view TupleTag(std::string_view name);

inline bool IsTupleTypeName(std::string_view name) {
  return !SplitTupleTypeName(name).empty();
}

}  // namespace evaluator
