#include "platform/file_name.h"

#include <algorithm>
#include <cstring>

#include "foundation/exceptions.h"

namespace MacintoshPlatform {
namespace {

bool IsDotName(std::string_view text) noexcept {
  return text == "." || text == "..";
}

bool IsContinuationByte(char c) noexcept {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the longest start of `text` of at most `limit` bytes that does not
// end inside a UTF-8 sequence. Text that is not UTF-8 there is cut at the limit.
std::size_t WholeSequencesWithin(std::string_view text, std::size_t limit) noexcept {
  if (text.size() <= limit) return text.size();
  // text[limit] is the first byte cut off: if it continues a sequence, the cut moves
  // back to that sequence's lead byte.
  std::size_t end = limit;
  while (end > 0 && limit - end < 3 && IsContinuationByte(text[end])) --end;
  bool const leadByte = (static_cast<unsigned char>(text[end]) & 0xC0) == 0xC0;
  return end > 0 && leadByte ? end : limit;
}

char AsciiLower(char c) noexcept {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

FileName::FileName(std::string_view bytes) noexcept
    : length_(static_cast<std::uint16_t>(bytes.size())) {
  if (!bytes.empty()) std::memcpy(bytes_, bytes.data(), bytes.size());
}

FileName ExactFileName(std::string_view text) {
  if (text.empty() || text.size() > FileName::kMaximumLength) {
    throw inspectors::IllegalFileNameLength();
  }
  if (text.find_first_of(std::string_view("/\0", 2)) != std::string_view::npos || IsDotName(text)) {
    throw inspectors::IllegalFileName();
  }
  return FileName(text);
}

FileName NearestFileName(std::string_view text) {
  if (text.empty()) return FileName(std::string_view(".noFileName"));
  if (IsDotName(text)) throw inspectors::IllegalFileName();
  std::string name(text.substr(0, WholeSequencesWithin(text, FileName::kMaximumLength)));
  std::replace(name.begin(), name.end(), '/', ':');
  std::replace(name.begin(), name.end(), '\0', ':');
  return FileName(std::string_view(name));
}

std::string MakeUTF8String(FileName const& name) {
  return std::string(name.View());
}

bool HasSuffix(FileName const& name, std::string_view suffix, bool ignoreCase) {
  std::string_view const whole = name.View();
  if (suffix.size() > whole.size()) return false;
  std::string_view const end = whole.substr(whole.size() - suffix.size());
  if (!ignoreCase) return end == suffix;
  return std::equal(end.begin(), end.end(), suffix.begin(),
                    [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace MacintoshPlatform
