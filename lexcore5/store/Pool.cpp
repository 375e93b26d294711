#include "store/Pool.h"

#include <cstdlib>

struct PoolBlock {
  PoolBlock* older;
  std::size_t capacity;
  std::size_t used;
};

namespace store {
namespace {

constexpr std::size_t kAlign = alignof(std::max_align_t);

std::size_t RoundUp(std::size_t n) {
  return (n + kAlign - 1) & ~(kAlign - 1);
}

// The block's memory follows its header, aligned for any field value.
const std::size_t kHeader = RoundUp(sizeof(PoolBlock));

unsigned char* Data(PoolBlock* block) {
  return reinterpret_cast<unsigned char*>(block) + kHeader;
}

PoolBlock* NewBlock(std::size_t capacity, PoolBlock* older) {
  void* memory = std::malloc(kHeader + capacity);
  if (memory == nullptr) return nullptr;
  auto* block = static_cast<PoolBlock*>(memory);
  block->older = older;
  block->capacity = capacity;
  block->used = 0;
  return block;
}

}  // namespace

void PoolInit(PoolMemoryManager* pool, std::uint16_t blockSize) {
  pool->newest = nullptr;
  pool->blockSize = blockSize < 64 ? 64 : blockSize;
}

void* PoolAllocate(PoolMemoryManager* pool, std::size_t size) {
  const std::size_t rounded = RoundUp(size == 0 ? 1 : size);
  PoolBlock* block = pool->newest;
  if (block == nullptr || block->capacity - block->used < rounded) {
    const std::size_t capacity = rounded > pool->blockSize ? rounded : pool->blockSize;
    block = NewBlock(capacity, pool->newest);
    if (block == nullptr) return nullptr;
    pool->newest = block;
  }
  void* memory = Data(block) + block->used;
  block->used += rounded;
  return memory;
}

void* PoolMark(const PoolMemoryManager* pool) {
  PoolBlock* block = pool->newest;
  if (block == nullptr) return nullptr;
  return Data(block) + block->used;
}

void PoolReset(PoolMemoryManager* pool, void* mark) {
  auto* position = static_cast<unsigned char*>(mark);
  while (PoolBlock* block = pool->newest) {
    unsigned char* data = Data(block);
    if (position != nullptr && position >= data && position <= data + block->capacity) {
      block->used = static_cast<std::size_t>(position - data);
      return;
    }
    pool->newest = block->older;
    std::free(block);
  }
}

}  // namespace store
