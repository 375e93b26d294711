// Produces a cursor's results in order, a page of candidates at a time, checking each candidate
// against the whole criteria and keeping each result once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "Node.h"
#include "store/CursorState.h"
#include "store/QueryEvaluator.h"
#include "store/QueryPlan.h"
#include "store/ReadCache.h"

namespace store {

class ResultStream {
 public:
  // `collator` orders text for the criteria (null: code point order) and must outlive the stream.
  ResultStream(const Cursor& cursor, QueryPlan plan, std::shared_ptr<const Collator> collator);
  // A stream whose results are all known already (kept from an earlier cursor).
  ResultStream(const Cursor& cursor, const CursorResults& known, std::uint64_t transaction);
  ~ResultStream();
  ResultStream(const ResultStream&) = delete;
  ResultStream& operator=(const ResultStream&) = delete;

  // Starts again as a stream made with these arguments for the same cursor, keeping the memory
  // its lists and pool hold: a cursor makes a stream for every change of its criteria, and a
  // cursor started again makes one for each use.
  void Restart(QueryPlan plan, std::shared_ptr<const Collator> collator);
  // Known results were found in the read cache in read transaction `transaction`.
  void Restart(const CursorResults& known, std::uint64_t transaction);
  // How many record IDs its lists have room for: what keeping it for a restart holds.
  std::size_t IdCapacity() const {
    return ids_.capacity() + candidates_.capacity() + seen_.bucket_count();
  }

  // Produces results until there are more than `index` or none are left; a store code.
  std::uint32_t Reach(std::size_t index);
  std::uint32_t ReachEnd() { return Reach(static_cast<std::size_t>(-1)); }
  const std::vector<std::uint32_t>& Ids() const { return ids_; }
  // Where the results live.
  const CursorSource& Yielding() const { return cursor_.sources[plan_.yieldingSet]; }

  // The stored body of the last result produced since ForgetFreshBody, when that result is
  // `recordId`: the body it was found to satisfy the criteria with, so that the cursor can hand it
  // out without reading it again.
  bool FreshBody(std::uint32_t recordId, std::string_view* body) const;
  // Called before a move, so that a body produced earlier is never handed out as current: a change
  // made since then must be seen.
  void ForgetFreshBody() { freshId_ = 0; }
  // The stored body of result `index` when it came with known results, and the read transaction
  // they were found in: the body is what the file holds only while that transaction is still the
  // one held with the cache current (see ReusableTransaction).
  bool KnownBody(std::size_t index, std::string_view* body, std::uint64_t* transaction) const;

  // Once every result is found, offers them to `db` for cursors built alike (see ResultReuse.h).
  void KeepWhenComplete(Database* db, std::string key, std::uint64_t transaction);

 private:
  // Back to before the first result of plan_, which is in place.
  void ResetReading();
  std::uint32_t NextCandidates();
  std::uint32_t NextKeyPage();
  std::uint32_t CollectByRecordId();
  // Index pages go on with the first key after `lastKey`.
  void ContinueAfter(std::string lastKey);
  std::uint32_t ScanAndSort();
  std::uint32_t Consider(std::uint32_t candidate);
  // Empties the pool that candidates are decoded into.
  void ResetPool();
  std::uint32_t Load(std::uint16_t set, std::uint32_t recordId, bool* found);
  bool Holds();
  // For a join: whether the driving record loaded last can join to a result at all.
  bool DrivingRecordQualifies();
  // Records a result; its body is the one loaded last.
  void Accept(std::uint32_t recordId);
  void KeepIfWanted();

  const Cursor& cursor_;
  QueryPlan plan_;
  std::shared_ptr<const Collator> collator_;
  QuerySettings settings_;

  std::vector<std::uint32_t> ids_;
  std::unordered_set<std::uint32_t> seen_;
  // Candidates waiting to be considered, from nextCandidate_ on.
  std::vector<std::uint32_t> candidates_;
  std::size_t nextCandidate_ = 0;
  bool exhausted_ = false;
  std::string nextKey_;
  std::uint32_t lastScanned_ = 0;
  std::size_t pageSize_ = 0;  // set by Restart

  PoolMemoryManager pool_{};
  void* poolStart_ = nullptr;
  QueryRecords records_;
  // The body of the record loaded last, and that of the last result (0: none).
  std::string loadedBody_;
  std::string freshBody_;
  std::uint32_t freshId_ = 0;
  // Bodies that came with known results (see CursorResults) and where each ends.
  std::string knownBodies_;
  std::vector<std::uint32_t> knownBodyEnds_;
  std::uint64_t knownIn_ = 0;

  // Where and under which name the complete results are to be kept (null: nowhere).
  Database* keepIn_ = nullptr;
  std::string keepKey_;
  std::uint64_t keepTransaction_ = 0;
};

}  // namespace store
