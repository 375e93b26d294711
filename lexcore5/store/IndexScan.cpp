#include "store/IndexScan.h"

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordAddress.h"

namespace store {
namespace {

constexpr const char* kKeysBetween =
    "SELECT key FROM index_entries WHERE key >= ?1 AND key < ?2 ORDER BY key LIMIT ?3";
constexpr const char* kKeysFrom =
    "SELECT key FROM index_entries WHERE key >= ?1 ORDER BY key LIMIT ?2";
constexpr const char* kBodiesAfter =
    "SELECT id, body FROM records WHERE id > ?1 AND id <= ?2 ORDER BY id LIMIT ?3";
constexpr const char* kRowsAfter =
    "SELECT id FROM records WHERE id > ?1 AND id <= ?2 ORDER BY id LIMIT ?3";

}  // namespace

std::uint32_t ReadIndexKeys(Database* db, std::string_view from, std::string_view to,
                            std::size_t limit, std::vector<std::string>* keys) {
  keys->clear();
  return WithDatabase(db, [&]() -> std::uint32_t {
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
    while ((result = use.Step()) == SQLITE_ROW) keys->emplace_back(use.ColumnBytes(0));
    return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
  });
}

std::uint32_t ReadRecordIds(Database* db, std::uint32_t store, std::uint16_t container,
                            std::uint32_t afterId, std::size_t limit,
                            std::vector<std::uint32_t>* ids) {
  ids->clear();
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  return WithDatabase(db, [&]() -> std::uint32_t {
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code = db->statements.Get(kRowsAfter, &statement)) return code;
    StatementUse use(statement);
    use.BindInt(1, RowKey(store, container, afterId));
    use.BindInt(2, RowKey(store, container, 0xFFFFFFFF));
    use.BindInt(3, static_cast<std::int64_t>(limit));
    int result;
    while ((result = use.Step()) == SQLITE_ROW) ids->push_back(RecordIdOfRowKey(use.ColumnInt(0)));
    return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
  });
}

std::uint32_t ReadRecordPage(Database* db, std::uint32_t store, std::uint16_t container,
                             std::uint32_t afterId, std::size_t limit,
                             std::vector<StoredRecord>* records) {
  records->clear();
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  return WithDatabase(db, [&]() -> std::uint32_t {
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code = db->statements.Get(kBodiesAfter, &statement)) return code;
    StatementUse use(statement);
    use.BindInt(1, RowKey(store, container, afterId));
    use.BindInt(2, RowKey(store, container, 0xFFFFFFFF));
    use.BindInt(3, static_cast<std::int64_t>(limit));
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      records->push_back({RecordIdOfRowKey(use.ColumnInt(0)), std::string(use.ColumnBytes(1))});
    }
    return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
  });
}

std::uint32_t FindIndexDefinition(Database* db, std::uint32_t store, std::uint16_t number,
                                  IndexDefinition* out) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    const IndexDefinition* found = db->catalog.Find(store, number);
    if (found == nullptr) return arbcode::BAD_IX;
    *out = *found;
    return arbcode::SUCCESS;
  });
}

std::uint32_t IndexDefinitionsOver(Database* db, std::uint32_t store, std::uint16_t container,
                                   std::vector<IndexDefinition>* out) {
  out->clear();
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    for (const IndexDefinition* definition : db->catalog.IndexesOf(store, container)) {
      out->push_back(*definition);
    }
    return arbcode::SUCCESS;
  });
}

std::uint32_t StoreLocale(Database* db, std::uint32_t store, std::string* locale) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    *locale = db->catalog.LocaleOf(store);
    return arbcode::SUCCESS;
  });
}

}  // namespace store
