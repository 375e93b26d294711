#include "store/BodyTable.h"

#include <limits>

#include "store/FlatMap.h"

namespace store {
namespace {

constexpr std::size_t kFirstCapacity = 1024;

}  // namespace

std::size_t BodyTable::Home(std::int64_t rowKey) const {
  return RowKeyHash{}(rowKey) & (slots_.size() - 1);
}

bool BodyTable::Find(std::int64_t rowKey, std::string_view* body) const {
  if (size_ == 0) return false;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = Home(rowKey); slots_[at].key != kEmpty; at = (at + 1) & mask) {
    if (slots_[at].key == rowKey) {
      *body = std::string_view(bytes_).substr(slots_[at].offset, slots_[at].size);
      return true;
    }
  }
  return false;
}

bool BodyTable::Put(std::int64_t rowKey, std::string_view body) {
  if (bytes_.size() + body.size() > std::numeric_limits<std::uint32_t>::max()) return false;
  // At most three quarters full, so that runs stay short.
  if ((size_ + 1) * 4 > slots_.size() * 3) Grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t at = Home(rowKey);
  while (slots_[at].key != kEmpty && slots_[at].key != rowKey) at = (at + 1) & mask;
  const bool fresh = slots_[at].key == kEmpty;
  slots_[at] = Slot{rowKey, static_cast<std::uint32_t>(bytes_.size()),
                    static_cast<std::uint32_t>(body.size())};
  bytes_.append(body);
  size_ += fresh ? 1 : 0;
  return fresh;
}

void BodyTable::Grow() {
  std::vector<Slot> old(slots_.empty() ? kFirstCapacity : slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.key == kEmpty) continue;
    std::size_t at = Home(slot.key);
    while (slots_[at].key != kEmpty) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace store
