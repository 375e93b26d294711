#include "platform/CacheMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

// The read cache takes mapped memory for an empty table, and moves its blocks about as it grows:
// mapped memory must come zero-filled, and memory of either source have one owner after a move.
TEST(CacheMemory, MappedMemoryComesZeroFilledAndEitherMovesToOneOwner) {
  constexpr std::size_t kSize = 3 * 4096 + 100;
  platform::CacheMemory mapped(kSize, platform::CacheMemory::Source::kMappedWhole);
  ASSERT_NE(mapped.data(), nullptr);
  ASSERT_EQ(mapped.size(), kSize);
  for (std::size_t i = 0; i < kSize; ++i) ASSERT_EQ(mapped.data()[i], 0) << i;
  std::memset(mapped.data(), 'm', kSize);

  platform::CacheMemory heap(kSize, platform::CacheMemory::Source::kHeap);
  ASSERT_NE(heap.data(), nullptr);
  std::memset(heap.data(), 'h', kSize);

  platform::CacheMemory moved(std::move(mapped));
  EXPECT_EQ(mapped.data(), nullptr);
  EXPECT_EQ(mapped.size(), 0u);
  EXPECT_EQ(moved.data()[kSize - 1], 'm');

  // Assigned over memory of the other source: each is released the way it was obtained.
  moved = std::move(heap);
  EXPECT_EQ(heap.data(), nullptr);
  EXPECT_EQ(moved.data()[0], 'h');
  moved = platform::CacheMemory(4096, platform::CacheMemory::Source::kMappedWhole);
  EXPECT_EQ(moved.data()[4095], 0);
  moved = platform::CacheMemory();
  EXPECT_EQ(moved.data(), nullptr);
}

// Memory mapped in steps is zero-filled whether or not it was mapped ahead, and mapping ahead
// over its end or past it changes nothing.
TEST(CacheMemory, MemoryMappedInStepsComesZeroFilledWhereverItIsMappedAhead) {
  constexpr std::size_t kSize = 5 * 4096;
  platform::CacheMemory memory(kSize, platform::CacheMemory::Source::kMappedInSteps);
  ASSERT_NE(memory.data(), nullptr);
  memory.MapAhead(100, 4096);
  memory.MapAhead(3 * 4096 + 7, 10 * 4096);
  memory.MapAhead(kSize, 4096);
  for (std::size_t i = 0; i < kSize; ++i) ASSERT_EQ(memory.data()[i], 0) << i;
  std::memset(memory.data(), 's', kSize);
  memory.MapAhead(0, kSize);
  EXPECT_EQ(memory.data()[0], 's');
  EXPECT_EQ(memory.data()[kSize - 1], 's');
}
