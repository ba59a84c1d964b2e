#include "foundation/token_table.h"

namespace inspectors {

int Compare(char const* text, ConstData bytes) noexcept {
  std::size_t const length = bytes.Length();
  for (std::size_t i = 0;; ++i) {
    byte const t = static_cast<byte>(text[i]);
    if (i == length) return t;  // the end of the bytes is a zero byte
    if (t == 0) return -1;      // the text is a proper prefix
    if (t != bytes[i]) return static_cast<int>(t) - static_cast<int>(bytes[i]);
  }
}

}  // namespace inspectors
