#include "store/Pool.h"

#include <algorithm>
#include <bit>
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

// Blocks freed lately, kept per thread for the next pool that needs one: every record handed out
// has a pool of its own, and a look-up makes and drops dozens of them. A record of a few fields
// outgrows the default block at once and gets a block of its own size, so blocks up to
// kLargestKept bytes come in powers of two from kSmallestKept, each size with its own list. Larger
// blocks, and more than kKeptPerSize of a size, go back to the system.
constexpr std::size_t kSmallestKept = 256;
constexpr std::size_t kLargestKept = 4096;
constexpr std::size_t kKeptSizes = 5;
constexpr std::size_t kKeptPerSize = 32;

// The list a capacity belongs to, or kKeptSizes for one that is never kept.
std::size_t KeptSizeOf(std::size_t capacity) {
  // Not std::has_single_bit: without a population-count instruction it becomes a library call.
  if (capacity < kSmallestKept || capacity > kLargestKept || (capacity & (capacity - 1)) != 0) {
    return kKeptSizes;
  }
  return static_cast<std::size_t>(std::countr_zero(capacity / kSmallestKept));
}

// Set once the thread's kept blocks are freed: a pool emptied later, by an object destroyed at
// thread or process exit, frees its blocks at once. Trivially destructible, so it outlives them.
thread_local bool keptGone = false;

struct KeptBlocks {
  PoolBlock* newest[kKeptSizes] = {};
  std::size_t count[kKeptSizes] = {};
  ~KeptBlocks() {
    keptGone = true;
    for (PoolBlock* list : newest) {
      while (PoolBlock* block = list) {
        list = block->older;
        std::free(block);
      }
    }
  }
};

KeptBlocks& Kept() {
  thread_local KeptBlocks kept;
  return kept;
}

PoolBlock* KeptBlock(std::size_t size) {
  if (keptGone) return nullptr;
  KeptBlocks& kept = Kept();
  PoolBlock* block = kept.newest[size];
  if (block != nullptr) {
    kept.newest[size] = block->older;
    --kept.count[size];
  }
  return block;
}

void ReleaseBlock(PoolBlock* block) {
  const std::size_t size = KeptSizeOf(block->capacity);
  if (size < kKeptSizes && !keptGone && Kept().count[size] < kKeptPerSize) {
    KeptBlocks& kept = Kept();
    block->older = kept.newest[size];
    kept.newest[size] = block;
    ++kept.count[size];
    return;
  }
  std::free(block);
}

PoolBlock* NewBlock(std::size_t capacity, PoolBlock* older) {
  const std::size_t size = KeptSizeOf(capacity);
  PoolBlock* block = size < kKeptSizes ? KeptBlock(size) : nullptr;
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

// The capacity of a block for a request larger than the pool's blocks: a kept size where one fits.
std::size_t OwnBlockCapacity(std::size_t rounded) {
  if (rounded > kLargestKept) return rounded;
  return std::max(kSmallestKept, std::bit_ceil(rounded));
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
    const std::size_t capacity =
        rounded > pool->blockSize ? OwnBlockCapacity(rounded) : pool->blockSize;
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
