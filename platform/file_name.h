// File names: the last component of a path, as the file system stores it.
//
// On Linux a name is a string of 1 to 255 bytes other than '/' and NUL, in no
// particular encoding: names are kept and compared as bytes, so a name that is not
// UTF-8 is still a name. "." and ".." name no child of a folder and are not names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace MacintoshPlatform {

class FileName {
 public:
  static constexpr std::size_t kMaximumLength = 255;

  // The empty name, which no file has.
  FileName() noexcept = default;

  std::string_view View() const noexcept {
    return {reinterpret_cast<char const*>(bytes_), length_};
  }
  std::size_t Length() const noexcept { return length_; }
  bool Empty() const noexcept { return length_ == 0; }

  friend bool operator==(FileName const& a, FileName const& b) noexcept {
    return a.View() == b.View();
  }

 private:
  friend FileName ExactFileName(std::string_view text);
  friend FileName NearestFileName(std::string_view text);
  // Bytes already checked to form a name.
  explicit FileName(std::string_view bytes) noexcept;

  std::uint16_t length_ = 0;
  unsigned char bytes_[kMaximumLength] = {};
};

// The text as a name, unchanged. Empty text or more than 255 bytes throw
// `IllegalFileNameLength`; a '/' or NUL byte, ".", and ".." throw `IllegalFileName`.
FileName ExactFileName(std::string_view text);

// The name nearest to the text: empty text becomes ".noFileName", text longer than
// 255 bytes is cut at the last whole UTF-8 sequence within 255 bytes, and each '/'
// or NUL byte becomes ':'. "." and ".." throw `IllegalFileName`.
FileName NearestFileName(std::string_view text);

// The name's bytes, which are UTF-8 whenever the file system's are.
std::string MakeUTF8String(FileName const& name);

// Whether the name ends with the suffix, byte for byte; with `ignoreCase`, ASCII
// letters match either case. An empty suffix matches every name.
bool HasSuffix(FileName const& name, std::string_view suffix, bool ignoreCase);

}  // namespace MacintoshPlatform
