#include "store/ReadCache.h"

#include <utility>

namespace store {
namespace {

// What an entry costs beyond its bytes: the map node, the key and the allocation's bookkeeping.
constexpr std::size_t kEntryOverhead = 64;

std::size_t CostOf(std::int64_t /*rowKey*/, std::string_view body) {
  return body.size() + kEntryOverhead;
}

std::size_t CostOf(const std::string& range, const IndexPage& page) {
  return range.size() + page.lastKey.size() + page.recordIds.size() * sizeof(std::uint32_t) +
         2 * kEntryOverhead;
}

std::size_t CostOf(const std::string& criteria, const CursorResults& results) {
  return criteria.size() + results.recordIds.size() * sizeof(std::uint32_t) + 2 * kEntryOverhead;
}

}  // namespace

void ReadCache::SetBudget(std::size_t bytes) {
  generationBudget_ = bytes / 2;
  Clear();
}

void ReadCache::Clear() {
  for (RecentPack& pack : recentPacks_) pack.key = -1;
  // Every write of a bulk load clears: an empty cache must cost nothing to clear.
  if (young_.bytes == 0 && old_.bytes == 0) return;
  young_ = Generation{};
  old_ = Generation{};
}

const std::string* ReadCache::FindPack(std::int64_t packKey) const {
  for (const RecentPack& pack : recentPacks_) {
    if (pack.key == packKey) return &pack.unpacked;
  }
  return nullptr;
}

void ReadCache::SwapPack(std::int64_t packKey, std::string* unpacked) {
  if (generationBudget_ == 0) return;
  RecentPack& replaced = recentPacks_[nextPack_];
  nextPack_ = (nextPack_ + 1) % recentPacks_.size();
  replaced.key = packKey;
  replaced.unpacked.swap(*unpacked);
}

bool ReadCache::MakeRoom(std::size_t bytes) {
  if (bytes > generationBudget_) return false;
  if (young_.bytes + bytes > generationBudget_) {
    old_ = std::move(young_);
    young_ = Generation{};
  }
  return true;
}

template <typename Key, typename Value, typename Hash>
const Value* ReadCache::Find(FlatMap<Key, Value, Hash> Generation::*map, const Key& key) {
  if (const Value* found = (young_.*map).Find(key)) return found;
  Value value;
  if (!(old_.*map).Take(key, &value)) return nullptr;
  const std::size_t cost = CostOf(key, value);
  old_.bytes -= cost;
  if (!MakeRoom(cost)) return nullptr;
  young_.bytes += cost;
  return (young_.*map).Put(key, std::move(value)).first;
}

template <typename Key, typename Value, typename Hash>
void ReadCache::Keep(FlatMap<Key, Value, Hash> Generation::*map, const Key& key,
                     const Value& value) {
  const std::size_t cost = CostOf(key, value);
  if (!MakeRoom(cost)) return;
  if ((young_.*map).Put(key, value).second) young_.bytes += cost;
}

bool ReadCache::FindBody(std::int64_t rowKey, std::string_view* body) {
  if (young_.bodies.Find(rowKey, body)) return true;
  if (!old_.bodies.Find(rowKey, body)) return false;
  // Left behind in the old generation: the young one is searched first.
  promoted_.assign(*body);
  KeepBody(rowKey, promoted_);
  if (!young_.bodies.Find(rowKey, body)) *body = promoted_;
  return true;
}

void ReadCache::KeepBody(std::int64_t rowKey, std::string_view body) {
  const std::size_t cost = CostOf(rowKey, body);
  if (!MakeRoom(cost)) return;
  if (young_.bodies.Put(rowKey, body)) young_.bytes += cost;
}

const IndexPage* ReadCache::FindIndexPage(const std::string& range) {
  return Find(&Generation::pages, range);
}

void ReadCache::KeepIndexPage(const std::string& range, const IndexPage& page) {
  Keep(&Generation::pages, range, page);
}

const CursorResults* ReadCache::FindResults(const std::string& criteria) {
  return Find(&Generation::results, criteria);
}

void ReadCache::KeepResults(const std::string& criteria, const CursorResults& results) {
  Keep(&Generation::results, criteria, results);
}

std::string IndexRangeName(std::string_view from, std::string_view to, std::size_t limit) {
  // Length-prefixed, so that no two different reads share a name.
  std::string name = std::to_string(from.size());
  name.push_back(':');
  name.append(from);
  name.append(std::to_string(to.size()));
  name.push_back(':');
  name.append(to);
  name.append(std::to_string(limit));
  return name;
}

}  // namespace store
