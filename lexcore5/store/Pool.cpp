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

// Blocks of the size records use (ArbRecord's default) freed lately, kept per thread for the next
// pool that needs one: every record handed out has a pool of its own, and a look-up makes and
// drops dozens of them. Blocks of other sizes, and more than kKeptBlocks, go back to the system.
constexpr std::size_t kKeptBlockCapacity = 256;
constexpr std::size_t kKeptBlocks = 64;

// Set once the thread's kept blocks are freed: a pool emptied later, by an object destroyed at
// thread or process exit, frees its blocks at once. Trivially destructible, so it outlives them.
thread_local bool keptGone = false;

struct KeptBlocks {
  PoolBlock* newest = nullptr;
  std::size_t count = 0;
  ~KeptBlocks() {
    keptGone = true;
    while (PoolBlock* block = newest) {
      newest = block->older;
      std::free(block);
    }
  }
};

KeptBlocks& Kept() {
  thread_local KeptBlocks kept;
  return kept;
}

PoolBlock* KeptBlock() {
  if (keptGone) return nullptr;
  KeptBlocks& kept = Kept();
  PoolBlock* block = kept.newest;
  if (block != nullptr) {
    kept.newest = block->older;
    --kept.count;
  }
  return block;
}

void ReleaseBlock(PoolBlock* block) {
  if (block->capacity == kKeptBlockCapacity && !keptGone && Kept().count < kKeptBlocks) {
    KeptBlocks& kept = Kept();
    block->older = kept.newest;
    kept.newest = block;
    ++kept.count;
    return;
  }
  std::free(block);
}

PoolBlock* NewBlock(std::size_t capacity, PoolBlock* older) {
  PoolBlock* block = capacity == kKeptBlockCapacity ? KeptBlock() : nullptr;
  if (block == nullptr) {
    void* memory = std::malloc(kHeader + capacity);
    if (memory == nullptr) return nullptr;
    block = static_cast<PoolBlock*>(memory);
  }
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
    ReleaseBlock(block);
  }
}

}  // namespace store
