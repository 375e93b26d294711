#include "store/ArenaTable.h"

#include <functional>
#include <limits>

namespace store {
namespace {

constexpr std::size_t kFirstCapacity = 1024;

std::uint64_t HashOf(std::string_view key) {
  const std::uint64_t hash = std::hash<std::string_view>{}(key);
  return hash == 0 ? 1 : hash;
}

}  // namespace

std::size_t ArenaTable::SlotFor(std::string_view key, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = hash & mask;
  for (; slots_[at].hash != 0; at = (at + 1) & mask) {
    const Slot& slot = slots_[at];
    if (slot.hash == hash && std::string_view(bytes_).substr(slot.offset, slot.keySize) == key) {
      break;
    }
  }
  return at;
}

bool ArenaTable::Find(std::string_view key, std::string_view* value) const {
  if (size_ == 0) return false;
  const Slot& slot = slots_[SlotFor(key, HashOf(key))];
  if (slot.hash == 0) return false;
  *value = std::string_view(bytes_).substr(slot.offset + slot.keySize, slot.valueSize);
  return true;
}

bool ArenaTable::Put(std::string_view key, std::string_view value) {
  if (bytes_.size() + key.size() + value.size() > std::numeric_limits<std::uint32_t>::max()) {
    return false;
  }
  // At most three quarters full, so that runs stay short.
  if ((size_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::uint64_t hash = HashOf(key);
  Slot& slot = slots_[SlotFor(key, hash)];
  const bool fresh = slot.hash == 0;
  slot = Slot{hash, static_cast<std::uint32_t>(bytes_.size()),
              static_cast<std::uint32_t>(key.size()), static_cast<std::uint32_t>(value.size())};
  bytes_.append(key);
  bytes_.append(value);
  size_ += fresh ? 1 : 0;
  return fresh;
}

void ArenaTable::Grow() {
  std::vector<Slot> old(slots_.empty() ? kFirstCapacity : slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.hash == 0) continue;
    std::size_t at = slot.hash & mask;
    while (slots_[at].hash != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace store
