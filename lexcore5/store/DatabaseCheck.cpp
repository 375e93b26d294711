#include "store/DatabaseCheck.h"

#include <limits>
#include <string>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/IndexMaintenance.h"
#include "store/RecordAddress.h"
#include "store/RecordCodec.h"
#include "store/RecordPack.h"
#include "store/RecordRows.h"

namespace store {
namespace {

constexpr const char* kBegin = "BEGIN";
constexpr const char* kEnd = "COMMIT";
// Taking the read lock before the pages are read from disk keeps writers of other connections out
// until the check ends, so that the file cannot change under it.
constexpr const char* kTakeReadLock = "SELECT count(*) FROM meta";
constexpr const char* kCountEntries = "SELECT count(*) FROM index_entries";
constexpr const char* kHasEntry = "SELECT 1 FROM index_entries WHERE key = ?1";
constexpr std::uint64_t kRowsPerProgress = 1024;
// What the record visitor returns when the progress callback stops the check.
constexpr std::uint32_t kStopped = arbcode::EOF_HIT;

// Opening fails for these whatever the file's pages hold: there is nothing to check.
bool Uncheckable(std::uint32_t code) {
  switch (code) {
    case arbcode::IO_PATH_NOT_FOUND:
    case arbcode::IO_PATH_TOO_LONG:
    case arbcode::IO_ACCESS_DENIED:
    case arbcode::IO_OPEN_ERR:
    case arbcode::NOT_DB:
    case arbcode::NEWER_DB:
    case arbcode::OLD_DB:
    case arbcode::ACCESS_CONFLICT:
    case arbcode::BAD_HDL:
    case arbcode::MEM:
      return true;
    default:
      return false;
  }
}

std::uint32_t CountRows(Database* db, const char* sql, std::uint64_t* count) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(sql, &statement)) return code;
  StatementUse use(statement);
  const int result = use.Step();
  if (result != SQLITE_ROW) return CodeOfSqlite(result);
  *count = static_cast<std::uint64_t>(use.ColumnInt(0));
  return arbcode::SUCCESS;
}

class RecordChecker {
 public:
  RecordChecker(Database* db, const CheckProgress& progress, CheckFindings* findings)
      : db_(db), progress_(progress), findings_(findings) {}

  // Reads every record; counts the index entries its keys should have and those that are missing.
  // Progress goes by rows of the record table, a record or a pack of them.
  std::uint32_t Run() {
    std::uint64_t total = 0;
    if (std::uint32_t code = CountRecordRows(db_, &total)) return code;
    if (std::uint32_t code = db_->statements.Get(kHasEntry, &lookup_)) return code;
    std::uint64_t rows = 0;
    std::int64_t lastRow = -1;
    const bool packed = KeepsPacks(db_->layout);
    findings_->packSlots = PackSlotsOf(db_->layout);
    const std::uint32_t code = ScanRecords(
        db_, 0, std::numeric_limits<std::int64_t>::max(),
        [&](std::int64_t rowKey, std::string_view body) -> std::uint32_t {
          const std::int64_t row = packed ? PackKeyOf(rowKey, findings_->packSlots) : rowKey;
          if (row != lastRow) {
            lastRow = row;
            if (++rows % kRowsPerProgress == 0 && progress_ &&
                !progress_(CheckStage::kRecords, rows, total)) {
              return kStopped;
            }
          }
          ++findings_->records;
          return CheckRecord(rowKey, body);
        },
        [&](std::int64_t rowKey, std::uint32_t) -> std::uint32_t {
          ++rows;
          findings_->damagedPacks.push_back(rowKey);
          return arbcode::SUCCESS;
        });
    ResetScratch(db_);
    if (code == kStopped) {
      findings_->stopped = true;
      return arbcode::SUCCESS;
    }
    if (code != arbcode::SUCCESS) return code;
    findings_->recordsChecked = true;
    return arbcode::SUCCESS;
  }

  // Every key found is an entry; the index holds no more than those when the counts agree.
  std::uint32_t CountStrays() {
    if (std::uint32_t code = CountRows(db_, kCountEntries, &findings_->entries)) return code;
    const std::uint64_t found = expected_ - findings_->missingEntries;
    findings_->strayEntries = findings_->entries > found ? findings_->entries - found : 0;
    findings_->entriesChecked = true;
    if (progress_) progress_(CheckStage::kIndexEntries, 1, 1);
    return arbcode::SUCCESS;
  }

 private:
  std::uint32_t CheckRecord(std::int64_t rowKey, std::string_view body) {
    ResetScratch(db_);
    node* root = nullptr;
    const auto store = static_cast<std::uint32_t>(static_cast<std::uint64_t>(rowKey) >> 48);
    const auto container = static_cast<std::uint16_t>(static_cast<std::uint64_t>(rowKey) >> 32);
    // A record whose keys cannot be made would have been refused when it was stored.
    if (DecodeRecord(body, &db_->scratchPool, &root) != arbcode::SUCCESS ||
        KeysOfRecord(db_, store, container, RecordIdOfRowKey(rowKey), root, &keys_) !=
            arbcode::SUCCESS) {
      findings_->damagedRecords.push_back(rowKey);
      return arbcode::SUCCESS;
    }
    expected_ += keys_.size();
    for (const std::string& key : keys_) {
      StatementUse use(lookup_);
      use.BindBlob(1, key);
      const int result = use.Step();
      if (result == SQLITE_DONE) {
        ++findings_->missingEntries;
      } else if (result != SQLITE_ROW) {
        return CodeOfSqlite(result);
      }
    }
    return arbcode::SUCCESS;
  }

  Database* db_;
  const CheckProgress& progress_;
  CheckFindings* findings_;
  sqlite3_stmt* lookup_ = nullptr;
  std::vector<std::string> keys_;
  std::uint64_t expected_ = 0;
};

std::uint32_t ScanFilePages(const char* path, const CheckProgress& progress,
                            CheckFindings* findings) {
  const PageProgress pageProgress = [&](std::uint64_t done, std::uint64_t total) {
    findings->stopped = progress && !progress(CheckStage::kPages, done, total);
    return !findings->stopped;
  };
  return ScanPages(path, pageProgress, &findings->pages);
}

std::uint32_t CheckOpenDatabase(Database* db, const char* path, const CheckProgress& progress,
                                CheckFindings* findings) {
  std::uint64_t unused = 0;
  if (std::uint32_t code = CountRows(db, kTakeReadLock, &unused)) return code;
  if (std::uint32_t code = ScanFilePages(path, progress, findings)) return code;
  if (findings->stopped || !findings->pages.damaged.empty() || findings->pages.headerPages != 0) {
    return arbcode::SUCCESS;
  }
  RecordChecker checker(db, progress, findings);
  if (std::uint32_t code = checker.Run()) return code;
  return findings->stopped ? arbcode::SUCCESS : checker.CountStrays();
}

}  // namespace

std::uint32_t CheckDatabaseFile(Session* session, const char* path, const CheckProgress& progress,
                                CheckFindings* findings) {
  *findings = CheckFindings{};
  Database* db = nullptr;
  const std::uint32_t opened = OpenDatabase(session, path, nullptr, kOpenReadOnly, &db, nullptr);
  if (opened != arbcode::SUCCESS) {
    if (Uncheckable(opened)) return opened;
    // Damage that stops the open: the pages still tell where it is.
    findings->openCode = opened;
    return ScanFilePages(path, progress, findings);
  }
  std::uint32_t code = WithDatabase(db, [&] {
    db->reader.Release();
    if (std::uint32_t begun = Execute(db->connection, kBegin)) return begun;
    const std::uint32_t checked = CheckOpenDatabase(db, path, progress, findings);
    Execute(db->connection, kEnd);
    return checked;
  });
  CloseDatabase(&db);
  return code;
}

}  // namespace store
