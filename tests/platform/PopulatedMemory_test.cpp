#include "platform/PopulatedMemory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

// The read cache takes an empty table for granted, and moves its blocks about as it grows: each
// block must come zero-filled, and have exactly one owner after a move.
TEST(PopulatedMemory, ComesZeroFilledAndMovesToOneOwner) {
  constexpr std::size_t kSize = 3 * 4096 + 100;
  platform::PopulatedMemory first(kSize);
  ASSERT_NE(first.data(), nullptr);
  ASSERT_EQ(first.size(), kSize);
  for (std::size_t i = 0; i < kSize; ++i) ASSERT_EQ(first.data()[i], 0) << i;
  std::memset(first.data(), 'x', kSize);

  platform::PopulatedMemory second(std::move(first));
  EXPECT_EQ(first.data(), nullptr);
  EXPECT_EQ(first.size(), 0u);
  ASSERT_EQ(second.size(), kSize);
  EXPECT_EQ(second.data()[kSize - 1], 'x');

  platform::PopulatedMemory third(4096);
  third = std::move(second);
  EXPECT_EQ(second.data(), nullptr);
  EXPECT_EQ(third.data()[0], 'x');
  third = platform::PopulatedMemory();
  EXPECT_EQ(third.data(), nullptr);
}
