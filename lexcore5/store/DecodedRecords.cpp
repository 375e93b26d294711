#include "store/DecodedRecords.h"

#include <cstring>
#include <functional>

#include "store/Pool.h"

namespace store {
namespace {

// Values start at multiples of this, as the decoder places them, so that numbers read in place
// stay aligned.
constexpr std::size_t kValueAlignment = 8;

std::size_t Aligned(std::size_t offset) {
  return (offset + kValueAlignment - 1) / kValueAlignment * kValueAlignment;
}

}  // namespace

std::size_t DecodedRecords::Entry::Bytes() const {
  return sizeof(Entry) + body.size() + nodes.size() * sizeof(FlatNode) + values.size();
}

std::size_t DecodedRecords::PlaceHash::operator()(const RecordPlace& place) const {
  const std::size_t where = std::hash<const void*>()(place.db) ^
                            (static_cast<std::size_t>(place.store) << 16 ^ place.container);
  return where * 31 + place.recordId;
}

void DecodedRecords::SetBudget(std::size_t bytes) {
  const std::lock_guard<std::mutex> lock(mutex_);
  generationBudget_ = bytes / 2;
  young_.clear();
  old_.clear();
  youngBytes_ = 0;
}

const DecodedRecords::Entry* DecodedRecords::Find(const RecordPlace& place, std::string_view body) {
  if (const auto found = young_.find(place); found != young_.end()) {
    return found->second.body == body ? &found->second : nullptr;
  }
  const auto found = old_.find(place);
  if (found == old_.end() || found->second.body != body) return nullptr;
  // In use again: it moves to the young generation so that it outlives the old one.
  Entry entry = std::move(found->second);
  old_.erase(found);
  return PutYoung(place, std::move(entry));
}

const DecodedRecords::Entry* DecodedRecords::PutYoung(const RecordPlace& place, Entry entry) {
  const std::size_t bytes = entry.Bytes();
  if (bytes > generationBudget_) return nullptr;
  if (const auto kept = young_.find(place); kept != young_.end()) {
    youngBytes_ -= kept->second.Bytes();
    young_.erase(kept);
  }
  if (youngBytes_ + bytes > generationBudget_) {
    old_ = std::move(young_);
    young_.clear();
    youngBytes_ = 0;
  }
  old_.erase(place);
  youngBytes_ += bytes;
  return &young_.emplace(place, std::move(entry)).first->second;
}

bool DecodedRecords::Rebuild(const RecordPlace& place, std::string_view body,
                             PoolMemoryManager* pool, node** root) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const Entry* entry = Find(place, body);
  if (entry == nullptr) return false;
  void* mark = PoolMark(pool);
  auto* nodes = static_cast<node*>(PoolAllocate(pool, entry->nodes.size() * sizeof(node)));
  auto* values = static_cast<std::uint8_t*>(PoolAllocate(pool, entry->values.size() + 1));
  if (nodes == nullptr || values == nullptr) {
    PoolReset(pool, mark);
    return false;
  }
  std::memcpy(values, entry->values.data(), entry->values.size());
  const std::size_t count = entry->nodes.size();
  for (std::size_t i = 0; i < count; ++i) {
    const FlatNode& flat = entry->nodes[i];
    node& out = nodes[i];
    out = node{};
    out.next = i + 1 < count ? &nodes[i + 1] : nullptr;
    out.prev = i > 0 ? &nodes[i - 1] : nullptr;
    out.value = flat.valueOffset == kNoValue ? nullptr : values + flat.valueOffset;
    out.length = flat.length;
    out.tag = flat.tag;
    out.level = flat.level;
    out.type = flat.type;
    out.recordId = flat.recordId;
  }
  nodes->store = place.store;
  nodes->container = place.container;
  nodes->database = place.db;
  *root = nodes;
  return true;
}

void DecodedRecords::Keep(const RecordPlace& place, std::string_view body, const node* root) {
  Entry entry;
  entry.body.assign(body);
  for (const node* n = root; n != nullptr; n = n->next) {
    // Only the root carries a source; a tree with more than the decoder makes is not kept.
    if (n != root && n->HasSource()) return;
    FlatNode flat{n->recordId, kNoValue, n->length, n->tag, n->level, n->type};
    if (n->value != nullptr) {
      entry.values.resize(Aligned(entry.values.size()));
      flat.valueOffset = static_cast<std::uint32_t>(entry.values.size());
      entry.values.append(static_cast<const char*>(n->value), n->length);
    }
    entry.nodes.push_back(flat);
  }
  const std::lock_guard<std::mutex> lock(mutex_);
  PutYoung(place, std::move(entry));
}

}  // namespace store
