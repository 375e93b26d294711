#include "store/Database.h"

#include <algorithm>
#include <cstdio>

#include "ArbCodes.h"
#include "store/Pool.h"
#include "store/Session.h"

namespace store {
namespace {

constexpr const char* kDataVersion = "PRAGMA data_version";
constexpr const char* kSelectGeneration = "SELECT value FROM meta WHERE key = 'catalog_generation'";
constexpr const char* kBumpGeneration =
    "UPDATE meta SET value = value + 1 WHERE key = 'catalog_generation' RETURNING value";
constexpr const char* kRollback = "ROLLBACK";

// The session's figure is what the library asks for (32 KB by default), far too little for a
// B-tree page cache. A larger floor only costs: the ReadCache already keeps what look-ups read
// again, and pages evicted here stay in the system's file cache, while every page that a larger
// cache takes in is fresh memory to fault in (measured on WordNet: 64 MiB gave twice the first-pass
// look-up time of 8 MiB and 86 MB resident instead of 28).
constexpr std::uint32_t kMinPageCacheKb = 8 * 1024;
// A fast bulk transaction builds a new file: the more of it stays in memory until the commit, the
// fewer pages are written twice.
constexpr std::uint32_t kBulkPageCacheKb = 128 * 1024;
// Kept reads hold what a few thousand look-ups touch (bodies, index pages and cursor results)
// unless the session asks for more. Each generation holds half: at 16 MiB, 2,000 WordNet look-ups
// already dropped a generation before they were looked up again (second pass 33 us a word instead
// of 17), while the memory in use stayed the same at 32 MiB (32 MB resident in all).
constexpr std::uint32_t kMinReadCacheKb = 32 * 1024;

std::uint32_t SingleInteger(StatementCache* statements, const char* sql, std::int64_t* value) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = statements->Get(sql, &statement)) return code;
  StatementUse use(statement);
  const int result = use.Step();
  if (result != SQLITE_ROW)
    return result == SQLITE_DONE ? arbcode::DATA_ERROR : CodeOfSqlite(result);
  *value = use.ColumnInt(0);
  return arbcode::SUCCESS;
}

}  // namespace

Database::Database() {
  PoolInit(&scratchPool, 4096);
  // A first allocation that is never dropped keeps the first block for reuse.
  if (PoolAllocate(&scratchPool, 1) != nullptr) scratchBase = PoolMark(&scratchPool);
}

Database::~Database() {
  Shutdown(this);
  PoolFree(&scratchPool);
}

void ResetScratch(Database* db) {
  PoolReset(&db->scratchPool, db->scratchBase);
}

void Shutdown(Database* db) {
  db->reader.Release();
  ForgetReads(db);
  if (db->connection != nullptr) {
    if (db->bulkActive) Execute(db->connection, kRollback);
    db->statements.Clear();
    sqlite3_close_v2(db->connection);
    db->connection = nullptr;
  }
  db->bulkActive = false;
  db->bulkDoomed = false;
  db->pendingPacks.clear();
  db->fileLock.Release();
}

bool ReadCacheCurrent(const Database* db) {
  const std::uint64_t held = db->reader.HeldTransaction();
  return !db->bulkActive && held != 0 && held == db->readsCheckedIn;
}

bool ConfirmReadCache(Database* db) {
  if (ReadCacheCurrent(db)) return true;
  const std::uint64_t held = db->reader.HeldTransaction();
  if (db->bulkActive || held == 0) return false;
  // Inside the held read transaction no other connection can commit, so the version read now is
  // the one of everything read in it.
  std::int64_t dataVersion = 0;
  if (SingleInteger(&db->statements, kDataVersion, &dataVersion) != arbcode::SUCCESS) {
    return false;
  }
  if (dataVersion != db->readsDataVersion) {
    db->reads.Clear();
    db->readsDataVersion = dataVersion;
  }
  db->readsCheckedIn = held;
  return true;
}

void ForgetReads(Database* db) {
  db->reads.Clear();
  db->readsCheckedIn = 0;
}

void ApplyCacheSize(Database* db) {
  const std::uint32_t kibibytes =
      db->bulkFast ? kBulkPageCacheKb : std::max(db->cacheKb, kMinPageCacheKb);
  char pragma[64];
  std::snprintf(pragma, sizeof pragma, "PRAGMA cache_size = -%u", kibibytes);
  Execute(db->connection, pragma);
  db->reads.SetBudget(std::size_t{std::max(db->cacheKb, kMinReadCacheKb)} * 1024);
}

std::uint32_t RefreshCatalog(Database* db) {
  const std::uint64_t held = db->reader.HeldTransaction();
  if (held != 0 && held == db->catalogCheckedIn) return arbcode::SUCCESS;
  std::int64_t dataVersion = 0;
  if (std::uint32_t code = SingleInteger(&db->statements, kDataVersion, &dataVersion)) return code;
  if (dataVersion != db->seenDataVersion) {
    std::int64_t generation = 0;
    if (std::uint32_t code = SingleInteger(&db->statements, kSelectGeneration, &generation)) {
      return code;
    }
    if (generation != db->catalogGeneration) {
      if (std::uint32_t code = ReloadCatalog(db)) return code;
    }
    db->seenDataVersion = dataVersion;
  }
  db->catalogCheckedIn = held;
  return arbcode::SUCCESS;
}

std::uint32_t ReloadCatalog(Database* db) {
  std::int64_t generation = 0;
  if (std::uint32_t code = SingleInteger(&db->statements, kSelectGeneration, &generation)) {
    return code;
  }
  if (std::uint32_t code = db->catalog.Load(&db->statements)) return code;
  // Records may have been packed since, or their packs given a dictionary (PackRecords and
  // TrainPackDictionary bump the generation). The dictionary is read when first needed
  // (ReadyPackDictionary).
  if (std::uint32_t code = ReadFileLayout(db->connection, &db->layout)) return code;
  if (!UsesPackDictionary(db->layout)) db->packer.UseDictionary({});
  db->catalogGeneration = generation;
  return arbcode::SUCCESS;
}

std::uint32_t BumpCatalogGeneration(Database* db) {
  return SingleInteger(&db->statements, kBumpGeneration, &db->catalogGeneration);
}

}  // namespace store
