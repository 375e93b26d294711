#include "platform/PopulatedMemory.h"

#include <sys/mman.h>

#include <utility>

namespace platform {

PopulatedMemory::PopulatedMemory(std::size_t size) {
  void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (memory == MAP_FAILED) return;
  data_ = static_cast<char*>(memory);
  size_ = size;
}

PopulatedMemory::~PopulatedMemory() {
  if (data_ != nullptr) munmap(data_, size_);
}

PopulatedMemory::PopulatedMemory(PopulatedMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

PopulatedMemory& PopulatedMemory::operator=(PopulatedMemory&& other) noexcept {
  if (this != &other) {
    if (data_ != nullptr) munmap(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace platform
