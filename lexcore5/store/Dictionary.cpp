// The field-name dictionary: names for the tags of each store, kept in the database.
#include <memory>
#include <string>
#include <unordered_map>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordAddress.h"
#include "store/WriteScope.h"

namespace store {

struct NameTable {
  // The first name each tag was given.
  std::unordered_map<std::uint16_t, std::string> names;
};

namespace {

constexpr const char* kSelectTagOfName =
    "SELECT tag FROM field_names WHERE store = ?1 AND kind = ?2 AND name = ?3";
constexpr const char* kInsertName =
    "INSERT INTO field_names(store, kind, name, tag) VALUES(?1, ?2, ?3, ?4)";
constexpr const char* kSelectNames =
    "SELECT tag, name FROM field_names WHERE store = ?1 AND kind = ?2 ORDER BY rowid";

std::uint32_t CheckName(std::uint32_t store, const char* name) {
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  return name == nullptr || *name == '\0' ? arbcode::SYNTAX : arbcode::SUCCESS;
}

// The tag a name already has: NOT_FOUND when it has none.
std::uint32_t LookUpName(Database* db, std::uint32_t store, std::string_view name,
                         std::uint16_t kind, std::uint16_t* tag) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kSelectTagOfName, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, store);
  use.BindInt(2, kind);
  use.BindText(3, name);
  const int result = use.Step();
  if (result == SQLITE_DONE) return arbcode::NOT_FOUND;
  if (result != SQLITE_ROW) return CodeOfSqlite(result);
  *tag = static_cast<std::uint16_t>(use.ColumnInt(0));
  return arbcode::SUCCESS;
}

}  // namespace

std::uint32_t AddFieldName(Database* db, std::uint32_t store, std::uint16_t tag, const char* name,
                           std::uint16_t kind) {
  if (std::uint32_t code = CheckName(store, name)) return code;
  if (tag == 0) return arbcode::INVALID_TAG;
  return WithDatabase(db, [&]() -> std::uint32_t {
    WriteScope scope(db);
    if (std::uint32_t code = scope.Begin()) return code;
    std::uint16_t existing = 0;
    const std::uint32_t found = LookUpName(db, store, name, kind, &existing);
    if (found == arbcode::SUCCESS) {
      return existing == tag ? arbcode::SUCCESS : arbcode::DUPLICATE_DICT_NAME;
    }
    if (found != arbcode::NOT_FOUND) return found;
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code = db->statements.Get(kInsertName, &statement)) return code;
    {
      StatementUse use(statement);
      use.BindInt(1, store);
      use.BindInt(2, kind);
      use.BindText(3, name);
      use.BindInt(4, tag);
      if (std::uint32_t code = use.Run()) return code;
    }
    return scope.Commit();
  });
}

std::uint32_t TagOfName(Database* db, std::uint32_t store, const char* name, std::uint16_t kind,
                        std::uint16_t* tag) {
  if (std::uint32_t code = CheckName(store, name)) return code;
  if (tag == nullptr) return arbcode::BAD_HDL;
  return WithDatabase(db, [&] { return LookUpName(db, store, name, kind, tag); });
}

std::uint32_t BuildNameTable(Database* db, std::uint32_t store, NameTable** table) {
  if (table == nullptr) return arbcode::BAD_HDL;
  *table = nullptr;
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  return WithDatabase(db, [&]() -> std::uint32_t {
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code = db->statements.Get(kSelectNames, &statement)) return code;
    auto loaded = std::make_unique<NameTable>();
    StatementUse use(statement);
    use.BindInt(1, store);
    use.BindInt(2, kFieldNameKind);
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      loaded->names.try_emplace(static_cast<std::uint16_t>(use.ColumnInt(0)), use.ColumnBytes(1));
    }
    if (result != SQLITE_DONE) return CodeOfSqlite(result);
    *table = loaded.release();
    return arbcode::SUCCESS;
  });
}

const char* NameOfTag(const NameTable* table, std::uint16_t tag) {
  if (table == nullptr) return nullptr;
  auto found = table->names.find(tag);
  return found == table->names.end() ? nullptr : found->second.c_str();
}

void FreeNameTable(NameTable** table) {
  if (table == nullptr) return;
  delete *table;
  *table = nullptr;
}

}  // namespace store
