// Memory that is mapped in whole when it is allocated. A cache filling fresh memory otherwise takes
// a page fault for every page it touches first, and on a virtual machine a fault costs about as
// much as reading a page from the file: one request for a whole block is far cheaper.
#pragma once

#include <cstddef>

namespace platform {

class PopulatedMemory {
 public:
  PopulatedMemory() = default;
  // `size` bytes, zero-filled; empty (data() null) when the system has none.
  explicit PopulatedMemory(std::size_t size);
  ~PopulatedMemory();
  PopulatedMemory(PopulatedMemory&& other) noexcept;
  PopulatedMemory& operator=(PopulatedMemory&& other) noexcept;
  PopulatedMemory(const PopulatedMemory&) = delete;
  PopulatedMemory& operator=(const PopulatedMemory&) = delete;

  char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace platform
