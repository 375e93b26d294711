#include "platform/CacheMemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include <cstdlib>
#include <utility>

namespace platform {

CacheMemory::CacheMemory(std::size_t size, Source source) : source_(source) {
  void* memory = nullptr;
  if (source == Source::kHeap) {
    memory = std::malloc(size);
  } else {
    const int populate = source == Source::kMappedWhole ? MAP_POPULATE : 0;
    memory =
        mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | populate, -1, 0);
    if (memory == MAP_FAILED) memory = nullptr;
  }
  if (memory == nullptr) return;
  data_ = static_cast<char*>(memory);
  size_ = size;
}

void CacheMemory::MapAhead(std::size_t offset, std::size_t size) const {
  if (source_ != Source::kMappedInSteps || offset >= size_) return;
  const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  const std::size_t from = offset / page * page;
  const std::size_t to = std::min(size_, offset + size);
  madvise(data_ + from, to - from, MADV_POPULATE_WRITE);
}

CacheMemory::CacheMemory(CacheMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      source_(other.source_) {}

CacheMemory& CacheMemory::operator=(CacheMemory&& other) noexcept {
  if (this != &other) {
    Release();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    source_ = other.source_;
  }
  return *this;
}

void CacheMemory::Release() {
  if (data_ == nullptr) return;
  if (source_ == Source::kHeap) {
    std::free(data_);
  } else {
    munmap(data_, size_);
  }
  data_ = nullptr;
  size_ = 0;
}

}  // namespace platform
