// A hash map of open addressing for the read cache. A look-up that finds its record again probes
// the cache a score of times; std::unordered_map spends most of that on a division by its prime
// bucket count and on chasing a bucket and a node through memory. Here a probe is a mask and, for
// most keys, one slot that holds the hash, the key and the value side by side.
//
// Linear probing; an erased entry pulls later entries of its run back, so there are no tombstones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace store {

// Row keys differ mostly in their low bits, container and store in their high ones: the finisher
// of SplitMix64 spreads both over the bits a mask keeps.
struct RowKeyHash {
  std::size_t operator()(std::int64_t key) const {
    auto bits = static_cast<std::uint64_t>(key);
    bits = (bits ^ (bits >> 30)) * 0xBF58476D1CE4E5B9ULL;
    bits = (bits ^ (bits >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::size_t>(bits ^ (bits >> 31));
  }
};

struct TextHash {
  std::size_t operator()(const std::string& key) const {
    return std::hash<std::string_view>{}(key);
  }
};

template <typename Key, typename Value, typename Hash>
class FlatMap {
 public:
  // The value, or null. Valid until the next Put or Take.
  Value* Find(const Key& key) {
    const std::size_t at = SlotOf(key);
    return at == kNone ? nullptr : &slots_[at].value;
  }

  // Moves the value out to *value and erases the entry; false when there is none.
  bool Take(const Key& key, Value* value) {
    const std::size_t at = SlotOf(key);
    if (at == kNone) return false;
    *value = std::move(slots_[at].value);
    Erase(at);
    return true;
  }

  // Inserts or replaces; the value in the map and whether the key was new.
  std::pair<Value*, bool> Put(const Key& key, Value value) {
    if ((size_ + 1) * kLoadDenominator > slots_.size() * kLoadNumerator) Grow();
    const std::size_t hash = Hash{}(key);
    std::size_t at = hash & Mask();
    for (; slots_[at].used; at = (at + 1) & Mask()) {
      if (slots_[at].hash == hash && slots_[at].key == key) {
        slots_[at].value = std::move(value);
        return {&slots_[at].value, false};
      }
    }
    slots_[at] = Slot{hash, true, key, std::move(value)};
    ++size_;
    return {&slots_[at].value, true};
  }

  std::size_t Size() const { return size_; }

 private:
  struct Slot {
    std::size_t hash = 0;
    bool used = false;
    Key key{};
    Value value{};
  };
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr std::size_t kFirstCapacity = 64;
  // At most three quarters full: runs stay short.
  static constexpr std::size_t kLoadNumerator = 3;
  static constexpr std::size_t kLoadDenominator = 4;

  std::size_t Mask() const { return slots_.size() - 1; }

  std::size_t SlotOf(const Key& key) const {
    if (size_ == 0) return kNone;
    const std::size_t hash = Hash{}(key);
    for (std::size_t at = hash & Mask(); slots_[at].used; at = (at + 1) & Mask()) {
      if (slots_[at].hash == hash && slots_[at].key == key) return at;
    }
    return kNone;
  }

  // Closes the gap at `hole`: each later entry of the run whose home is not between the hole and
  // itself moves into the hole, which moves on to where it was.
  void Erase(std::size_t hole) {
    for (std::size_t at = (hole + 1) & Mask(); slots_[at].used; at = (at + 1) & Mask()) {
      const std::size_t home = slots_[at].hash & Mask();
      const std::size_t fromHome = (at - home) & Mask();
      const std::size_t fromHole = (at - hole) & Mask();
      if (fromHome >= fromHole) {
        slots_[hole] = std::move(slots_[at]);
        hole = at;
      }
    }
    slots_[hole] = Slot{};
    --size_;
  }

  void Grow() {
    std::vector<Slot> old(slots_.empty() ? kFirstCapacity : slots_.size() * 2);
    old.swap(slots_);
    for (Slot& slot : old) {
      if (!slot.used) continue;
      std::size_t at = slot.hash & Mask();
      while (slots_[at].used) at = (at + 1) & Mask();
      slots_[at] = std::move(slot);
    }
  }

  std::vector<Slot> slots_;
  std::size_t size_ = 0;
};

}  // namespace store
