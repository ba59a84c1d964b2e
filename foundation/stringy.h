// `Stringy`: the library's owning byte string, a thin layer over std::string that
// adds the byte-string operations the library needs. The empty string and the null
// string are the same value here.
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/const_data.h"

namespace inspectors {

class Stringy {
 public:
  // Returned by Find and FindFromRight when the byte is absent.
  static constexpr long kNotFound = -1;

  Stringy() = default;
  // A null pointer gives the empty string.
  Stringy(char const* text);
  // `length` plus a terminator must fit an unsigned long, else
  // `StringyLengthTooLong`.
  Stringy(void const* bytes, std::size_t length);
  explicit Stringy(ConstData bytes) : Stringy(bytes.begin(), bytes.Length()) {}
  explicit Stringy(std::string text) noexcept : text_(std::move(text)) {}
  // Decimal text.
  explicit Stringy(int value);
  explicit Stringy(unsigned long value);
  explicit Stringy(unsigned long long value);

  std::size_t GetLength() const noexcept { return text_.size(); }
  bool IsEmpty() const noexcept { return text_.empty(); }
  char operator[](std::size_t i) const noexcept { return text_[i]; }
  char const* CString() const noexcept { return text_.c_str(); }
  std::string const& Str() const noexcept { return text_; }
  ConstData Bytes() const noexcept { return ConstData(text_); }
  operator ConstData() const noexcept { return Bytes(); }

  Stringy& operator+=(Stringy const& more);
  Stringy& operator+=(char const* more);
  Stringy& operator+=(char more);
  Stringy& operator+=(ConstData more);

  // Byte-wise; the empty string sorts before every other.
  int Compare(Stringy const& other) const noexcept;
  int CompareNoCase(Stringy const& other) const noexcept;
  bool EqualIgnoringCase(Stringy const& other) const noexcept;

  bool Contains(ConstData part) const noexcept { return Bytes().Contains(part); }
  bool StartsWith(ConstData prefix) const noexcept { return Bytes().StartsWith(prefix); }
  bool StartsWithIgnoringCase(ConstData prefix) const noexcept;
  long Find(char c) const noexcept;
  long FindFromRight(char c) const noexcept;

  void Replace(char from, char to) noexcept;
  void MakeUpper() noexcept;
  void MakeLower() noexcept;

  // Pieces; counts and positions past the end are clamped.
  Stringy Left(std::size_t count) const;
  Stringy Right(std::size_t count) const;
  Stringy Mid(std::size_t first) const;
  Stringy Mid(std::size_t first, std::size_t count) const;

  // White space here is space, TAB, LF and CR.
  void TrimLeft();
  void StripLeadingAndTrailingWhite();
  // The text after the last `separator`, stripped; empty when there is none.
  Stringy SubstringAfterLastSeparator(char separator) const;

  friend bool operator==(Stringy const& a, Stringy const& b) noexcept { return a.text_ == b.text_; }
  friend std::strong_ordering operator<=>(Stringy const& a, Stringy const& b) noexcept {
    return a.Compare(b) <=> 0;
  }
  friend bool operator==(Stringy const& a, char const* b) noexcept {
    return a.Bytes() == ConstData(b);
  }
  friend std::strong_ordering operator<=>(Stringy const& a, char const* b) noexcept {
    return a.Bytes() <=> ConstData(b);
  }

 private:
  std::string text_;
};

Stringy operator+(Stringy a, Stringy const& b);
Stringy operator+(Stringy a, char const* b);
Stringy operator+(Stringy a, char b);

// Appends one string per field of `text` to `fields` and returns how many it
// appended. Fields end at every `separator` byte (so "a," has the fields "a" and
// ""); a zero separator makes the whole text one field. Stops after
// `maximumCount` fields, dropping the rest of the text. Empty text or a maximum of
// 0 appends nothing. With `strip`, each field loses its leading and trailing white.
std::size_t SplitSeparatedStringsIntoArray(ConstData text, char separator,
                                           std::vector<Stringy>& fields, std::size_t maximumCount,
                                           bool strip);

}  // namespace inspectors
