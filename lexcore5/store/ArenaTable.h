// The entries of one generation of the read cache (ReadCache.h): keys and values back to back in
// one buffer, found through a table of small slots. A look-up that reads its records again probes
// the cache a score of times among tens of thousands of entries. A node-based map pays for each
// probe with a division by its prime bucket count and with loads scattered over bucket, node, key
// and value; here a probe is a mask into a compact table, and the key and the value it finds share
// their cache lines. Dropping a generation frees two allocations instead of several per entry.
//
// The buffer is a row of blocks of 1 MiB that never move: growing it copies nothing. An entry
// larger than a block is not kept. Blocks are mapped a few pages ahead of their last entry. The
// first slot table comes from the heap; those made as the table grows are mapped in whole
// (platform::CacheMemory), as a growing cache is filling. Linear probing; nothing is ever erased,
// as a generation is dropped whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/CacheMemory.h"

namespace store {

class ArenaTable {
 public:
  // The value kept under `key`, or false. The view is valid until the next Put.
  bool Find(std::string_view key, std::string_view* value) const;
  // Keeps copies of both in place of any value kept under the key before. True when the key was
  // new; false when a value was replaced, or when nothing was kept: an entry larger than a block,
  // or the buffer full (4 GiB).
  bool Put(std::string_view key, std::string_view value);

  // For keys known a while before they are looked up: starts loading the slots where they are
  // found and then the bytes of their entries, so that the cache misses of the whole row overlap
  // instead of following one another. At most kMaxPrefetched keys are taken.
  static constexpr std::size_t kMaxPrefetched = 8;
  void Prefetch(const std::string_view* keys, std::size_t count) const;

 private:
  // A hash of 0 marks an empty slot.
  struct Slot {
    std::uint64_t hash = 0;
    std::uint32_t offset = 0;
    std::uint32_t keySize = 0;
    std::uint32_t valueSize = 0;
  };
  // The slot that holds `key` or the empty one where it would go.
  std::size_t SlotFor(std::string_view key, std::uint64_t hash) const;
  // False when there is no memory for a larger table.
  bool Grow();
  Slot* Slots() const { return reinterpret_cast<Slot*>(slotMemory_.data()); }
  // Where the bytes at `offset` are: its high bits pick the block.
  const char* At(std::uint32_t offset) const;
  // Copies `size` bytes to the buffer; their offset, or false when there is no room.
  bool Append(std::string_view key, std::string_view value, std::uint32_t* offset);

  // Zeroed: all slots empty. Its size is a power of two.
  platform::CacheMemory slotMemory_;
  std::size_t capacity_ = 0;
  std::vector<platform::CacheMemory> blocks_;
  // Bytes used in the last block, and how many of its bytes are mapped.
  std::size_t used_ = 0;
  std::size_t mapped_ = 0;
  std::size_t size_ = 0;
};

}  // namespace store
