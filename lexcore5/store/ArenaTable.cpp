#include "store/ArenaTable.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace store {
namespace {

constexpr std::size_t kFirstCapacity = 1024;
constexpr unsigned kBlockBits = 20;
constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - kBlockBits);

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word) {
  return (std::rotl(hash, 23) ^ word) * 0x9E3779B97F4A7C15ULL;
}

// Keys are row keys and short binary strings, hashed once per probe: eight bytes a step, with a
// final scramble so that the low bits a slot index takes depend on every byte. The library's
// string hash costs about ten times as much on them.
std::uint64_t HashOf(std::string_view key) {
  std::uint64_t hash = key.size();
  const char* at = key.data();
  std::size_t left = key.size();
  for (; left >= 8; at += 8, left -= 8) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    hash = Mix(hash, word);
  }
  if (left != 0) {
    std::uint64_t word = 0;
    std::memcpy(&word, at, left);
    hash = Mix(hash, word);
  }
  hash ^= hash >> 33;
  hash *= 0xFF51AFD7ED558CCDULL;
  hash ^= hash >> 33;
  return hash == 0 ? 1 : hash;
}

// Blocks fill from the front: their pages are mapped this far ahead of the last entry, a request
// for sixteen pages instead of a fault for each.
constexpr std::size_t kMapAhead = std::size_t{64} << 10;

// The first slot table comes from the heap: a table that holds a few entries, as for a database
// just opened, then costs no fresh memory. A table that grows past it is filling, and the larger
// ones are mapped in whole.
platform::CacheMemory::Source SourceFor(bool first) {
  return first ? platform::CacheMemory::Source::kHeap : platform::CacheMemory::Source::kMappedWhole;
}

}  // namespace

std::size_t ArenaTable::SlotFor(std::string_view key, std::uint64_t hash) const {
  const Slot* slots = Slots();
  const std::size_t mask = capacity_ - 1;
  std::size_t at = hash & mask;
  for (; slots[at].hash != 0; at = (at + 1) & mask) {
    const Slot& slot = slots[at];
    if (slot.hash == hash && std::string_view(At(slot.offset), slot.keySize) == key) {
      break;
    }
  }
  return at;
}

bool ArenaTable::Find(std::string_view key, std::string_view* value) const {
  if (size_ == 0) return false;
  const Slot& slot = Slots()[SlotFor(key, HashOf(key))];
  if (slot.hash == 0) return false;
  *value = std::string_view(At(slot.offset) + slot.keySize, slot.valueSize);
  return true;
}

void ArenaTable::Prefetch(const std::string_view* keys, std::size_t count) const {
  if (size_ == 0) return;
  count = std::min(count, kMaxPrefetched);
  const Slot* slots = Slots();
  const std::size_t mask = capacity_ - 1;
  std::uint64_t hashes[kMaxPrefetched];
  for (std::size_t i = 0; i < count; ++i) {
    hashes[i] = HashOf(keys[i]);
    __builtin_prefetch(&slots[hashes[i] & mask]);
  }
  for (std::size_t i = 0; i < count; ++i) {
    // Only the slot the key hashes to: an entry further along its run is rare, and a hint that
    // misses costs nothing but the hint.
    const Slot& slot = slots[hashes[i] & mask];
    if (slot.hash == hashes[i]) __builtin_prefetch(At(slot.offset));
  }
}

const char* ArenaTable::At(std::uint32_t offset) const {
  return blocks_[offset >> kBlockBits].data() + (offset & (kBlockSize - 1));
}

bool ArenaTable::Append(std::string_view key, std::string_view value, std::uint32_t* offset) {
  const std::size_t size = key.size() + value.size();
  if (size > kBlockSize) return false;
  if (blocks_.empty() || used_ + size > kBlockSize) {
    if (blocks_.size() == kMaxBlocks) return false;
    platform::CacheMemory block(kBlockSize, platform::CacheMemory::Source::kMappedInSteps);
    if (block.data() == nullptr) return false;
    blocks_.push_back(std::move(block));
    used_ = 0;
    mapped_ = 0;
  }
  if (used_ + size > mapped_) {
    const std::size_t ahead = std::max(kMapAhead, used_ + size - mapped_);
    blocks_.back().MapAhead(mapped_, ahead);
    mapped_ += ahead;
  }
  char* at = blocks_.back().data() + used_;
  // Either may be empty, and an empty view may have no data to copy from.
  if (!key.empty()) std::memcpy(at, key.data(), key.size());
  if (!value.empty()) std::memcpy(at + key.size(), value.data(), value.size());
  *offset = static_cast<std::uint32_t>((blocks_.size() - 1) << kBlockBits | used_);
  used_ += size;
  return true;
}

bool ArenaTable::Put(std::string_view key, std::string_view value) {
  std::uint32_t offset = 0;
  if (!Append(key, value, &offset)) return false;
  // At most three quarters full, so that runs stay short.
  if ((size_ + 1) * 4 > capacity_ * 3 && !Grow()) return false;
  const std::uint64_t hash = HashOf(key);
  Slot& slot = Slots()[SlotFor(key, hash)];
  const bool fresh = slot.hash == 0;
  slot = Slot{hash, offset, static_cast<std::uint32_t>(key.size()),
              static_cast<std::uint32_t>(value.size())};
  size_ += fresh ? 1 : 0;
  return fresh;
}

bool ArenaTable::Grow() {
  const std::size_t capacity = capacity_ == 0 ? kFirstCapacity : capacity_ * 2;
  const auto source = SourceFor(capacity_ == 0);
  platform::CacheMemory memory(capacity * sizeof(Slot), source);
  if (memory.data() == nullptr) return false;
  // Empty slots are zero, which only mapped memory comes as.
  if (source == platform::CacheMemory::Source::kHeap) std::memset(memory.data(), 0, memory.size());
  std::swap(memory, slotMemory_);
  const Slot* old = reinterpret_cast<const Slot*>(memory.data());
  const std::size_t oldCapacity = std::exchange(capacity_, capacity);
  Slot* slots = Slots();
  const std::size_t mask = capacity_ - 1;
  for (std::size_t i = 0; i < oldCapacity; ++i) {
    if (old[i].hash == 0) continue;
    std::size_t at = old[i].hash & mask;
    while (slots[at].hash != 0) at = (at + 1) & mask;
    slots[at] = old[i];
  }
  return true;
}

}  // namespace store
