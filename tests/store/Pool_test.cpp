// Pools hand blocks they free to the next pool of the same thread: memory a pool still holds must
// never be handed out again, whatever was freed or reset before.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "store/Pool.h"

namespace {

constexpr std::uint16_t kRecordBlockSize = 256;

struct Piece {
  unsigned char* memory;
  std::size_t size;
  unsigned char fill;
};

// Allocates `count` pieces of `size` bytes, each filled with its own byte value.
std::vector<Piece> Fill(PoolMemoryManager* pool, int count, std::size_t size, unsigned char first) {
  std::vector<Piece> pieces;
  for (int i = 0; i < count; ++i) {
    auto* memory = static_cast<unsigned char*>(store::PoolAllocate(pool, size));
    EXPECT_NE(memory, nullptr);
    const auto fill = static_cast<unsigned char>(first + i);
    std::memset(memory, fill, size);
    pieces.push_back({memory, size, fill});
  }
  return pieces;
}

bool Intact(const std::vector<Piece>& pieces) {
  for (const Piece& piece : pieces) {
    for (std::size_t i = 0; i < piece.size; ++i) {
      if (piece.memory[i] != piece.fill) return false;
    }
  }
  return true;
}

TEST(Pool, MemoryStillHeldIsNeverHandedOutAgain) {
  PoolMemoryManager held{};
  store::PoolInit(&held, kRecordBlockSize);
  const std::vector<Piece> kept = Fill(&held, 20, 100, 1);

  // Blocks freed whole and back to a mark, of the usual size and larger.
  for (int round = 0; round < 3; ++round) {
    PoolMemoryManager passing{};
    store::PoolInit(&passing, kRecordBlockSize);
    Fill(&passing, 10, 100, 100);
    void* mark = store::PoolMark(&passing);
    Fill(&passing, 10, 200, 120);
    // Requests above the block size get blocks of their own, kept apart by size.
    for (std::size_t size : {300, 1000, 2000, 4000, 5000}) {
      Fill(&passing, 2, size, static_cast<unsigned char>(140 + size % 7));
    }
    store::PoolReset(&passing, mark);
    const std::vector<Piece> afterMark = Fill(&passing, 10, 100, 150);
    EXPECT_TRUE(Intact(afterMark)) << round;
    store::PoolFree(&passing);
  }

  // Two pools filled side by side from the blocks freed above: neither writes over the other.
  PoolMemoryManager first{};
  PoolMemoryManager second{};
  store::PoolInit(&first, kRecordBlockSize);
  store::PoolInit(&second, kRecordBlockSize);
  std::vector<Piece> both;
  for (int i = 0; i < 30; ++i) {
    for (const Piece& piece : Fill(&first, 1, 64, static_cast<unsigned char>(i))) {
      both.push_back(piece);
    }
    for (const Piece& piece : Fill(&second, 1, 64, static_cast<unsigned char>(200 - i))) {
      both.push_back(piece);
    }
  }
  // Pools of record size taking blocks of every kept size freed above.
  for (std::size_t size : {300, 700, 1500, 3000}) {
    for (const Piece& piece : Fill(&first, 1, size, static_cast<unsigned char>(size % 251))) {
      both.push_back(piece);
    }
    for (const Piece& piece : Fill(&second, 1, size, static_cast<unsigned char>(size % 13))) {
      both.push_back(piece);
    }
  }
  EXPECT_TRUE(Intact(both));
  EXPECT_TRUE(Intact(kept));
  store::PoolFree(&first);
  store::PoolFree(&second);
  store::PoolFree(&held);
}

TEST(Pool, AMarkKeepsWhatWasAllocatedBeforeItAcrossBlocks) {
  PoolMemoryManager pool{};
  store::PoolInit(&pool, kRecordBlockSize);
  const std::vector<Piece> before = Fill(&pool, 8, 96, 10);
  void* mark = store::PoolMark(&pool);
  Fill(&pool, 12, 96, 50);
  store::PoolReset(&pool, mark);
  EXPECT_EQ(store::PoolMark(&pool), mark);
  const std::vector<Piece> after = Fill(&pool, 12, 96, 90);
  EXPECT_TRUE(Intact(before));
  EXPECT_TRUE(Intact(after));
  store::PoolFree(&pool);
  EXPECT_EQ(store::PoolMark(&pool), nullptr);
}

}  // namespace
