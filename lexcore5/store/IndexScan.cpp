#include "store/IndexScan.h"

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/IndexKeys.h"
#include "store/RecordAddress.h"
#include "store/RecordRows.h"

namespace store {
namespace {

constexpr const char* kKeysBetween =
    "SELECT key FROM index_entries WHERE key >= ?1 AND key < ?2 ORDER BY key LIMIT ?3";
constexpr const char* kKeysFrom =
    "SELECT key FROM index_entries WHERE key >= ?1 ORDER BY key LIMIT ?2";
constexpr std::uint32_t kLastRecordId = 0xFFFFFFFF;
// What a scan's visitor returns once it has all it asked for.
constexpr std::uint32_t kEnough = arbcode::EOF_HIT;

}  // namespace

std::uint32_t ReadIndexEntries(Database* db, std::string_view from, std::string_view to,
                               std::size_t limit, std::vector<std::uint32_t>* recordIds,
                               std::string* lastKey) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    const std::string range = IndexRangeName(from, to, limit);
    if (ReadCacheCurrent(db)) {
      if (db->reads.FindIndexPage(range, recordIds, lastKey)) return arbcode::SUCCESS;
    }
    IndexPage page;
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code =
            db->statements.Get(to.empty() ? kKeysFrom : kKeysBetween, &statement)) {
      return code;
    }
    StatementUse use(statement);
    use.BindBlob(1, from);
    if (to.empty()) {
      use.BindInt(2, static_cast<std::int64_t>(limit));
    } else {
      use.BindBlob(2, to);
      use.BindInt(3, static_cast<std::int64_t>(limit));
    }
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      // Copied now: the next step ends the key's life.
      const std::string_view key = use.ColumnBytes(0);
      page.recordIds.push_back(RecordIdOfKey(key));
      page.lastKey.assign(key);
    }
    if (result != SQLITE_DONE) return CodeOfSqlite(result);
    recordIds->insert(recordIds->end(), page.recordIds.begin(), page.recordIds.end());
    if (!page.recordIds.empty()) lastKey->assign(page.lastKey);
    if (ConfirmReadCache(db)) db->reads.KeepIndexPage(range, page);
    return arbcode::SUCCESS;
  });
}

std::uint32_t ReadRecordIds(Database* db, std::uint32_t store, std::uint16_t container,
                            std::uint32_t afterId, std::size_t limit,
                            std::vector<std::uint32_t>* ids) {
  ids->clear();
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  if (afterId == kLastRecordId || limit == 0) return arbcode::SUCCESS;
  return WithDatabase(db, [&]() -> std::uint32_t {
    const std::uint32_t code = ScanRecordKeys(
        db, RowKey(store, container, afterId + 1), RowKey(store, container, kLastRecordId),
        [&](std::int64_t rowKey) -> std::uint32_t {
          ids->push_back(RecordIdOfRowKey(rowKey));
          return ids->size() == limit ? kEnough : arbcode::SUCCESS;
        });
    return code == kEnough ? arbcode::SUCCESS : code;
  });
}

std::uint32_t ReadRecordPage(Database* db, std::uint32_t store, std::uint16_t container,
                             std::uint32_t afterId, std::size_t limit,
                             std::vector<StoredRecord>* records) {
  records->clear();
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  if (afterId == kLastRecordId || limit == 0) return arbcode::SUCCESS;
  return WithDatabase(db, [&]() -> std::uint32_t {
    const std::uint32_t code = ScanRecords(
        db, RowKey(store, container, afterId + 1), RowKey(store, container, kLastRecordId),
        [&](std::int64_t rowKey, std::string_view body) -> std::uint32_t {
          records->push_back({RecordIdOfRowKey(rowKey), std::string(body)});
          return records->size() == limit ? kEnough : arbcode::SUCCESS;
        },
        [](std::int64_t, std::uint32_t damage) { return damage; });
    return code == kEnough ? arbcode::SUCCESS : code;
  });
}

std::uint32_t FindIndexContainer(Database* db, std::uint32_t store, std::uint16_t number,
                                 std::uint16_t* container) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    const IndexDefinition* found = db->catalog.Find(store, number);
    if (found == nullptr) return arbcode::BAD_IX;
    *container = found->container;
    return arbcode::SUCCESS;
  });
}

std::uint32_t CatalogOfSource(Database* db, std::uint32_t store, std::uint16_t container,
                              SourceCatalog* out) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    out->indexes = db->catalog.SharedIndexesOf(store, container);
    out->collator = db->catalog.CollatorOf(store);
    return arbcode::SUCCESS;
  });
}

}  // namespace store
