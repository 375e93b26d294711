#include "store/IndexMaintenance.h"

#include <algorithm>
#include <iterator>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/IndexKeys.h"
#include "store/RecordAddress.h"
#include "store/RecordCodec.h"
#include "store/RecordRows.h"

namespace store {
namespace {

constexpr const char* kInsertEntry = "INSERT OR IGNORE INTO index_entries(key) VALUES(?1)";
constexpr const char* kDeleteEntry = "DELETE FROM index_entries WHERE key = ?1";
constexpr const char* kDeleteEntryRange = "DELETE FROM index_entries WHERE key >= ?1 AND key < ?2";
constexpr const char* kSelectEntryRange =
    "SELECT key FROM index_entries WHERE key >= ?1 AND key < ?2";

std::uint32_t RunForEachKey(Database* db, const char* sql, const std::vector<std::string>& keys) {
  if (keys.empty()) return arbcode::SUCCESS;
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(sql, &statement)) return code;
  for (const std::string& key : keys) {
    StatementUse use(statement);
    use.BindBlob(1, key);
    if (std::uint32_t code = use.Run()) return code;
  }
  return arbcode::SUCCESS;
}

std::string IndexPrefix(std::uint32_t store, std::uint16_t number) {
  std::string prefix;
  AppendIndexPrefix(store, number, &prefix);
  return prefix;
}

}  // namespace

std::uint32_t KeysOfRecord(Database* db, std::uint32_t store, std::uint16_t container,
                           std::uint32_t recordId, const node* root,
                           std::vector<std::string>* keys) {
  keys->clear();
  const IndexCatalog::IndexList& indexes = db->catalog.IndexesOf(store, container);
  if (indexes.empty()) return arbcode::SUCCESS;
  const std::shared_ptr<const Collator> collator = db->catalog.CollatorOf(store);
  if (collator == nullptr) return arbcode::IX_FAILURE;
  std::vector<std::string> indexKeys;
  for (const IndexDefinition& definition : indexes) {
    if (!definition.OwnsEntries()) continue;
    if (std::uint32_t code = BuildIndexKeys(definition, *collator, root, recordId, &indexKeys)) {
      return code;
    }
    std::move(indexKeys.begin(), indexKeys.end(), std::back_inserter(*keys));
  }
  std::sort(keys->begin(), keys->end());
  return arbcode::SUCCESS;
}

std::uint32_t InsertEntries(Database* db, const std::vector<std::string>& keys) {
  return RunForEachKey(db, kInsertEntry, keys);
}

std::uint32_t DeleteEntries(Database* db, const std::vector<std::string>& keys) {
  return RunForEachKey(db, kDeleteEntry, keys);
}

std::uint32_t ReplaceEntries(Database* db, const std::vector<std::string>& before,
                             const std::vector<std::string>& after) {
  std::vector<std::string> gone;
  std::vector<std::string> added;
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                      std::back_inserter(gone));
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(added));
  if (std::uint32_t code = DeleteEntries(db, gone)) return code;
  return InsertEntries(db, added);
}

std::uint32_t PurgeEntriesOfRecord(Database* db, std::uint32_t store, std::uint16_t container,
                                   std::uint32_t recordId) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kSelectEntryRange, &statement)) return code;
  std::vector<std::string> keys;
  for (const IndexDefinition& definition : db->catalog.IndexesOf(store, container)) {
    if (!definition.OwnsEntries()) continue;
    const std::string low = IndexPrefix(definition.store, definition.number);
    const std::string high = PrefixEnd(low);
    StatementUse use(statement);
    use.BindBlob(1, low);
    use.BindBlob(2, high);
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      const std::string_view key = use.ColumnBytes(0);
      if (RecordIdOfKey(key) == recordId) keys.emplace_back(key);
    }
    if (result != SQLITE_DONE) return CodeOfSqlite(result);
  }
  return DeleteEntries(db, keys);
}

std::uint32_t RebuildIndex(Database* db, const IndexDefinition& definition) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kDeleteEntryRange, &statement)) return code;
  {
    // Under its own number: what it held before it became a twin goes too.
    const std::string low = IndexPrefix(definition.store, definition.number);
    const std::string high = PrefixEnd(low);
    StatementUse use(statement);
    use.BindBlob(1, low);
    use.BindBlob(2, high);
    if (std::uint32_t code = use.Run()) return code;
  }
  if (!definition.OwnsEntries()) return arbcode::SUCCESS;
  const std::shared_ptr<const Collator> collator = db->catalog.CollatorOf(definition.store);
  if (collator == nullptr) return arbcode::IX_FAILURE;
  std::vector<std::string> keys;
  // A damaged record or pack gives no entries, as it could not have been stored with them.
  const std::uint32_t code = ScanRecords(
      db, RowKey(definition.store, definition.container, 1),
      RowKey(definition.store, definition.container, 0xFFFFFFFF),
      [&](std::int64_t rowKey, std::string_view body) -> std::uint32_t {
        node* root = nullptr;
        ResetScratch(db);
        if (DecodeRecord(body, &db->scratchPool, &root) != arbcode::SUCCESS) return 0;
        if (std::uint32_t failed =
                BuildIndexKeys(definition, *collator, root, RecordIdOfRowKey(rowKey), &keys)) {
          return failed;
        }
        return InsertEntries(db, keys);
      },
      [](std::int64_t, std::uint32_t) { return arbcode::SUCCESS; });
  ResetScratch(db);
  return code;
}

}  // namespace store
