// HTML text: a rope whose text is HTML. A plain string is always escaped when it
// enters HTML; an html value is inserted unchanged. Also the escaping itself and a
// growable buffer that the HTML aggregates write into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "inspectors/strings/rope.h"

namespace inspectors {

struct html_rope : rope {
  static char const* TypeName() noexcept { return "html"; }
};

inline html_rope MakeHTMLRope(rope const* left, ConstData middle, rope const* right) noexcept {
  return html_rope{{left, middle, right}};
}

// The most bytes an HTML text may have: it must fit a string.
inline constexpr std::uint64_t kMaxHTMLLength = std::numeric_limits<std::uint32_t>::max();

// '"' becomes &quot;, '&' &amp;, '<' &lt; and '>' &gt;; every other byte, the
// apostrophe included, stays as it is.
std::uint64_t EscapedHTMLLength(ConstData text) noexcept;
// Writes the escaped text at `out`, which has room for EscapedHTMLLength bytes;
// returns the end of what was written.
byte* WriteEscapedHTML(ConstData text, byte* out) noexcept;
// The escaped text: `text` itself when nothing needs escaping, otherwise a copy in
// evaluator memory.
ConstData EscapedHTML(ConstData text);

// Evaluator memory for `length` bytes of HTML; more than kMaxHTMLLength: NoSuchObject.
byte* AllocateHTML(std::uint64_t length);

// A growable byte vector that HTML is written into. Once the text would grow past
// kMaxHTMLLength the buffer stops taking bytes and remembers that it overflowed.
class HTMLBuffer {
 public:
  void Clear() noexcept;
  void Append(ConstData bytes);
  void AppendEscaped(ConstData text);
  void Append(rope const& r);

  bool Overflowed() const noexcept { return overflowed_; }
  // Never a null range, even when empty.
  ConstData Bytes() const noexcept;

 private:
  bool Reserve(std::uint64_t more);

  std::vector<byte> bytes_;
  bool overflowed_ = false;
};

// Inspectors.
html_rope html_rope_of(unsigned char const* bytes, unsigned long length);  // not escaped
inspector_string AsString(html_rope const& h);
html_rope AsHTML(inspector_string const& text);  // escaped
html_rope HTMLAsHTML(html_rope const& h);
html_rope Concatenate(html_rope const& a, inspector_string const& b);
html_rope Concatenate(inspector_string const& a, html_rope const& b);
html_rope Concatenate(html_rope const& a, html_rope const& b);

}  // namespace inspectors
