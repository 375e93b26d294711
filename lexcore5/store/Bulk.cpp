// Bulk transactions: many changes, one commit.
#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordRows.h"

namespace store {
namespace {

// A fast bulk transaction keeps its rollback journal in memory, so an abort still works while a
// crash during the commit can damage the file; the normal settings come back afterwards.
std::uint32_t UseFastSettings(Database* db, bool fast) {
  const char* journal = fast ? "PRAGMA journal_mode = MEMORY" : "PRAGMA journal_mode = DELETE";
  const char* sync = fast ? "PRAGMA synchronous = OFF" : "PRAGMA synchronous = FULL";
  db->bulkFast = fast;
  ApplyCacheSize(db);
  if (std::uint32_t code = Execute(db->connection, journal)) return code;
  return Execute(db->connection, sync);
}

void EndBulk(Database* db) {
  ForgetReads(db);
  DropPendingPacks(db);
  db->bulkActive = false;
  db->bulkDoomed = false;
  if (db->bulkFast) UseFastSettings(db, false);
}

}  // namespace

std::uint32_t BeginBulk(Database* db, bool fast) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (db->bulkActive) return arbcode::TRANS_ACTIVE;
    if (db->readOnly) return arbcode::ACCESS_DENIED;
    db->reader.Release();
    std::uint32_t code = fast ? UseFastSettings(db, true) : arbcode::SUCCESS;
    if (code == arbcode::SUCCESS) code = Execute(db->connection, "BEGIN IMMEDIATE");
    if (code == arbcode::SUCCESS) {
      code = RefreshCatalog(db);
      if (code != arbcode::SUCCESS) Execute(db->connection, "ROLLBACK");
    }
    if (code != arbcode::SUCCESS) {
      EndBulk(db);
      return code;
    }
    db->bulkActive = true;
    return arbcode::SUCCESS;
  });
}

std::uint32_t CommitBulk(Database* db) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (!db->bulkActive) return arbcode::NO_TRANS_ACTIVE;
    db->reader.Release();
    // Storing the pending packs can doom the transaction too.
    const std::uint32_t stored = db->bulkDoomed ? arbcode::ABORT_TRANS : StorePendingPacks(db);
    if (stored != arbcode::SUCCESS) {
      Execute(db->connection, "ROLLBACK");
      EndBulk(db);
      ReloadCatalog(db);
      return stored;
    }
    const std::uint32_t code = Execute(db->connection, "COMMIT");
    // A commit that failed for a lock leaves the transaction open (retry or abort); one that failed
    // for I/O may have rolled it back already.
    if (code != arbcode::SUCCESS && !sqlite3_get_autocommit(db->connection)) return code;
    EndBulk(db);
    if (code != arbcode::SUCCESS) ReloadCatalog(db);
    return code;
  });
}

std::uint32_t AbortBulk(Database* db) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (!db->bulkActive) return arbcode::NO_TRANS_ACTIVE;
    db->reader.Release();
    Execute(db->connection, "ROLLBACK");
    EndBulk(db);
    return ReloadCatalog(db);
  });
}

}  // namespace store
