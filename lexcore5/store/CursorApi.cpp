// The record store's cursor operations.
#include <bit>
#include <limits>
#include <string>

#include "ArbCodes.h"
#include "platform/TextConvert.h"
#include "store/ApiGuard.h"
#include "store/Collation.h"
#include "store/Cursor.h"
#include "store/CursorRecycler.h"
#include "store/CursorState.h"
#include "store/IndexScan.h"
#include "store/QueryCompiler.h"
#include "store/QueryPlan.h"
#include "store/RecordStore.h"
#include "store/ResultReuse.h"
#include "store/ResultStream.h"
#include "store/StoredBody.h"

namespace store {

Cursor::Cursor() = default;
Cursor::~Cursor() = default;

void Cursor::Invalidate() {
  if (results) spareResults = std::move(results);
  position = -1;
  takenIn = 0;
}

namespace {

// Enough for the fields of a look-up's cursors; more would only hold memory.
constexpr std::size_t kSparePaths = 8;
// A cursor kept for reuse holds lists of a look-up's size, not those of a listing of every word.
constexpr std::size_t kKeptIds = 4096;

}  // namespace

void Cursor::Reset() {
  Invalidate();
  if (spareResults && spareResults->IdCapacity() > kKeptIds) spareResults.reset();
  for (CursorSource& source : sources) source = CursorSource{};
  anySetIndex = 0;
  masterIndex = 0;
  masterOption = 0;
  mode = kDefaultMode;
  if (sparePaths.capacity() == 0) sparePaths.reserve(kSparePaths);
  for (CriteriaItem& item : items) {
    if (sparePaths.size() == kSparePaths) break;
    if (item.field.path.capacity() != 0) sparePaths.push_back(std::move(item.field.path));
  }
  items.clear();
  resultsKey.clear();
  query.nodes.clear();
  compiled = true;
  validated = true;
  taken.yieldingSet = 0;
  if (taken.recordIds.capacity() > kKeptIds) {
    taken.recordIds = {};
  } else {
    taken.recordIds.clear();
  }
  takenFrom = nullptr;
}

namespace {

// Results from a stream made, or started again, with `args` (see ResultStream::Restart).
template <typename... Args>
void StartResults(Cursor* cursor, Args&&... args) {
  if (cursor->spareResults) {
    cursor->spareResults->Restart(std::forward<Args>(args)...);
    cursor->results = std::move(cursor->spareResults);
  } else {
    cursor->results = std::make_unique<ResultStream>(*cursor, std::forward<Args>(args)...);
  }
}

// Criteria items are large and a look-up builds several cursors of a few items each: growing the
// list one step at a time would move them again and again.
constexpr std::size_t kUsualCriteriaItems = 8;

// An empty path, with the memory of one that an earlier use of the cursor dropped if there is one.
std::vector<std::uint16_t> SparePath(Cursor* cursor) {
  if (cursor->sparePaths.empty()) return {};
  std::vector<std::uint16_t> path = std::move(cursor->sparePaths.back());
  cursor->sparePaths.pop_back();
  path.clear();
  return path;
}

// A new item at the end of the criteria, built in place: items are large, and moving one in costs
// more than filling it.
CriteriaItem& Appended(Cursor* cursor, CriteriaItem::Kind kind) {
  if (cursor->items.empty()) cursor->items.reserve(kUsualCriteriaItems);
  CriteriaItem& item = cursor->items.emplace_back();
  item.kind = kind;
  return item;
}

// After an item is complete: the criteria are to be validated anew.
std::uint32_t Changed(Cursor* cursor) {
  cursor->validated = false;
  cursor->Invalidate();
  return arbcode::SUCCESS;
}

std::uint32_t TextValue(std::uint16_t kind, const void* value, std::string* text) {
  if (kind == kValueAnsiText) {
    const char* narrow = static_cast<const char*>(value);
    std::u16string check;
    if (!platform::Utf8ToUtf16(narrow, &check)) return arbcode::CONV_ILLEGAL;
    return platform::Utf16ToUtf8Strict(check, text) ? arbcode::SUCCESS : arbcode::CONV_ILLEGAL;
  }
  return platform::Utf16ToUtf8Strict(static_cast<const char16_t*>(value), text)
             ? arbcode::SUCCESS
             : arbcode::CONV_ILLEGAL;
}

// Whether `index` exists over the source's container.
std::uint32_t CheckIndexOver(const CursorSource& source, std::uint16_t index) {
  if (index == 0 || source.db == nullptr) return arbcode::SUCCESS;
  std::uint16_t container = 0;
  if (std::uint32_t code = FindIndexContainer(source.db, source.store, index, &container)) {
    return code;
  }
  return container == source.container ? arbcode::SUCCESS : arbcode::BAD_IX;
}

// Compiles the items and checks that every context set they name has a source.
std::uint32_t Compile(Cursor* cursor) {
  if (std::uint32_t code = CompileCriteria(cursor->items, &cursor->query)) return code;
  const std::uint32_t named = SetsNamed(cursor->query);
  for (std::uint16_t set = 0; set <= kMaxContextSets; ++set) {
    if ((named & 1u << set) != 0 && cursor->sources[set].db == nullptr) {
      cursor->query.nodes.clear();
      return arbcode::BAD_QUERY_SOURCE;
    }
  }
  cursor->compiled = true;
  return arbcode::SUCCESS;
}

// Takes the results kept for a cursor built like this one, if any. Their name holds the items and
// which sets have a source, so the same items compiled and passed the source check before.
bool TakeKeptResults(Cursor* cursor) {
  Database* home = nullptr;
  WriteCursorResultsKey(*cursor, &home, &cursor->resultsKey);
  if (cursor->resultsKey.empty()) return false;
  std::uint64_t transaction = 0;
  if (!FindCursorResults(home, cursor->resultsKey, &cursor->taken, &transaction, cursor->sources)) {
    return false;
  }
  cursor->takenFrom = home;
  cursor->takenIn = transaction;
  return true;
}

// The body of the current result when it came with the results and is still what the file holds.
bool KnownCurrentBody(const Cursor& cursor, std::string_view* body) {
  std::uint64_t transaction = 0;
  return cursor.results->KnownBody(static_cast<std::size_t>(cursor.position), body, &transaction) &&
         ReusableTransaction(cursor.results->Yielding().db) == transaction;
}

// The results taken when the cursor was validated, while they are still what the file holds.
bool UseTakenResults(Cursor* cursor) {
  const std::uint64_t takenIn = cursor->takenIn;
  if (takenIn == 0) return false;
  cursor->takenIn = 0;
  // In the same read transaction nothing can have changed: a write ends it first.
  if (ReusableTransaction(cursor->takenFrom) != takenIn) return false;
  StartResults(cursor, cursor->taken, takenIn);
  return true;
}

std::uint32_t Validate(Cursor* cursor) {
  cursor->Invalidate();
  cursor->compiled = false;
  if (!TakeKeptResults(cursor)) {
    if (std::uint32_t code = Compile(cursor)) return code;
  }
  cursor->validated = true;
  return arbcode::SUCCESS;
}

// The index whose order a set's records follow when the set drives the search.
std::uint16_t OrderIndexOf(const Cursor& cursor, std::uint16_t set,
                           const std::vector<IndexDefinition>& indexes) {
  if (set == 0) return cursor.masterIndex;
  if (cursor.sources[set].index != 0) return cursor.sources[set].index;
  for (const IndexDefinition& index : indexes) {
    if (index.number == cursor.anySetIndex) return index.number;
  }
  return 0;
}

std::uint32_t Plan(const Cursor& cursor, QueryPlan* plan, std::shared_ptr<const Collator>* used) {
  const std::vector<int> conjuncts = TopConjuncts(cursor.query);
  if (cursor.sources[0].db != nullptr) {
    plan->drivingSet = plan->yieldingSet = 0;
  } else if (FindJoin(cursor.query, conjuncts, &plan->yieldingSet, &plan->drivingSet,
                      &plan->joinField)) {
    plan->join = true;
    plan->drivingConjuncts = ConjunctsOfSet(cursor.query, conjuncts, plan->drivingSet);
  } else {
    const std::uint32_t sets = SetsNamed(cursor.query);
    if (std::popcount(sets) != 1) {
      // Nothing to read: a cursor without a source of its own yields only through a join.
      plan->driver.kind = Driver::Kind::kIdList;
      return arbcode::SUCCESS;
    }
    plan->drivingSet = plan->yieldingSet = static_cast<std::uint16_t>(std::countr_zero(sets));
  }
  const CursorSource& source = cursor.sources[plan->drivingSet];
  SourceCatalog catalog;
  if (std::uint32_t code = CatalogOfSource(source.db, source.store, source.container, &catalog)) {
    return code;
  }
  SetPlanInput input;
  input.store = source.store;
  input.wildcards = cursor.Wildcards();
  input.yieldsDrivingSet = !plan->join;
  input.orderIndex = OrderIndexOf(cursor, plan->drivingSet, *catalog.indexes);
  input.indexes = std::move(catalog.indexes);
  *used = std::move(catalog.collator);
  input.collator = used->get();
  plan->driver = PlanDriver(cursor.query, conjuncts, plan->drivingSet, input);
  return arbcode::SUCCESS;
}

std::uint32_t EnsureResults(Cursor* cursor) {
  if (!cursor->validated) {
    if (std::uint32_t code = Validate(cursor)) return code;
  }
  if (cursor->results || UseTakenResults(cursor)) return arbcode::SUCCESS;
  Database* home = nullptr;
  WriteCursorResultsKey(*cursor, &home, &cursor->resultsKey);
  const std::string& key = cursor->resultsKey;
  std::uint64_t transaction = 0;
  // Taken results are used up or out of date here: their list serves again.
  if (!key.empty() && FindCursorResults(home, key, &cursor->taken, &transaction, cursor->sources)) {
    StartResults(cursor, cursor->taken, transaction);
    return arbcode::SUCCESS;
  }
  // Results taken at validation may have been dropped since.
  if (!cursor->compiled) {
    if (std::uint32_t code = Compile(cursor)) return code;
  }
  QueryPlan plan;
  std::shared_ptr<const Collator> collator;
  if (std::uint32_t code = Plan(*cursor, &plan, &collator)) return code;
  StartResults(cursor, std::move(plan), std::move(collator));
  if (transaction != 0) cursor->results->KeepWhenComplete(home, key, transaction);
  return arbcode::SUCCESS;
}

// Moves the position; BOF_HIT / EOF_HIT past either end, the position unchanged.
std::uint32_t Move(Cursor* cursor, CursorMove move) {
  if (std::uint32_t code = EnsureResults(cursor)) return code;
  ResultStream& results = *cursor->results;
  const std::int64_t position = cursor->position;
  if (move == CursorMove::kNext && position < 0) move = CursorMove::kFirst;
  if (move == CursorMove::kPrevious && position < 0) move = CursorMove::kLast;
  switch (move) {
    case CursorMove::kFirst:
      if (std::uint32_t code = results.Reach(0)) return code;
      if (results.Ids().empty()) return arbcode::EOF_HIT;
      cursor->position = 0;
      return arbcode::SUCCESS;
    case CursorMove::kNext: {
      const auto next = static_cast<std::size_t>(position + 1);
      if (std::uint32_t code = results.Reach(next)) return code;
      if (results.Ids().size() <= next) return arbcode::EOF_HIT;
      cursor->position = position + 1;
      return arbcode::SUCCESS;
    }
    case CursorMove::kPrevious:
      if (position == 0) return arbcode::BOF_HIT;
      cursor->position = position - 1;
      return arbcode::SUCCESS;
    case CursorMove::kLast:
      if (std::uint32_t code = results.ReachEnd()) return code;
      if (results.Ids().empty()) return arbcode::BOF_HIT;
      cursor->position = static_cast<std::int64_t>(results.Ids().size()) - 1;
      return arbcode::SUCCESS;
    case CursorMove::kCurrent:
      return position < 0 ? arbcode::NOT_FOUND : arbcode::SUCCESS;
  }
  return arbcode::ILLEGAL_OP;
}

std::uint32_t CurrentId(const Cursor* cursor) {
  return cursor->results->Ids()[static_cast<std::size_t>(cursor->position)];
}

template <typename Body>
std::uint32_t WithCursor(Cursor* cursor, Body&& body) {
  if (cursor == nullptr) return arbcode::BAD_HDL;
  return Guarded([&]() -> std::uint32_t { return body(); });
}

}  // namespace

std::uint32_t CursorInit(Database* db, std::uint32_t store, std::uint16_t container, Cursor** out) {
  if (out == nullptr) return arbcode::BAD_HDL;
  return Guarded([&]() -> std::uint32_t {
    Cursor* cursor = TakeCursor();
    if (cursor == nullptr) return arbcode::MEM;
    cursor->sources[0] = {db, store, container, 0};
    *out = cursor;
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorFree(Cursor** cursor) {
  if (cursor == nullptr || *cursor == nullptr) return arbcode::BAD_HDL;
  ReturnCursor(*cursor);
  *cursor = nullptr;
  return arbcode::SUCCESS;
}

std::uint32_t CursorAddField(Cursor* cursor, std::uint16_t tag, std::uint16_t contextSet) {
  return WithCursor(cursor, [&] {
    // The path first: running out of memory for it must leave the criteria as they were.
    std::vector<std::uint16_t> tags = SparePath(cursor);
    tags.push_back(tag);
    FieldOperand& field = Appended(cursor, CriteriaItem::Kind::kField).field;
    field.path = std::move(tags);
    field.contextSet = contextSet;
    return Changed(cursor);
  });
}

std::uint32_t CursorAddFieldPath(Cursor* cursor, const std::uint16_t* path, std::uint16_t depth,
                                 std::uint16_t contextSet) {
  return WithCursor(cursor, [&] {
    std::vector<std::uint16_t> tags = SparePath(cursor);
    if (path != nullptr) tags.assign(path, path + depth);
    FieldOperand& field = Appended(cursor, CriteriaItem::Kind::kField).field;
    field.path = std::move(tags);
    field.anchored = true;
    field.contextSet = contextSet;
    return Changed(cursor);
  });
}

std::uint32_t CursorAddOperator(Cursor* cursor, std::uint16_t code) {
  return WithCursor(cursor, [&] {
    Appended(cursor, CriteriaItem::Kind::kOperator).op = static_cast<QueryOp>(code);
    return Changed(cursor);
  });
}

std::uint32_t CursorAddValue(Cursor* cursor, std::uint16_t kind, const void* value) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (value == nullptr) return arbcode::CONV_NULL_SRC;
    // Built apart, so that a value refused leaves the criteria as they were.
    QueryValue parsed;
    switch (kind) {
      case kValueInt16:
        parsed.number = *static_cast<const std::int16_t*>(value);
        break;
      case kValueInt32:
        parsed.number = *static_cast<const std::int32_t*>(value);
        break;
      case kValueUInt16:
        parsed.number = *static_cast<const std::uint16_t*>(value);
        break;
      case kValueUInt32:
        parsed.number = *static_cast<const std::uint32_t*>(value);
        break;
      case kValueAnsiText:
      case kValueWideText:
        parsed.isText = true;
        if (std::uint32_t code = TextValue(kind, value, &parsed.text)) return code;
        break;
      default:
        return arbcode::BAD_FIELD_TYPE;
    }
    Appended(cursor, CriteriaItem::Kind::kValue).value = std::move(parsed);
    return Changed(cursor);
  });
}

std::uint32_t CursorValidate(Cursor* cursor) {
  return WithCursor(cursor, [&] { return Validate(cursor); });
}

std::uint32_t CursorSetMode(Cursor* cursor, std::uint16_t mode) {
  return WithCursor(cursor, [&] {
    for (std::uint16_t group : {0x0003, 0x000C, 0x0F00}) {
      if ((mode & group) != 0) {
        cursor->mode = static_cast<std::uint16_t>((cursor->mode & ~group) | (mode & group));
      }
    }
    cursor->Invalidate();
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorGetMode(const Cursor* cursor, std::uint16_t* mode) {
  if (cursor == nullptr) return arbcode::BAD_HDL;
  *mode = cursor->mode;
  return arbcode::SUCCESS;
}

std::uint32_t CursorSetConfig(Cursor* cursor, std::uint16_t option, std::uint16_t set,
                              std::uint16_t value) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (option == kConfigReset) {
      cursor->Invalidate();
      return arbcode::SUCCESS;
    }
    if (option != kConfigSetSetIndex) return arbcode::NOT_IMPLEMENTED;
    if (set > kMaxContextSets) {
      cursor->anySetIndex = value;
    } else if (set == 0) {
      if (std::uint32_t code = CheckIndexOver(cursor->sources[0], value)) return code;
      cursor->masterIndex = value;
    } else {
      if (std::uint32_t code = CheckIndexOver(cursor->sources[set], value)) return code;
      cursor->sources[set].index = value;
    }
    cursor->Invalidate();
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorGetConfig(const Cursor* cursor, std::uint16_t option, std::uint16_t set,
                              std::uint16_t* value) {
  if (cursor == nullptr) return arbcode::BAD_HDL;
  if (option != kConfigGetSetIndex) return arbcode::NOT_IMPLEMENTED;
  if (set == 0) {
    *value = cursor->masterIndex;
  } else if (set <= kMaxContextSets) {
    *value = cursor->sources[set].index;
  } else {
    *value = cursor->anySetIndex;
  }
  return arbcode::SUCCESS;
}

std::uint32_t CursorSetMasterIndex(Cursor* cursor, std::uint16_t index, std::uint8_t option) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (std::uint32_t code = CheckIndexOver(cursor->sources[0], index)) return code;
    cursor->masterIndex = index;
    cursor->masterOption = option;
    cursor->Invalidate();
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorGetMasterIndex(const Cursor* cursor, std::uint16_t* index) {
  if (cursor == nullptr) return arbcode::BAD_HDL;
  *index = cursor->masterIndex;
  return arbcode::SUCCESS;
}

std::uint32_t CursorAddContext(Cursor* cursor, std::uint16_t set, Database* db, std::uint32_t store,
                               std::uint16_t container) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (set < 1 || set > kMaxContextSets) return arbcode::BAD_QUERY_SOURCE;
    if (db == nullptr) return arbcode::DB_HANDLE;
    cursor->sources[set] = {db, store, container, cursor->sources[set].index};
    cursor->Invalidate();
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorRead(Cursor* cursor, CursorMove move, PoolMemoryManager* pool, node** root) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (pool == nullptr || root == nullptr) return arbcode::BAD_HDL;
    if (cursor->results) cursor->results->ForgetFreshBody();
    if (std::uint32_t code = Move(cursor, move)) return code;
    const CursorSource& source = cursor->results->Yielding();
    const std::uint32_t recordId = CurrentId(cursor);
    std::string_view body;
    if (cursor->results->FreshBody(recordId, &body) || KnownCurrentBody(*cursor, &body)) {
      return DecodeStoredBody(body, source.db, source.store, source.container, recordId, pool,
                              root);
    }
    return Retrieve(source.db, source.store, source.container, recordId, 0, pool, root);
  });
}

std::uint32_t CursorGo(Cursor* cursor, CursorMove move, std::uint32_t* recordId) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (std::uint32_t code = Move(cursor, move)) return code;
    if (recordId != nullptr) *recordId = CurrentId(cursor);
    return arbcode::SUCCESS;
  });
}

std::uint32_t CursorCurrentId(const Cursor* cursor, std::uint32_t* recordId) {
  if (cursor == nullptr || recordId == nullptr) return arbcode::BAD_HDL;
  if (cursor->position < 0 || !cursor->results) return arbcode::NOT_FOUND;
  *recordId = CurrentId(cursor);
  return arbcode::SUCCESS;
}

std::uint32_t CursorCount(Cursor* cursor, std::uint32_t* count) {
  return WithCursor(cursor, [&]() -> std::uint32_t {
    if (count == nullptr) return arbcode::BAD_HDL;
    if (std::uint32_t code = EnsureResults(cursor)) return code;
    if (std::uint32_t code = cursor->results->ReachEnd()) return code;
    const std::size_t size = cursor->results->Ids().size();
    *count = static_cast<std::uint32_t>(
        std::min<std::size_t>(size, std::numeric_limits<std::uint32_t>::max()));
    return arbcode::SUCCESS;
  });
}

}  // namespace store
