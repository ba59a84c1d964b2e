#include "foundation/stringy.h"

#include <algorithm>
#include <limits>

#include "foundation/ascii.h"

namespace inspectors {
namespace {

void CheckLength(std::size_t length) {
  if (length >= std::numeric_limits<unsigned long>::max()) throw StringyLengthTooLong();
}

bool IsWhite(char c) {
  return Ascii::WhiteSpace().Contains(static_cast<byte>(c));
}

ConstData StripWhite(ConstData text) {
  std::size_t first = 0;
  std::size_t last = text.Length();
  while (first < last && Ascii::WhiteSpace().Contains(text[first])) ++first;
  while (last > first && Ascii::WhiteSpace().Contains(text[last - 1])) --last;
  return text.Middle(first, last);
}

}  // namespace

Stringy::Stringy(char const* text) : Stringy(ConstData(text)) {}

Stringy::Stringy(void const* bytes, std::size_t length) {
  CheckLength(length);
  if (length != 0) text_.assign(static_cast<char const*>(bytes), length);
}

Stringy::Stringy(int value) : text_(std::to_string(value)) {}
Stringy::Stringy(unsigned long value) : text_(std::to_string(value)) {}
Stringy::Stringy(unsigned long long value) : text_(std::to_string(value)) {}

Stringy& Stringy::operator+=(Stringy const& more) {
  return *this += more.Bytes();
}
Stringy& Stringy::operator+=(char const* more) {
  return *this += ConstData(more);
}
Stringy& Stringy::operator+=(char more) {
  CheckLength(text_.size() + 1);
  text_.push_back(more);
  return *this;
}
Stringy& Stringy::operator+=(ConstData more) {
  if (more.Length() > std::numeric_limits<unsigned long>::max() - text_.size()) {
    throw StringyLengthTooLong();
  }
  CheckLength(text_.size() + more.Length());
  text_.append(more.AsStringView());
  return *this;
}

int Stringy::Compare(Stringy const& other) const noexcept {
  return inspectors::Compare(Bytes(), other.Bytes());
}

int Stringy::CompareNoCase(Stringy const& other) const noexcept {
  return Ascii::CompareLowercase(Bytes(), other.Bytes());
}

bool Stringy::EqualIgnoringCase(Stringy const& other) const noexcept {
  return Ascii::EqualIgnoringCase(Bytes(), other.Bytes());
}

bool Stringy::StartsWithIgnoringCase(ConstData prefix) const noexcept {
  return prefix.Length() <= GetLength() &&
         Ascii::EqualIgnoringCase(Bytes().Head(prefix.Length()), prefix);
}

long Stringy::Find(char c) const noexcept {
  std::size_t const at = text_.find(c);
  return at == std::string::npos ? kNotFound : static_cast<long>(at);
}

long Stringy::FindFromRight(char c) const noexcept {
  std::size_t const at = text_.rfind(c);
  return at == std::string::npos ? kNotFound : static_cast<long>(at);
}

void Stringy::Replace(char from, char to) noexcept {
  std::replace(text_.begin(), text_.end(), from, to);
}

void Stringy::MakeUpper() noexcept {
  for (char& c : text_) c = static_cast<char>(Ascii::ToUpper(static_cast<byte>(c)));
}

void Stringy::MakeLower() noexcept {
  for (char& c : text_) c = static_cast<char>(Ascii::ToLower(static_cast<byte>(c)));
}

Stringy Stringy::Left(std::size_t count) const {
  return Stringy(Bytes().Head(count));
}

Stringy Stringy::Right(std::size_t count) const {
  return Stringy(Bytes().Tail(GetLength() - std::min(count, GetLength())));
}

Stringy Stringy::Mid(std::size_t first) const {
  return Stringy(Bytes().Tail(first));
}

Stringy Stringy::Mid(std::size_t first, std::size_t count) const {
  return Stringy(Bytes().Tail(first).Head(count));
}

void Stringy::TrimLeft() {
  auto const firstKept = std::find_if_not(text_.begin(), text_.end(), IsWhite);
  text_.erase(text_.begin(), firstKept);
}

void Stringy::StripLeadingAndTrailingWhite() {
  *this = Stringy(StripWhite(Bytes()));
}

Stringy Stringy::SubstringAfterLastSeparator(char separator) const {
  long const at = FindFromRight(separator);
  if (at == kNotFound) return Stringy();
  return Stringy(StripWhite(Bytes().Tail(static_cast<std::size_t>(at) + 1)));
}

Stringy operator+(Stringy a, Stringy const& b) {
  return a += b;
}
Stringy operator+(Stringy a, char const* b) {
  return a += b;
}
Stringy operator+(Stringy a, char b) {
  return a += b;
}

std::size_t SplitSeparatedStringsIntoArray(ConstData text, char separator,
                                           std::vector<Stringy>& fields, std::size_t maximumCount,
                                           bool strip) {
  std::size_t appended = 0;
  if (text.Empty()) return appended;
  ConstData rest = text;
  while (appended < maximumCount) {
    std::size_t cut = rest.Length();
    if (separator != 0) {
      byte const* found = std::find(rest.begin(), rest.end(), static_cast<byte>(separator));
      cut = static_cast<std::size_t>(found - rest.begin());
    }
    ConstData const field = rest.Head(cut);
    fields.emplace_back(strip ? StripWhite(field) : field);
    ++appended;
    if (cut == rest.Length()) break;  // the last field
    rest = rest.Tail(cut + 1);
  }
  return appended;
}

}  // namespace inspectors
