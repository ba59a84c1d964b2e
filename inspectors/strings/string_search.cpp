#include "inspectors/strings/string_search.h"

#include <string.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace inspectors {

std::size_t FindFirst(ConstData haystack, ConstData needle, std::size_t from) noexcept {
  std::size_t const length = haystack.Length();
  if (from > length) return kNotFound;
  std::size_t const m = needle.Length();
  if (m == 0) return from;
  if (m > length - from) return kNotFound;
  void const* found = ::memmem(haystack.begin() + from, length - from, needle.begin(), m);
  if (found == nullptr) return kNotFound;
  return static_cast<std::size_t>(static_cast<byte const*>(found) - haystack.begin());
}

namespace {

// Knuth-Morris-Pratt run backwards: the needle is read from its last byte, the
// haystack from its end, so the first complete match is the last occurrence.
std::size_t FindLastLinear(ConstData haystack, ConstData needle) {
  std::size_t const m = needle.Length();
  auto const back = [&](std::size_t i) { return needle[m - 1 - i]; };
  // border[i]: the length of the longest proper border of the first i + 1 bytes of
  // the reversed needle.
  std::vector<std::size_t> border(m, 0);
  for (std::size_t i = 1, k = 0; i < m; ++i) {
    while (k > 0 && back(i) != back(k)) k = border[k - 1];
    if (back(i) == back(k)) ++k;
    border[i] = k;
  }
  std::size_t matched = 0;
  for (std::size_t i = haystack.Length(); i-- > 0;) {
    while (matched > 0 && haystack[i] != back(matched)) matched = border[matched - 1];
    if (haystack[i] == back(matched)) ++matched;
    if (matched == m) return i;
  }
  return kNotFound;
}

}  // namespace

std::size_t FindLast(ConstData haystack, ConstData needle) {
  std::size_t const length = haystack.Length();
  std::size_t const m = needle.Length();
  if (m > length) return kNotFound;
  if (m == 0) return length;
  if (m == 1) {
    void const* found = ::memrchr(haystack.begin(), needle[0], length);
    if (found == nullptr) return kNotFound;
    return static_cast<std::size_t>(static_cast<byte const*>(found) - haystack.begin());
  }
  // Candidates from the end by the needle's first byte, each checked whole. The checks
  // are charged a needle's length each; once they have cost more than a few times the
  // bytes passed, the candidates still to come go to the linear search.
  byte const first = needle[0];
  std::size_t end = length - m + 1;  // the candidates start before this offset
  std::size_t charged = 0;
  while (end > 0) {
    void const* found = ::memrchr(haystack.begin(), first, end);
    if (found == nullptr) return kNotFound;
    auto const at = static_cast<std::size_t>(static_cast<byte const*>(found) - haystack.begin());
    if (std::memcmp(haystack.begin() + at + 1, needle.begin() + 1, m - 1) == 0) return at;
    end = at;
    charged += m;
    if (charged > 4 * (length - end) + 4 * m) {
      return FindLastLinear(haystack.Head(end + m - 1), needle);
    }
  }
  return kNotFound;
}

}  // namespace inspectors
