#include "inspectors/strings/html_text.h"

#include <array>
#include <cstring>

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/os_error.h"
#include "framework/inspector.h"

namespace inspectors {

namespace {

struct Entity {
  char const* text = nullptr;  // null for bytes that stay as they are
  std::uint8_t length = 0;
};

constexpr std::array<Entity, 256> MakeEntities() {
  std::array<Entity, 256> entities{};
  entities['"'] = {"&quot;", 6};
  entities['&'] = {"&amp;", 5};
  entities['<'] = {"&lt;", 4};
  entities['>'] = {"&gt;", 4};
  return entities;
}

constexpr std::array<Entity, 256> kEntities = MakeEntities();

}  // namespace

std::uint64_t EscapedHTMLLength(ConstData text) noexcept {
  std::uint64_t extra = 0;
  for (byte const b : text) {
    if (kEntities[b].length != 0) extra += kEntities[b].length - 1u;
  }
  return text.Length() + extra;
}

byte* WriteEscapedHTML(ConstData text, byte* out) noexcept {
  byte const* run = text.begin();  // the bytes since the last one escaped
  for (byte const* p = text.begin(); p != text.end(); ++p) {
    Entity const& entity = kEntities[*p];
    if (entity.text == nullptr) continue;
    std::size_t const n = static_cast<std::size_t>(p - run);
    if (n != 0) std::memcpy(out, run, n);
    out += n;
    std::memcpy(out, entity.text, entity.length);
    out += entity.length;
    run = p + 1;
  }
  std::size_t const n = static_cast<std::size_t>(text.end() - run);
  if (n != 0) std::memcpy(out, run, n);
  return out + n;
}

ConstData EscapedHTML(ConstData text) {
  std::uint64_t const length = EscapedHTMLLength(text);
  if (length == text.Length()) return text;
  byte* const memory = AllocateHTML(length);
  return ConstData(memory, WriteEscapedHTML(text, memory));
}

byte* AllocateHTML(std::uint64_t length) {
  if (length > kMaxHTMLLength) throw NoSuchObject();
  void* const memory = Allocate_Inspector_Memory(length == 0 ? 1 : length);
  if (memory == nullptr) ThrowRealOSError(kMemoryFullCode);
  return static_cast<byte*>(memory);
}

void HTMLBuffer::Clear() noexcept {
  bytes_.clear();
  overflowed_ = false;
}

ConstData HTMLBuffer::Bytes() const noexcept {
  static byte const kNothing = 0;
  if (bytes_.empty()) return ConstData(&kNothing, &kNothing);
  return ConstData(bytes_.data(), bytes_.size());
}

bool HTMLBuffer::Reserve(std::uint64_t more) {
  if (overflowed_) return false;
  if (more > kMaxHTMLLength - bytes_.size()) {
    overflowed_ = true;
    bytes_.clear();
    bytes_.shrink_to_fit();
    return false;
  }
  return true;
}

void HTMLBuffer::Append(ConstData bytes) {
  if (Reserve(bytes.Length())) bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void HTMLBuffer::AppendEscaped(ConstData text) {
  std::uint64_t const length = EscapedHTMLLength(text);
  if (!Reserve(length)) return;
  std::size_t const start = bytes_.size();
  bytes_.resize(start + length);
  WriteEscapedHTML(text, bytes_.data() + start);
}

void HTMLBuffer::Append(rope const& r) {
  // Measured first: a rope that shares subtrees may be far too long to copy.
  if (!Reserve(r.Length())) return;
  ForEachPiece(r, [&](ConstData piece) {
    Append(piece);
    return !overflowed_;
  });
}

html_rope html_rope_of(unsigned char const* bytes, unsigned long length) {
  return MakeHTMLRope(nullptr, ConstData(bytes, length), nullptr);
}

inspector_string AsString(html_rope const& h) {
  return AsString(static_cast<rope const&>(h));
}

html_rope AsHTML(inspector_string const& text) {
  return MakeHTMLRope(nullptr, EscapedHTML(AsConstData(text)), nullptr);
}

html_rope HTMLAsHTML(html_rope const& h) {
  return h;
}

html_rope Concatenate(html_rope const& a, inspector_string const& b) {
  return MakeHTMLRope(&a, EscapedHTML(AsConstData(b)), nullptr);
}

html_rope Concatenate(inspector_string const& a, html_rope const& b) {
  return MakeHTMLRope(nullptr, EscapedHTML(AsConstData(a)), &b);
}

html_rope Concatenate(html_rope const& a, html_rope const& b) {
  return MakeHTMLRope(&a, ConstData(), &b);
}

namespace {

Type<html_rope, kNotFingerprinted> const htmlType;
NamedGlobalProperty<html_rope> const htmlOfText("html", "htmls", &html_rope_of,
                                                kDependsOnlyOnParameters);
Cast<html_rope, inspector_string> const htmlAsString("string", &AsString, kDependsOnlyOnParameters);
Cast<inspector_string, html_rope> const stringAsHTML("html", &AsHTML, kDependsOnlyOnParameters);
Cast<html_rope, html_rope> const htmlAsHTML("html", &HTMLAsHTML, kDependsOnlyOnParameters);
OperatorConcatenate<html_rope, inspector_string, html_rope> const htmlAndString(
    kDependsOnlyOnParameters, &Concatenate);
OperatorConcatenate<inspector_string, html_rope, html_rope> const stringAndHTML(
    kDependsOnlyOnParameters, &Concatenate);
OperatorConcatenate<html_rope, html_rope, html_rope> const htmlAndHTML(kDependsOnlyOnParameters,
                                                                       &Concatenate);

}  // namespace

}  // namespace inspectors
