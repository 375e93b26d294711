// What an open database handle holds. Every public operation locks `mutex` for its whole duration;
// the members are touched only under it.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "Node.h"
#include "platform/FileLock.h"
#include "store/ApiGuard.h"
#include "store/IndexCatalog.h"
#include "store/PackCompressor.h"
#include "store/ReadCache.h"
#include "store/RecordPack.h"
#include "store/RecordReader.h"
#include "store/RecordStore.h"
#include "store/Schema.h"
#include "store/Sqlite.h"

namespace store {

struct Database {
  Database();
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  std::mutex mutex;
  Session* session = nullptr;
  // Held from before the connection opens until after it closes.
  platform::FileLock fileLock;
  sqlite3* connection = nullptr;
  StatementCache statements;
  RecordReader reader;
  IndexCatalog catalog;
  bool readOnly = false;
  FileLayout layout = FileLayout::kCompact;
  bool bulkActive = false;
  bool bulkFast = false;
  // A change failed half-way inside the bulk transaction: it can only be rolled back (WriteScope).
  bool bulkDoomed = false;
  // The session's cache size, copied here so that it can be applied under this mutex alone.
  std::uint32_t cacheKb = 0;
  // What the catalog was loaded from: the connection's data version (which moves when another
  // connection commits) and the catalog generation stored in the file.
  std::int64_t seenDataVersion = -1;
  std::int64_t catalogGeneration = -1;
  // The reader's read transaction in which the catalog was last found current (0: none). Until it
  // ends no other connection can commit, so the catalog needs no further check.
  std::uint64_t catalogCheckedIn = 0;
  // Reads kept for reading again, valid in the reader's read transaction `readsCheckedIn` (0: none)
  // and while the file is at `readsDataVersion`; see ConfirmReadCache.
  ReadCache reads;
  std::uint64_t readsCheckedIn = 0;
  std::int64_t readsDataVersion = -1;

  // Reused buffers, so that a hot read or a bulk add allocates nothing it does not keep.
  std::string body;
  // Decoded copies of stored records the store reads for itself; reset with ResetScratch.
  PoolMemoryManager scratchPool;
  void* scratchBase = nullptr;
  std::vector<std::string> oldKeys;
  std::vector<std::string> newKeys;

  // The packed layout's packs changed in the open write transaction, unpacked (see RecordRows), and
  // a count of the changes made to them, which a failed change compares (see WriteScope).
  std::map<std::int64_t, RecordPack> pendingPacks;
  std::uint64_t packChanges = 0;
  PackCompressor packer;
  std::string unpacked;
};

// Runs `body` under the database's mutex and the API guard; DB_HANDLE for a null handle.
template <typename Body>
std::uint32_t WithDatabase(Database* db, Body&& body) {
  if (db == nullptr) return arbcode::DB_HANDLE;
  return Guarded([&]() -> std::uint32_t {
    std::lock_guard guard(db->mutex);
    return body();
  });
}

// Empties the scratch pool but keeps its first block.
void ResetScratch(Database* db);

// Closes the connection and releases the lock; the handle may be deleted afterwards. Rolls back an
// open bulk transaction.
void Shutdown(Database* db);

// Whether db->reads may answer a read now: the reader holds the read transaction in which the cache
// was last found current, and no write transaction is open.
bool ReadCacheCurrent(const Database* db);
// After a read inside the reader's read transaction: makes db->reads current for that transaction,
// emptying it when another connection has committed since it was filled. False when it cannot be
// used (no such transaction, a write transaction open, the check failed).
bool ConfirmReadCache(Database* db);
// Empties db->reads; before this connection writes, and when a write transaction ends.
void ForgetReads(Database* db);

// Sizes the connection's page cache and db->reads from db->cacheKb (the page cache larger during a
// fast bulk transaction).
void ApplyCacheSize(Database* db);

// Reloads the catalog when another connection may have changed it since it was read. A store code.
std::uint32_t RefreshCatalog(Database* db);
// Loads the catalog afresh (after a rollback that may have undone catalog changes).
std::uint32_t ReloadCatalog(Database* db);
// Marks the stored catalog changed, so that other connections reload theirs; inside a write.
std::uint32_t BumpCatalogGeneration(Database* db);

}  // namespace store
