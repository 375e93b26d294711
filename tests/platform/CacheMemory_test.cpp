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
