#include "ArbPool.h"

#include <utility>

#include "store/Pool.h"

ArbPool::ArbPool(std::uint16_t blockSize) {
  store::PoolInit(&pool_, blockSize);
}

ArbPool::~ArbPool() {
  store::PoolFree(&pool_);
}

int ArbPool::Allocate(std::uint16_t size, void*& memory) {
  memory = store::PoolAllocate(&pool_, size);
  return memory != nullptr ? 1 : 0;
}

int ArbPool::SetMark(void*& mark) {
  mark = store::PoolMark(&pool_);
  return mark != nullptr ? 1 : 0;
}

void ArbPool::ResetKeeping(void* mark) {
  store::PoolReset(&pool_, mark);
}

void ArbPool::ResetAll() {
  store::PoolFree(&pool_);
}

void ArbPool::Swap(ArbPool& other) noexcept {
  std::swap(pool_, other.pool_);
}
