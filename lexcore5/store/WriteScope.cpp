#include "store/WriteScope.h"

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordRows.h"

namespace store {
namespace {

constexpr const char* kBegin = "BEGIN IMMEDIATE";
constexpr const char* kCommit = "COMMIT";
constexpr const char* kRollback = "ROLLBACK";
constexpr const char* kSavepoint = "SAVEPOINT change";
constexpr const char* kRelease = "RELEASE change";
constexpr const char* kRollbackTo = "ROLLBACK TO change";

std::uint32_t RunCached(Database* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(sql, &statement)) return code;
  return StatementUse(statement).Run();
}

}  // namespace

WriteScope::~WriteScope() {
  if (open_) Rollback();
}

bool WriteScope::UsesSavepoint() const {
  return db_->bulkActive && kind_ == Kind::kCatalogChange;
}

std::uint32_t WriteScope::Begin() {
  if (db_->readOnly) return arbcode::ACCESS_DENIED;
  if (db_->bulkActive && db_->bulkDoomed) return arbcode::ABORT_TRANS;
  db_->reader.Release();
  ForgetReads(db_);
  changesAtBegin_ = sqlite3_total_changes64(db_->connection);
  packChangesAtBegin_ = db_->packChanges;
  // A savepoint's rollback would undo packs stored inside it that are no longer pending.
  if (UsesSavepoint()) {
    if (std::uint32_t code = StorePendingPacks(db_)) return code;
  }
  if (!db_->bulkActive || UsesSavepoint()) {
    if (std::uint32_t code = RunCached(db_, db_->bulkActive ? kSavepoint : kBegin)) return code;
  }
  open_ = true;
  // Inside the write lock, so that the catalog cannot change again before the change is made. A
  // bulk transaction holds the lock throughout and checked when it began.
  return db_->bulkActive ? arbcode::SUCCESS : RefreshCatalog(db_);
}

std::uint32_t WriteScope::Commit() {
  if (!db_->bulkActive) {
    if (std::uint32_t code = StorePendingPacks(db_)) return code;
  }
  if (!db_->bulkActive || UsesSavepoint()) {
    if (std::uint32_t code = RunCached(db_, db_->bulkActive ? kRelease : kCommit)) return code;
  }
  open_ = false;
  return arbcode::SUCCESS;
}

void WriteScope::Rollback() {
  open_ = false;
  if (!db_->bulkActive) {
    DropPendingPacks(db_);
    RunCached(db_, kRollback);
  } else if (UsesSavepoint()) {
    RunCached(db_, kRollbackTo);
    RunCached(db_, kRelease);
  } else if (sqlite3_total_changes64(db_->connection) != changesAtBegin_ ||
             db_->packChanges != packChangesAtBegin_) {
    db_->bulkDoomed = true;
  }
  if (kind_ == Kind::kCatalogChange) ReloadCatalog(db_);
}

}  // namespace store
