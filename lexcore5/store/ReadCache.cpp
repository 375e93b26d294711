#include "store/ReadCache.h"

#include <utility>

namespace store {
namespace {

// What an entry costs beyond its bytes: the map node, the key and the allocation's bookkeeping.
constexpr std::size_t kEntryOverhead = 64;

std::size_t CostOf(const std::string& body) {
  return body.size() + kEntryOverhead;
}

std::size_t CostOf(const std::string& range, const IndexPage& page) {
  return range.size() + page.lastKey.size() + page.recordIds.size() * sizeof(std::uint32_t) +
         2 * kEntryOverhead;
}

}  // namespace

void ReadCache::SetBudget(std::size_t bytes) {
  generationBudget_ = bytes / 2;
  Clear();
}

void ReadCache::Clear() {
  young_ = Generation{};
  old_ = Generation{};
}

bool ReadCache::MakeRoom(std::size_t bytes) {
  if (bytes > generationBudget_) return false;
  if (young_.bytes + bytes > generationBudget_) {
    old_ = std::move(young_);
    young_ = Generation{};
  }
  return true;
}

const std::string* ReadCache::FindBody(std::int64_t rowKey) {
  if (auto found = young_.bodies.find(rowKey); found != young_.bodies.end()) return &found->second;
  auto found = old_.bodies.find(rowKey);
  if (found == old_.bodies.end()) return nullptr;
  std::string body = std::move(found->second);
  old_.bodies.erase(found);
  old_.bytes -= CostOf(body);
  if (!MakeRoom(CostOf(body))) return nullptr;
  young_.bytes += CostOf(body);
  return &young_.bodies.insert_or_assign(rowKey, std::move(body)).first->second;
}

void ReadCache::KeepBody(std::int64_t rowKey, const std::string& body) {
  if (!MakeRoom(CostOf(body))) return;
  if (young_.bodies.insert_or_assign(rowKey, body).second) young_.bytes += CostOf(body);
}

const IndexPage* ReadCache::FindIndexPage(const std::string& range) {
  if (auto found = young_.pages.find(range); found != young_.pages.end()) return &found->second;
  auto found = old_.pages.find(range);
  if (found == old_.pages.end()) return nullptr;
  IndexPage page = std::move(found->second);
  old_.pages.erase(found);
  old_.bytes -= CostOf(range, page);
  if (!MakeRoom(CostOf(range, page))) return nullptr;
  young_.bytes += CostOf(range, page);
  return &young_.pages.insert_or_assign(range, std::move(page)).first->second;
}

void ReadCache::KeepIndexPage(const std::string& range, const IndexPage& page) {
  if (!MakeRoom(CostOf(range, page))) return;
  if (young_.pages.insert_or_assign(range, page).second) young_.bytes += CostOf(range, page);
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
