#include "store/ResultStream.h"

#include <algorithm>

#include "ArbCodes.h"
#include "store/Collation.h"
#include "store/IndexKeys.h"
#include "store/IndexScan.h"
#include "store/Pool.h"
#include "store/RecordCodec.h"
#include "store/ResultReuse.h"
#include "store/StoredBody.h"

namespace store {
namespace {

constexpr std::size_t kFirstPageSize = 16;
constexpr std::size_t kMaxPageSize = 1024;
// Collecting a whole index range at once reads it in pages of this size.
constexpr std::size_t kCollectPageSize = 4096;

// Makes *plan one that reads nothing: the results are known. Assigned from an empty plan rather
// than replaced by a new one, so that the lists and keys of the old plan keep their memory for the
// next stream that needs them (a kept cursor restarts its stream for every look-up).
void MakeKnownResultsPlan(std::uint16_t yieldingSet, QueryPlan* plan) {
  static const QueryPlan kEmpty;
  *plan = kEmpty;
  plan->drivingSet = plan->yieldingSet = yieldingSet;
  plan->driver.kind = Driver::Kind::kIdList;
}

}  // namespace

ResultStream::ResultStream(const Cursor& cursor, QueryPlan plan,
                           std::shared_ptr<const Collator> collator)
    : cursor_(cursor) {
  PoolInit(&pool_, 1024);
  Restart(std::move(plan), std::move(collator));
}

ResultStream::ResultStream(const Cursor& cursor, const CursorResults& known,
                           std::uint64_t transaction)
    : cursor_(cursor) {
  PoolInit(&pool_, 1024);
  Restart(known, transaction);
}

void ResultStream::Restart(QueryPlan plan, std::shared_ptr<const Collator> collator) {
  plan_ = std::move(plan);
  collator_ = std::move(collator);
  ResetReading();
}

void ResultStream::Restart(const CursorResults& known, std::uint64_t transaction) {
  MakeKnownResultsPlan(known.yieldingSet, &plan_);
  collator_.reset();
  ResetReading();
  ids_.assign(known.recordIds.begin(), known.recordIds.end());
  knownBodies_.assign(known.bodies);
  knownBodyEnds_.assign(known.bodyEnds.begin(), known.bodyEnds.end());
  knownIn_ = transaction;
}

void ResultStream::ResetReading() {
  settings_ = QuerySettings{};
  settings_.caseSensitive = cursor_.CaseSensitive();
  settings_.wildcards = cursor_.Wildcards();
  settings_.collator = collator_.get();
  ids_.clear();
  seen_.clear();
  candidates_.clear();
  nextCandidate_ = 0;
  exhausted_ = false;
  nextKey_ = plan_.driver.range.from;
  lastScanned_ = 0;
  pageSize_ = kFirstPageSize;
  if (plan_.driver.kind == Driver::Kind::kIdList) {
    candidates_.assign(plan_.driver.ids.begin(), plan_.driver.ids.end());
    exhausted_ = true;
  }
  // Back to the first block, which is kept (see ResetPool).
  if (poolStart_ != nullptr) PoolReset(&pool_, poolStart_);
  records_ = QueryRecords{};
  loadedBody_.clear();
  freshBody_.clear();
  freshId_ = 0;
  knownBodies_.clear();
  knownBodyEnds_.clear();
  knownIn_ = 0;
  keepIn_ = nullptr;
  keepKey_.clear();
  keepTransaction_ = 0;
}

void ResultStream::KeepWhenComplete(Database* db, std::string key, std::uint64_t transaction) {
  keepIn_ = db;
  keepKey_ = std::move(key);
  keepTransaction_ = transaction;
}

void ResultStream::KeepIfWanted() {
  if (keepIn_ == nullptr) return;
  KeepCursorResults(keepIn_, keepTransaction_, keepKey_, {plan_.yieldingSet, ids_}, Yielding());
  keepIn_ = nullptr;
}

ResultStream::~ResultStream() {
  PoolFree(&pool_);
}

std::uint32_t ResultStream::Reach(std::size_t index) {
  while (ids_.size() <= index) {
    if (nextCandidate_ == candidates_.size()) {
      if (exhausted_) {
        KeepIfWanted();
        break;
      }
      candidates_.clear();
      nextCandidate_ = 0;
      if (std::uint32_t code = NextCandidates()) return code;
      continue;
    }
    if (std::uint32_t code = Consider(candidates_[nextCandidate_++])) return code;
  }
  return arbcode::SUCCESS;
}

std::uint32_t ResultStream::NextCandidates() {
  const Driver& driver = plan_.driver;
  if (driver.kind == Driver::Kind::kIndexRange) {
    return driver.byRecordId ? CollectByRecordId() : NextKeyPage();
  }
  if (driver.kind == Driver::Kind::kSortedScan) return ScanAndSort();
  const CursorSource& source = cursor_.sources[plan_.drivingSet];
  std::vector<std::uint32_t> ids;
  if (std::uint32_t code =
          ReadRecordIds(source.db, source.store, source.container, lastScanned_, pageSize_, &ids)) {
    return code;
  }
  exhausted_ = ids.size() < pageSize_;
  if (!ids.empty()) lastScanned_ = ids.back();
  candidates_.insert(candidates_.end(), ids.begin(), ids.end());
  pageSize_ = std::min(pageSize_ * 2, kMaxPageSize);
  return arbcode::SUCCESS;
}

std::uint32_t ResultStream::NextKeyPage() {
  const CursorSource& source = cursor_.sources[plan_.drivingSet];
  const std::size_t before = candidates_.size();
  std::string lastKey;
  if (std::uint32_t code = ReadIndexEntries(source.db, nextKey_, plan_.driver.range.to, pageSize_,
                                            &candidates_, &lastKey)) {
    // A page that failed half-way is read again in full by the next attempt.
    candidates_.resize(before);
    return code;
  }
  exhausted_ = candidates_.size() - before < pageSize_;
  if (candidates_.size() > before) ContinueAfter(std::move(lastKey));
  pageSize_ = std::min(pageSize_ * 2, kMaxPageSize);
  return arbcode::SUCCESS;
}

std::uint32_t ResultStream::CollectByRecordId() {
  const CursorSource& source = cursor_.sources[plan_.drivingSet];
  std::vector<std::uint32_t> ids;
  std::size_t before = 0;
  do {
    before = ids.size();
    std::string lastKey;
    if (std::uint32_t code = ReadIndexEntries(source.db, nextKey_, plan_.driver.range.to,
                                              kCollectPageSize, &ids, &lastKey)) {
      return code;
    }
    if (ids.size() > before) ContinueAfter(std::move(lastKey));
  } while (ids.size() - before == kCollectPageSize);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  candidates_.insert(candidates_.end(), ids.begin(), ids.end());
  exhausted_ = true;
  return arbcode::SUCCESS;
}

void ResultStream::ContinueAfter(std::string lastKey) {
  // The smallest key after the last one read.
  nextKey_ = std::move(lastKey);
  nextKey_.push_back('\0');
}

std::uint32_t ResultStream::ScanAndSort() {
  const CursorSource& source = cursor_.sources[plan_.drivingSet];
  const std::uint16_t set = plan_.drivingSet;
  std::vector<std::pair<std::string, std::uint32_t>> matches;
  std::vector<StoredRecord> page;
  std::vector<std::string> keys;
  std::uint32_t after = 0;
  do {
    if (std::uint32_t code =
            ReadRecordPage(source.db, source.store, source.container, after, kMaxPageSize, &page)) {
      return code;
    }
    for (const StoredRecord& stored : page) {
      ResetPool();
      node* root = nullptr;
      if (std::uint32_t code = DecodeRecord(stored.body, &pool_, &root)) return code;
      records_.roots[set] = root;
      records_.ids[set] = stored.id;
      if (!Holds()) continue;
      if (std::uint32_t code =
              BuildIndexKeys(plan_.driver.order, *collator_, root, stored.id, &keys)) {
        return code;
      }
      // Keys come sorted: a record takes its place at its first entry, and one that the index
      // does not hold is no result.
      if (!keys.empty()) matches.emplace_back(std::move(keys.front()), stored.id);
    }
    if (!page.empty()) after = page.back().id;
  } while (page.size() == kMaxPageSize);
  std::sort(matches.begin(), matches.end());
  for (const auto& match : matches) ids_.push_back(match.second);
  exhausted_ = true;
  return arbcode::SUCCESS;
}

void ResultStream::ResetPool() {
  // The first block is made on first use, as a stream whose results were kept reads no record.
  // Candidates are loaded by the thousand; resetting to a mark keeps that block for reuse.
  if (poolStart_ == nullptr) {
    PoolAllocate(&pool_, 1);
    poolStart_ = PoolMark(&pool_);
  }
  PoolReset(&pool_, poolStart_);
}

std::uint32_t ResultStream::Load(std::uint16_t set, std::uint32_t recordId, bool* found) {
  const CursorSource& source = cursor_.sources[set];
  node* root = nullptr;
  std::uint32_t code =
      ReadStoredBody(source.db, source.store, source.container, recordId, &loadedBody_);
  if (code == arbcode::SUCCESS) {
    code = DecodeStoredBody(loadedBody_, source.db, source.store, source.container, recordId,
                            &pool_, &root);
  }
  // An index entry or a link may name a record that is gone; it is simply not a result.
  *found = code == arbcode::SUCCESS;
  if (code != arbcode::SUCCESS && code != arbcode::NOT_FOUND) return code;
  records_.roots[set] = *found ? root : nullptr;
  records_.ids[set] = recordId;
  return arbcode::SUCCESS;
}

bool ResultStream::Holds() {
  return EvaluateQuery(cursor_.query, records_, settings_);
}

bool ResultStream::DrivingRecordQualifies() {
  for (int conjunct : plan_.drivingConjuncts) {
    if (!EvaluateQueryNode(cursor_.query, conjunct, records_, settings_)) return false;
  }
  return true;
}

void ResultStream::Accept(std::uint32_t recordId) {
  seen_.insert(recordId);
  ids_.push_back(recordId);
  freshBody_.swap(loadedBody_);
  freshId_ = recordId;
}

bool ResultStream::KnownBody(std::size_t index, std::string_view* body,
                             std::uint64_t* transaction) const {
  if (index >= knownBodyEnds_.size()) return false;
  const std::uint32_t start = index == 0 ? 0 : knownBodyEnds_[index - 1];
  *body = std::string_view(knownBodies_).substr(start, knownBodyEnds_[index] - start);
  *transaction = knownIn_;
  return true;
}

bool ResultStream::FreshBody(std::uint32_t recordId, std::string_view* body) const {
  if (freshId_ == 0 || freshId_ != recordId) return false;
  *body = freshBody_;
  return true;
}

std::uint32_t ResultStream::Consider(std::uint32_t candidate) {
  ResetPool();
  const std::uint16_t driving = plan_.drivingSet;
  if (!plan_.join) {
    if (seen_.count(candidate) != 0) return arbcode::SUCCESS;
    bool found = false;
    if (std::uint32_t code = Load(driving, candidate, &found)) return code;
    if (found && Holds()) Accept(candidate);
    return arbcode::SUCCESS;
  }
  bool found = false;
  if (std::uint32_t code = Load(driving, candidate, &found)) return code;
  if (!found || !DrivingRecordQualifies()) return arbcode::SUCCESS;
  std::vector<std::uint32_t> targets;
  OperandRecordIds(plan_.joinField, records_.roots[driving], &targets);
  void* mark = PoolMark(&pool_);
  for (std::uint32_t target : targets) {
    if (seen_.count(target) != 0) continue;
    PoolReset(&pool_, mark);
    if (std::uint32_t code = Load(plan_.yieldingSet, target, &found)) return code;
    if (found && Holds()) Accept(target);
  }
  return arbcode::SUCCESS;
}

}  // namespace store
