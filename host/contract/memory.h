// Result memory: what Allocate_Inspector_Memory hands out.
//
// An Arena is a bump allocator freed as a whole. While an ArenaScope is the
// innermost one on the calling thread, Allocate_Inspector_Memory draws from that
// scope's arena, so the memory that a callback allocates can be kept exactly as
// long as the value that the callback produced. Outside every scope it draws from
// a process-wide fallback arena, which lives until ReleaseFallbackMemory().
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace evaluator {

class Arena {
 public:
  static constexpr std::size_t kAlignment = alignof(std::max_align_t);

  Arena() noexcept = default;
  ~Arena();
  Arena(Arena const&) = delete;
  Arena& operator=(Arena const&) = delete;

  // `size` bytes aligned to kAlignment; distinct calls return distinct addresses,
  // even for size 0. Throws std::bad_alloc.
  void* Allocate(std::size_t size);

  // Bytes handed out so far (rounded up to the alignment).
  std::size_t BytesAllocated() const noexcept { return allocated_; }
  // Blocks obtained from the system (the inline first chunk not counted).
  std::size_t BlockCount() const noexcept { return blocks_.size(); }

 private:
  using Unit = std::max_align_t;
  static constexpr std::size_t kInlineBytes = 256;
  static constexpr std::size_t kFirstChunkBytes = 4096;
  static constexpr std::size_t kLargestChunkBytes = 1 << 20;

  alignas(kAlignment) std::byte inline_[kInlineBytes];
  std::byte* next_ = inline_;
  std::byte* end_ = inline_ + kInlineBytes;
  std::size_t nextChunkBytes_ = kFirstChunkBytes;
  std::size_t allocated_ = 0;
  std::vector<std::unique_ptr<Unit[]>> blocks_;
};

// Makes Allocate_Inspector_Memory draw from the arena in `slot` while this scope
// is the innermost one on this thread. The arena is created on the first
// allocation, so `slot` stays empty when nothing is allocated.
class ArenaScope;

// The innermost scope of the calling thread (initial-exec, as for the interruption
// check: every call into an inspector opens a scope).
[[gnu::tls_model("initial-exec")]] extern thread_local ArenaScope* innermostArenaScope;

class ArenaScope {
 public:
  explicit ArenaScope(std::shared_ptr<Arena>& slot) noexcept
      : slot_(slot), outer_(innermostArenaScope) {
    innermostArenaScope = this;
  }
  ~ArenaScope() { innermostArenaScope = outer_; }
  ArenaScope(ArenaScope const&) = delete;
  ArenaScope& operator=(ArenaScope const&) = delete;

  void* Allocate(std::size_t size);

 private:
  std::shared_ptr<Arena>& slot_;
  ArenaScope* outer_;
};

// Gives the memory that the process has freed back to the system, where the C
// library would keep it for later allocations: a run that made many small values
// leaves freed pages scattered among ones still in use, which the C library returns
// only when asked.
void ReturnFreedMemory() noexcept;

// Frees the fallback arena: every block that Allocate_Inspector_Memory handed out
// outside a scope. Only safe when nothing refers to such memory any more.
void ReleaseFallbackMemory();

}  // namespace evaluator
