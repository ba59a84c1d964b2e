#include "foundation/ascii.h"

#include <algorithm>
#include <cstring>

namespace inspectors::Ascii {
namespace {

ByteSet Of(std::initializer_list<std::pair<byte, byte>> ranges) {
  ByteSet set;
  for (auto const& [first, last] : ranges) set.AddRange(first, last);
  return set;
}

std::array<byte, 256> MakeCaseTable(bool lower) {
  std::array<byte, 256> table{};
  for (unsigned b = 0; b < 256; ++b) {
    table[b] = static_cast<byte>(b);
    if (lower && IsUppercase(static_cast<byte>(b))) table[b] = static_cast<byte>(b + 32);
    if (!lower && IsLowercase(static_cast<byte>(b))) table[b] = static_cast<byte>(b - 32);
  }
  return table;
}

template <class Fold>
int CompareFolded(ConstData a, ConstData b, Fold fold) {
  std::size_t const common = std::min(a.Length(), b.Length());
  for (std::size_t i = 0; i < common; ++i) {
    int const x = fold(a[i]);
    int const y = fold(b[i]);
    if (x != y) return x - y;
  }
  if (a.Length() == b.Length()) return 0;
  return a.Length() < b.Length() ? -1 : 1;
}

Data CopyFolded(ConstData in, Data out, std::array<byte, 256> const& table) {
  std::size_t const n = in.BoundedLength(out.Length());
  // Works when in and out are the same bytes.
  for (std::size_t i = 0; i < n; ++i) out.begin()[i] = table[in[i]];
  return out.Tail(n);
}

void FilterFolded(ConstBuffer& in, Buffer& out, std::array<byte, 256> const& table) {
  Data const rest = CopyFolded(in, out, table);
  std::size_t const n = out.Length() - rest.Length();
  in.Advance(n);
  out.Advance(n);
}

}  // namespace

ByteSet const& WhiteSpace() {
  static ByteSet const set = ByteSet().Add('\t').Add('\n').Add('\r').Add(' ');
  return set;
}
ByteSet const& LinearWhiteSpace() {
  static ByteSet const set = ByteSet().Add('\t').Add(' ');
  return set;
}
ByteSet const& Printable() {
  static ByteSet const set = Of({{33, 126}});
  return set;
}
ByteSet const& Unprintable() {
  static ByteSet const set = Printable().Complement();
  return set;
}
ByteSet const& PlainText() {
  static ByteSet const set = Of({{32, 126}});
  return set;
}
ByteSet const& Control() {
  static ByteSet const set = Of({{0, 31}, {127, 127}});
  return set;
}
ByteSet const& High() {
  static ByteSet const set = Of({{128, 255}});
  return set;
}
ByteSet const& Low() {
  static ByteSet const set = Of({{0, 127}});
  return set;
}
ByteSet const& Numeric() {
  static ByteSet const set = Of({{'0', '9'}});
  return set;
}
ByteSet const& HexDigits() {
  static ByteSet const set = Of({{'0', '9'}, {'A', 'F'}, {'a', 'f'}});
  return set;
}
ByteSet const& UppercaseAlphabet() {
  static ByteSet const set = Of({{'A', 'Z'}});
  return set;
}
ByteSet const& LowercaseAlphabet() {
  static ByteSet const set = Of({{'a', 'z'}});
  return set;
}
ByteSet const& Alphabetic() {
  static ByteSet const set = ByteSet(UppercaseAlphabet()).Add(LowercaseAlphabet());
  return set;
}
ByteSet const& Alphanumeric() {
  static ByteSet const set = ByteSet(Alphabetic()).Add(Numeric());
  return set;
}
ByteSet const& Alphabetic_() {
  static ByteSet const set = ByteSet(Alphabetic()).Add('_');
  return set;
}
ByteSet const& Alphanumeric_() {
  static ByteSet const set = ByteSet(Alphanumeric()).Add('_');
  return set;
}
ByteSet const& Punctuation() {
  static ByteSet const set = Of({{33, 47}, {58, 64}, {91, 96}, {123, 126}});
  return set;
}

std::array<byte, 256> const& LowerCaseTable() {
  static std::array<byte, 256> const table = MakeCaseTable(true);
  return table;
}

std::array<byte, 256> const& UpperCaseTable() {
  static std::array<byte, 256> const table = MakeCaseTable(false);
  return table;
}

bool CheckCaseTables() {
  for (unsigned b = 0; b < 256; ++b) {
    bool const upper = b >= 'A' && b <= 'Z';
    bool const lower = b >= 'a' && b <= 'z';
    if (LowerCaseTable()[b] != (upper ? b + 32 : b)) return false;
    if (UpperCaseTable()[b] != (lower ? b - 32 : b)) return false;
  }
  return true;
}

bool EqualIgnoringCase(ConstData a, ConstData b) {
  return a.Length() == b.Length() && CompareLowercase(a, b) == 0;
}

int CompareUppercase(ConstData a, ConstData b) {
  return CompareFolded(a, b, ToUpper);
}

int CompareLowercase(ConstData a, ConstData b) {
  return CompareFolded(a, b, ToLower);
}

int CompareIgnoreCase(char const* a, char const* b) {
  return CompareLowercase(a, b);
}

int CompareIgnoreCaseN(char const* a, char const* b, std::size_t n) {
  return CompareLowercase(ConstData(a, strnlen(a, n)), ConstData(b, strnlen(b, n)));
}

Data RaiseCase(ConstData in, Data out) {
  return CopyFolded(in, out, UpperCaseTable());
}
Data LowerCase(ConstData in, Data out) {
  return CopyFolded(in, out, LowerCaseTable());
}
void RaiseCase(Data data) {
  CopyFolded(data, data, UpperCaseTable());
}
void LowerCase(Data data) {
  CopyFolded(data, data, LowerCaseTable());
}

void CaseRaisingFilter::operator()(ConstBuffer& in, Buffer& out) {
  FilterFolded(in, out, UpperCaseTable());
}

void CaseLoweringFilter::operator()(ConstBuffer& in, Buffer& out) {
  FilterFolded(in, out, LowerCaseTable());
}

DataFilter& RaiseCase() {
  static CaseRaisingFilter filter;
  return filter;
}

DataFilter& LowerCase() {
  static CaseLoweringFilter filter;
  return filter;
}

}  // namespace inspectors::Ascii
