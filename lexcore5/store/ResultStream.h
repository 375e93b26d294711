// Produces a cursor's results in order, a page of candidates at a time, checking each candidate
// against the whole criteria and keeping each result once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "Node.h"
#include "store/CursorState.h"
#include "store/QueryEvaluator.h"
#include "store/QueryPlan.h"

namespace store {

class ResultStream {
 public:
  // `collator` orders text for the criteria (null: code point order) and must outlive the stream.
  ResultStream(const Cursor& cursor, QueryPlan plan, std::shared_ptr<const Collator> collator);
  ~ResultStream();
  ResultStream(const ResultStream&) = delete;
  ResultStream& operator=(const ResultStream&) = delete;

  // Produces results until there are more than `index` or none are left; a store code.
  std::uint32_t Reach(std::size_t index);
  std::uint32_t ReachEnd() { return Reach(static_cast<std::size_t>(-1)); }
  const std::vector<std::uint32_t>& Ids() const { return ids_; }
  // Where the results live.
  const CursorSource& Yielding() const { return cursor_.sources[plan_.yieldingSet]; }

 private:
  std::uint32_t NextCandidates();
  std::uint32_t NextKeyPage();
  std::uint32_t CollectByRecordId();
  std::uint32_t ScanAndSort();
  std::uint32_t Consider(std::uint32_t candidate);
  std::uint32_t Load(std::uint16_t set, std::uint32_t recordId, bool* found);
  bool Holds();

  const Cursor& cursor_;
  QueryPlan plan_;
  std::shared_ptr<const Collator> collator_;
  QuerySettings settings_;

  std::vector<std::uint32_t> ids_;
  std::unordered_set<std::uint32_t> seen_;
  std::deque<std::uint32_t> candidates_;
  bool exhausted_ = false;
  std::string nextKey_;
  std::uint32_t lastScanned_ = 0;
  std::size_t pageSize_ = 16;

  PoolMemoryManager pool_{};
  void* poolStart_ = nullptr;
  QueryRecords records_;
};

}  // namespace store
