#include "host/contract/memory.h"

#include <malloc.h>

#include <algorithm>
#include <mutex>

#include "framework/contract/evaluator.h"

namespace evaluator {

namespace {

constexpr std::size_t RoundUp(std::size_t size) {
  return (size + Arena::kAlignment - 1) / Arena::kAlignment * Arena::kAlignment;
}

// Memory from the system in units that carry the arena's alignment.
template <class Unit>
std::unique_ptr<Unit[]> Units(std::size_t bytes) {
  return std::make_unique_for_overwrite<Unit[]>((bytes + sizeof(Unit) - 1) / sizeof(Unit));
}

struct FallbackArena {
  std::mutex mutex;
  std::unique_ptr<Arena> arena;
};

FallbackArena& Fallback() {
  static FallbackArena fallback;
  return fallback;
}

}  // namespace

[[gnu::tls_model("initial-exec")]] thread_local ArenaScope* innermostArenaScope = nullptr;

Arena::~Arena() = default;

// Counts only what was handed out: a request that fails leaves the arena as it was.
void* Arena::Allocate(std::size_t size) {
  std::size_t const rounded = RoundUp(std::max<std::size_t>(size, 1));
  if (rounded < size) throw std::bad_alloc();
  if (static_cast<std::size_t>(end_ - next_) >= rounded) {
    void* result = next_;
    next_ += rounded;
    allocated_ += rounded;
    return result;
  }
  if (rounded > nextChunkBytes_ / 2) {
    // A large request gets a block of its own; the current chunk stays in use.
    blocks_.push_back(Units<Unit>(rounded));
    allocated_ += rounded;
    return blocks_.back().get();
  }
  std::size_t const chunkBytes = nextChunkBytes_;
  blocks_.push_back(Units<Unit>(chunkBytes));
  nextChunkBytes_ = std::min(nextChunkBytes_ * 2, kLargestChunkBytes);
  next_ = reinterpret_cast<std::byte*>(blocks_.back().get());
  end_ = next_ + chunkBytes;
  void* result = next_;
  next_ += rounded;
  allocated_ += rounded;
  return result;
}

void* ArenaScope::Allocate(std::size_t size) {
  if (!slot_) slot_ = std::make_shared<Arena>();
  return slot_->Allocate(size);
}

void ReturnFreedMemory() noexcept {
  ::malloc_trim(0);
}

void ReleaseFallbackMemory() {
  FallbackArena& fallback = Fallback();
  std::unique_ptr<Arena> released;
  {
    std::lock_guard lock(fallback.mutex);
    released = std::move(fallback.arena);
  }
}

}  // namespace evaluator

void* Allocate_Inspector_Memory(std::size_t size) {
  if (evaluator::ArenaScope* scope = evaluator::innermostArenaScope) return scope->Allocate(size);
  evaluator::FallbackArena& fallback = evaluator::Fallback();
  std::lock_guard lock(fallback.mutex);
  if (!fallback.arena) fallback.arena = std::make_unique<evaluator::Arena>();
  return fallback.arena->Allocate(size);
}
