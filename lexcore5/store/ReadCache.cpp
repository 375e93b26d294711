#include "store/ReadCache.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "store/RecordAddress.h"

namespace store {
namespace {

// What an entry costs beyond its bytes: its slot, which a table keeps up to a third empty, and the
// allocation's bookkeeping.
constexpr std::size_t kEntryOverhead = 64;

// A row key as the bytes of a key.
std::string_view RowKeyBytes(const std::int64_t& rowKey) {
  return {reinterpret_cast<const char*>(&rowKey), sizeof rowKey};
}

// A count of record IDs, then the IDs, in the byte order of this machine: they never leave the
// process.
void AppendCountedIds(const std::vector<std::uint32_t>& ids, std::string* out) {
  const auto count = static_cast<std::uint32_t>(ids.size());
  out->append(reinterpret_cast<const char*>(&count), sizeof count);
  // An empty vector may have no storage to copy from.
  if (count != 0)
    out->append(reinterpret_cast<const char*>(ids.data()), count * sizeof(std::uint32_t));
}

// Appends the IDs that AppendCountedIds wrote at `bytes` to *ids; the bytes they took.
std::size_t ReadCountedIds(const char* bytes, std::vector<std::uint32_t>* ids) {
  std::uint32_t count = 0;
  std::memcpy(&count, bytes, sizeof count);
  if (count != 0) {
    const std::size_t start = ids->size();
    ids->resize(start + count);
    std::memcpy(ids->data() + start, bytes + sizeof count, count * sizeof(std::uint32_t));
  }
  return sizeof count + count * sizeof(std::uint32_t);
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

bool ReadCache::Find(ArenaTable Generation::*table, std::string_view key, std::string_view* value) {
  if ((young_.*table).Find(key, value)) return true;
  if (!(old_.*table).Find(key, value)) return false;
  // Kept again in the young generation, which is searched first.
  promotedKey_.assign(key);
  promotedValue_.assign(*value);
  Keep(table, promotedKey_, promotedValue_);
  if (!(young_.*table).Find(promotedKey_, value)) *value = promotedValue_;
  return true;
}

void ReadCache::Keep(ArenaTable Generation::*table, std::string_view key, std::string_view value) {
  const std::size_t cost = key.size() + value.size() + kEntryOverhead;
  if (!MakeRoom(cost)) return;
  if ((young_.*table).Put(key, value)) young_.bytes += cost;
}

bool ReadCache::FindBody(std::int64_t rowKey, std::string_view* body) {
  return Find(&Generation::bodies, RowKeyBytes(rowKey), body);
}

void ReadCache::KeepBody(std::int64_t rowKey, std::string_view body) {
  Keep(&Generation::bodies, RowKeyBytes(rowKey), body);
}

void ReadCache::PrefetchBodies(std::uint32_t store, std::uint16_t container,
                               const std::uint32_t* recordIds, std::size_t count) const {
  // A look-up reads a few results of a cursor; more would only crowd out what it needs.
  count = std::min(count, ArenaTable::kMaxPrefetched);
  std::int64_t rowKeys[ArenaTable::kMaxPrefetched];
  std::string_view keys[ArenaTable::kMaxPrefetched];
  for (std::size_t i = 0; i < count; ++i) {
    rowKeys[i] = RowKey(store, container, recordIds[i]);
    keys[i] = RowKeyBytes(rowKeys[i]);
  }
  young_.bodies.Prefetch(keys, count);
}

// An index page is kept as its count of IDs, the IDs and its last key.
bool ReadCache::FindIndexPage(const std::string& range, std::vector<std::uint32_t>* recordIds,
                              std::string* lastKey) {
  std::string_view kept;
  if (!Find(&Generation::pages, range, &kept)) return false;
  const std::size_t before = recordIds->size();
  kept.remove_prefix(ReadCountedIds(kept.data(), recordIds));
  if (recordIds->size() != before) lastKey->assign(kept);
  return true;
}

void ReadCache::KeepIndexPage(const std::string& range, const IndexPage& page) {
  encoded_.clear();
  AppendCountedIds(page.recordIds, &encoded_);
  encoded_.append(page.lastKey);
  Keep(&Generation::pages, range, encoded_);
}

// Results are kept as the yielding set, the count of IDs, the IDs, the count of bodies, where each
// body ends, and the bodies.
bool ReadCache::FindResults(const std::string& criteria, CursorResults* results) {
  std::string_view kept;
  if (!Find(&Generation::results, criteria, &kept)) return false;
  std::memcpy(&results->yieldingSet, kept.data(), sizeof results->yieldingSet);
  kept.remove_prefix(sizeof results->yieldingSet);
  results->recordIds.clear();
  kept.remove_prefix(ReadCountedIds(kept.data(), &results->recordIds));
  results->bodyEnds.clear();
  kept.remove_prefix(ReadCountedIds(kept.data(), &results->bodyEnds));
  results->bodies.assign(kept);
  return true;
}

void ReadCache::KeepResults(const std::string& criteria, const CursorResults& results,
                            std::uint32_t store, std::uint16_t container) {
  // A look-up reads the first few results; bodies beyond them would only crowd the cache.
  constexpr std::size_t kMostBodies = 16;
  constexpr std::size_t kMostBodyBytes = 16 * 1024;
  bodies_.clear();
  bodyEnds_.clear();
  for (std::uint32_t recordId : results.recordIds) {
    std::string_view body;
    if (bodyEnds_.size() == kMostBodies || !FindBody(RowKey(store, container, recordId), &body) ||
        bodies_.size() + body.size() > kMostBodyBytes) {
      break;
    }
    // Copied at once: finding the next one may move entries between generations.
    bodies_.append(body);
    bodyEnds_.push_back(static_cast<std::uint32_t>(bodies_.size()));
  }
  encoded_.assign(reinterpret_cast<const char*>(&results.yieldingSet), sizeof results.yieldingSet);
  AppendCountedIds(results.recordIds, &encoded_);
  AppendCountedIds(bodyEnds_, &encoded_);
  encoded_.append(bodies_);
  Keep(&Generation::results, criteria, encoded_);
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
