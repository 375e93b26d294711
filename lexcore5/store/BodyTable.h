// The record bodies of one generation of the read cache (ReadCache.h): back to back in one buffer,
// found through a table of small slots. A look-up that reads its records again finds a score of
// bodies among tens of thousands; with a slot of 16 bytes the table stays compact enough for the
// processor's caches, and a generation is dropped as two allocations instead of one per body.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace store {

class BodyTable {
 public:
  // The body kept under a row key (never negative), or false. The view is valid until the next
  // Put.
  bool Find(std::int64_t rowKey, std::string_view* body) const;
  // Keeps a copy in place of any body kept under the key before. True when the key was new; false
  // when a body was replaced, or when the buffer cannot take more (4 GiB) and nothing was kept.
  bool Put(std::int64_t rowKey, std::string_view body);

 private:
  static constexpr std::int64_t kEmpty = -1;
  struct Slot {
    std::int64_t key = kEmpty;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
  };
  std::size_t Home(std::int64_t rowKey) const;
  void Grow();

  std::vector<Slot> slots_;
  std::string bytes_;
  std::size_t size_ = 0;
};

}  // namespace store
