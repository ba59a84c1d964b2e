// The small caches of the file lookups: the last few answers of one lookup, so that
// a query that names the same file many times reads its status once. The slots are
// reused in rotation, oldest first; failures are never kept. An answer is not
// compared with the file system when it is used: it stands until its slot is
// reused or the evaluator clears the cache, which it does before every query.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_layer.h"

namespace inspectors {

// What a lookup is asked: a folder (none for a path from the world) and a name or
// path, as bytes. Two keys are equal for the same folder node and the same bytes.
struct LookupKey {
  FileItem folder;
  std::string text;

  friend bool operator==(LookupKey const& a, LookupKey const& b) noexcept {
    return a.text == b.text && a.folder == b.folder;
  }
};

template <std::size_t N>
class LookupCache {
 public:
  // The answer kept for the key, or null.
  FileItem const* Find(LookupKey const& key) const noexcept {
    for (std::size_t i = 0; i < count_; ++i) {
      if (slots_[i].key == key) return &slots_[i].answer;
    }
    return nullptr;
  }

  void Store(LookupKey key, FileItem answer) {
    slots_[next_] = Slot{std::move(key), std::move(answer)};
    ++next_;
    count_ = std::max(count_, next_);
    next_ %= N;
  }

  // Forgets every answer; the slots are overwritten later.
  void Clear() noexcept {
    count_ = 0;
    next_ = 0;
  }

  std::size_t Count() const noexcept { return count_; }

  // The kept answer, or the one `lookup()` gives, which is then kept.
  template <class Lookup>
  FileItem Answer(LookupKey key, Lookup&& lookup) {
    if (FileItem const* kept = Find(key)) return *kept;
    FileItem answer = lookup();
    Store(std::move(key), answer);
    return answer;
  }

 private:
  struct Slot {
    LookupKey key;
    FileItem answer;
  };

  std::array<Slot, N> slots_{};
  std::size_t count_ = 0;
  std::size_t next_ = 0;
};

// The caches' sizes: file and item lookups keep 8 answers, folder lookups 16.
inline constexpr std::size_t kFileCacheSlots = 8;
inline constexpr std::size_t kFolderCacheSlots = 16;

inline std::string TextOf(unsigned char const* bytes, unsigned long length) {
  return std::string(reinterpret_cast<char const*>(bytes), length);
}

}  // namespace inspectors
