// Block allocator behind every record's fields. Memory is never freed piecemeal: a pool is reset to
// a mark (dropping everything allocated after it) or emptied as a whole.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Node.h"

namespace store {

// Starts an empty pool whose blocks hold `blockSize` bytes (larger requests get a block of their
// own).
void PoolInit(PoolMemoryManager* pool, std::uint16_t blockSize);
// Aligned memory for `size` bytes, or null when the system has none.
void* PoolAllocate(PoolMemoryManager* pool, std::size_t size);
// The pool's present position; hand it to PoolReset to drop what is allocated after it. Null for a
// pool that holds nothing yet.
void* PoolMark(const PoolMemoryManager* pool);
// Frees everything allocated after `mark` (null: everything). A mark from before an earlier reset
// to an older position is invalid.
void PoolReset(PoolMemoryManager* pool, void* mark);
// Frees every block; the pool stays usable.
inline void PoolFree(PoolMemoryManager* pool) {
  PoolReset(pool, nullptr);
}

}  // namespace store
