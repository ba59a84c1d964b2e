#include "host/query/query_errors.h"

namespace evaluator {

namespace {

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

// A UTF-8 sequence has at most three continuation bytes; text with more in a row is
// not UTF-8, and is cut where it is.
constexpr std::size_t kLongestContinuation = 3;

}  // namespace

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptHead + kExcerptTail) return std::string(text);
  // The head ends before the sequence that the cut would split; the tail begins
  // after it.
  std::size_t head = kExcerptHead;
  for (std::size_t i = 0; i < kLongestContinuation && IsContinuation(text[head]); ++i) --head;
  if (IsContinuation(text[head])) head = kExcerptHead;
  std::size_t tail = text.size() - kExcerptTail;
  std::size_t const tailLimit = tail + kLongestContinuation;
  while (tail < tailLimit && tail < text.size() && IsContinuation(text[tail])) ++tail;
  if (tail < text.size() && IsContinuation(text[tail])) tail = text.size() - kExcerptTail;
  std::string excerpt;
  excerpt.reserve(head + 3 + (text.size() - tail));
  excerpt.append(text.substr(0, head)).append("...").append(text.substr(tail));
  return excerpt;
}

std::string Quoted(std::string_view text) {
  return "\"" + Excerpt(text) + "\"";
}

}  // namespace evaluator
