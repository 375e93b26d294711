// Memory for a cache, in one of three ways. A cache that fills fresh memory takes a page fault for
// every page it touches first, and on a virtual machine a fault costs about as much as reading a
// page from the file: memory a busy cache is about to fill is better mapped in whole, in one
// request. Memory that may never fill, as when a database has just been opened, comes from the
// heap, which hands back memory freed earlier without mapping anything. Memory filled from the
// front a little at a time is mapped in steps, just ahead of what is filled.
#pragma once

#include <cstddef>

namespace platform {

class CacheMemory {
 public:
  enum class Source {
    // Whatever the heap holds: the contents are unspecified.
    kHeap,
    // Mapped in whole at once, zero-filled.
    kMappedWhole,
    // Reserved, zero-filled; its pages are mapped by MapAhead, or one by one as they are touched.
    kMappedInSteps,
  };

  CacheMemory() = default;
  // `size` bytes; empty (data() null) when the system has none.
  CacheMemory(std::size_t size, Source source);
  ~CacheMemory() { Release(); }
  CacheMemory(CacheMemory&& other) noexcept;
  CacheMemory& operator=(CacheMemory&& other) noexcept;
  CacheMemory(const CacheMemory&) = delete;
  CacheMemory& operator=(const CacheMemory&) = delete;

  // Maps the pages of `size` bytes from `offset` in one request, for memory of kMappedInSteps. A
  // system that cannot leaves them to be mapped as they are touched.
  void MapAhead(std::size_t offset, std::size_t size) const;

  char* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  void Release();

  char* data_ = nullptr;
  std::size_t size_ = 0;
  Source source_ = Source::kHeap;
};

}  // namespace platform
