// The pool in which a record's fields live: memory comes in blocks and is released only all at
// once or back to a mark, never field by field. A pool owns its blocks, so it cannot be copied.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"
#include "Node.h"

class LEXCORE_API ArbPool {
 public:
  explicit ArbPool(std::uint16_t blockSize = 512);
  ArbPool(const ArbPool&) = delete;
  ArbPool& operator=(const ArbPool&) = delete;
  // Frees every block.
  virtual ~ArbPool();

  // `size` bytes from the pool in `memory`; 1 if obtained, 0 (memory null) when out of memory.
  int Allocate(std::uint16_t size, void*& memory);
  // The pool's present position in `mark`; 1 if it is not null (a pool that holds nothing has no
  // position yet, and resetting to a null mark frees everything).
  int SetMark(void*& mark);
  // Frees everything allocated after `mark`.
  void ResetKeeping(void* mark);
  // Frees everything; the pool stays usable.
  void ResetAll();
  // Exchanges the blocks (and block sizes) of two pools.
  void Swap(ArbPool& other) noexcept;

  operator PoolMemoryManager*() { return &pool_; }

 private:
  PoolMemoryManager pool_;
};
