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

TEST(Arena, BlocksAreAlignedDistinctAndWritable) {
  Arena arena;
  std::set<unsigned char*> seen;
  std::size_t total = 0;
  for (std::size_t size : {0, 1, 3, 16, 17, 100, 255, 4000, 1, 0, 70000, 9, 5000, 2}) {
    auto* p = static_cast<unsigned char*>(arena.Allocate(size));
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(Aligned(p)) << size;
    EXPECT_TRUE(seen.insert(p).second) << size;
    std::memset(p, static_cast<int>(size & 0xff), size);  // the sanitizers check the extent
    total += size;
  }
  EXPECT_GE(arena.BytesAllocated(), total);
}

TEST(Arena, ContentsSurviveLaterAllocations) {
  Arena arena;
  std::vector<std::pair<std::uint64_t*, std::uint64_t>> written;
  for (std::uint64_t i = 0; i < 5000; ++i) {
    auto* p = static_cast<std::uint64_t*>(arena.Allocate(sizeof(std::uint64_t) * (1 + i % 7)));
    *p = i * 2654435761u;
    written.emplace_back(p, *p);
  }
  for (auto const& [p, value] : written) ASSERT_EQ(*p, value);
}

TEST(Arena, LargeRequestGetsItsOwnBlockAndKeepsTheCurrentChunk) {
  Arena arena;
  void* small = arena.Allocate(8);
  EXPECT_EQ(arena.BlockCount(), 0u);  // the first bytes come from inside the arena
  auto* large = static_cast<unsigned char*>(arena.Allocate(1 << 22));
  EXPECT_TRUE(Aligned(large));
  std::memset(large, 0xab, 1 << 22);
  EXPECT_EQ(arena.BlockCount(), 1u);
  // The next small request continues right after the first one.
  auto* next = static_cast<unsigned char*>(arena.Allocate(8));
  EXPECT_EQ(next, static_cast<unsigned char*>(small) + Arena::kAlignment);
  EXPECT_EQ(arena.BlockCount(), 1u);
}

TEST(ArenaScope, InnermostScopeServesAndArenaIsMadeOnlyWhenNeeded) {
  std::shared_ptr<Arena> outer;
  std::shared_ptr<Arena> inner;
  std::shared_ptr<Arena> unused;
  {
    ArenaScope outerScope(outer);
    void* a = Allocate_Inspector_Memory(10);
    ASSERT_TRUE(outer);
    std::size_t const outerBytes = outer->BytesAllocated();
    EXPECT_GE(outerBytes, 10u);
    {
      ArenaScope innerScope(inner);
      { ArenaScope emptyScope(unused); }
      void* b = Allocate_Inspector_Memory(20);
      EXPECT_NE(a, b);
      ASSERT_TRUE(inner);
      EXPECT_GE(inner->BytesAllocated(), 20u);
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

  // After the scopes, allocation falls back to the process arena.
  void* fallback = Allocate_Inspector_Memory(40);
  EXPECT_TRUE(Aligned(fallback));
  std::size_t const outerAfter = outer->BytesAllocated();
  Allocate_Inspector_Memory(50);
  EXPECT_EQ(outer->BytesAllocated(), outerAfter);
  evaluator::ReleaseFallbackMemory();
  EXPECT_TRUE(Aligned(Allocate_Inspector_Memory(1)));  // usable again after a release
  evaluator::ReleaseFallbackMemory();
}

}  // namespace
