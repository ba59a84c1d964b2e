#include "foundation/const_data.h"

namespace inspectors {

ConstData ConstData::operator>>(Data into) const noexcept {
  std::size_t const n = BoundedLength(into.Length());
  if (n != 0) std::memmove(into.begin(), begin_, n);
  return Tail(n);
}

bool ConstData::Contains(ConstData needle) const noexcept {
  if (needle.Empty()) return true;
  return AsStringView().find(needle.AsStringView()) != std::string_view::npos;
}

bool ConstData::StartsWith(ConstData prefix) const noexcept {
  return prefix.Length() <= Length() && Head(prefix.Length()) == prefix;
}

bool ConstData::EndsWith(ConstData suffix) const noexcept {
  return suffix.Length() <= Length() && Tail(Length() - suffix.Length()) == suffix;
}

bool operator==(ConstData a, ConstData b) noexcept {
  return Compare(a, b) == 0;
}

std::strong_ordering operator<=>(ConstData a, ConstData b) noexcept {
  return Compare(a, b) <=> 0;
}

int Compare(ConstData a, ConstData b) noexcept {
  std::size_t const common = std::min(a.Length(), b.Length());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i] != b[i]) return int{a[i]} - int{b[i]};
  }
  if (a.Length() == b.Length()) return 0;
  return a.Length() < b.Length() ? -1 : 1;
}

int CompareReversed(ConstData a, ConstData b) noexcept {
  std::size_t const common = std::min(a.Length(), b.Length());
  for (std::size_t i = 1; i <= common; ++i) {
    byte const x = a[a.Length() - i];
    byte const y = b[b.Length() - i];
    if (x != y) return int{x} - int{y};
  }
  if (a.Length() == b.Length()) return 0;
  return a.Length() < b.Length() ? -1 : 1;
}

Data Data::operator<<(ConstData source) const noexcept {
  std::size_t const n = source.BoundedLength(Length());
  if (n != 0) std::memmove(begin_, source.begin(), n);
  return Tail(n);
}

ConstData Buffer::Write(ConstData source) noexcept {
  std::size_t const n = source.BoundedLength(Length());
  *this = Buffer(*this << source.Head(n));
  return source.Tail(n);
}

std::size_t TotalLength(ConstDataRopeReference rope) noexcept {
  std::size_t total = 0;
  for (ConstData const& piece : rope) total += piece.Length();
  return total;
}

Buffer& operator<<(Buffer& out, ConstDataRopeReference rope) noexcept {
  for (ConstData const& piece : rope) out.Write(piece);
  return out;
}

std::string MakeString(ConstData data) {
  return std::string(data.AsStringView());
}

std::string MakeString(ConstDataRopeReference rope) {
  std::string text;
  text.reserve(TotalLength(rope));
  for (ConstData const& piece : rope) text.append(piece.AsStringView());
  return text;
}

}  // namespace inspectors
