#include "host/contract/memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>

#include "framework/contract/evaluator.h"

namespace {

using evaluator::Arena;
using evaluator::ArenaScope;

bool Aligned(void const* p) {
  return reinterpret_cast<std::uintptr_t>(p) % alignof(std::max_align_t) == 0;
}

TEST(Arena, BlocksAreAlignedDistinctAndKeepTheirContents) {
  Arena arena;
  std::set<void*> seen;
  std::vector<std::pair<unsigned char*, std::size_t>> written;
  for (std::size_t size : {0, 1, 3, 16, 17, 100, 255, 4000, 1, 0, 70000, 9, 5000, 2}) {
    auto* p = static_cast<unsigned char*>(arena.Allocate(size));
    EXPECT_TRUE(Aligned(p)) << size;
    EXPECT_TRUE(seen.insert(p).second) << size;
    std::memset(p, static_cast<int>(size & 0xff), size);  // the sanitizers check the extent
    written.emplace_back(p, size);
  }
  for (auto const& [p, size] : written) {
    for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(p[i], size & 0xff);
  }
}

TEST(Arena, ALargeRequestGetsABlockOfItsOwn) {
  Arena arena;
  void* small = arena.Allocate(8);
  EXPECT_EQ(arena.BlockCount(), 0u);  // the first bytes come from inside the arena
  std::memset(arena.Allocate(1 << 22), 0xab, 1 << 22);
  EXPECT_EQ(arena.BlockCount(), 1u);
  // The next small request continues right after the first one.
  EXPECT_EQ(arena.Allocate(8), static_cast<unsigned char*>(small) + Arena::kAlignment);
  EXPECT_EQ(arena.BlockCount(), 1u);
}

TEST(ArenaScope, TheInnermostScopeServesAndMakesItsArenaOnlyWhenNeeded) {
  std::shared_ptr<Arena> outer;
  std::shared_ptr<Arena> inner;
  std::shared_ptr<Arena> unused;
  {
    ArenaScope outerScope(outer);
    Allocate_Inspector_Memory(10);
    ASSERT_TRUE(outer);
    std::size_t const outerBytes = outer->BytesAllocated();
    {
      ArenaScope innerScope(inner);
      { ArenaScope emptyScope(unused); }
      Allocate_Inspector_Memory(20);
      EXPECT_EQ(outer->BytesAllocated(), outerBytes);
    }
    Allocate_Inspector_Memory(30);
    EXPECT_GE(outer->BytesAllocated(), outerBytes + 30);
    EXPECT_LT(inner->BytesAllocated(), 50u);
  }
  EXPECT_FALSE(unused);
  // The arenas outlive their scopes: values made in a scope keep their memory.
  EXPECT_EQ(outer.use_count(), 1);
  EXPECT_EQ(inner.use_count(), 1);

  // Outside every scope, allocation falls back to the process arena.
  std::size_t const outerAfter = outer->BytesAllocated();
  EXPECT_TRUE(Aligned(Allocate_Inspector_Memory(40)));
  EXPECT_EQ(outer->BytesAllocated(), outerAfter);
  evaluator::ReleaseFallbackMemory();
  EXPECT_TRUE(Aligned(Allocate_Inspector_Memory(1)));  // usable again after a release
  evaluator::ReleaseFallbackMemory();
}

}  // namespace
