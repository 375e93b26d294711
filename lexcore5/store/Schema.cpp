#include "store/Schema.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "ArbCodes.h"
#include "store/Sqlite.h"

namespace store {
namespace {

// "LXC5" in the header's application id field; the format version lives in the header's user
// version field, so both can be checked before any table is read. Version 2 added a checksum to
// every page; files of version 1 have no room for one and are refused as OLD_DB.
constexpr std::int64_t kApplicationId = 0x4C584335;
constexpr std::int64_t kFormatVersion = 2;
constexpr std::int64_t kUncheckedFormatVersion = 1;
constexpr std::size_t kUserVersionOffset = 60;
constexpr std::size_t kApplicationIdOffset = 68;
constexpr std::size_t kOptionsSize = 17;

constexpr const char* kCompactName = "compact";
constexpr const char* kPackedName = "packed";
constexpr const char* kPackedWithDictionaryName = "packed-dictionary";
constexpr const char* kNarrowPackedWithDictionaryName = "narrow-packed-dictionary";

constexpr const char* kTables = R"sql(
CREATE TABLE meta(key TEXT PRIMARY KEY NOT NULL, value) WITHOUT ROWID;
CREATE TABLE records(id INTEGER PRIMARY KEY, body BLOB NOT NULL);
CREATE TABLE index_entries(key BLOB PRIMARY KEY NOT NULL) WITHOUT ROWID;
CREATE TABLE index_definitions(
  store INTEGER NOT NULL, number INTEGER NOT NULL, container INTEGER NOT NULL,
  components BLOB NOT NULL, PRIMARY KEY(store, number)) WITHOUT ROWID;
CREATE TABLE store_locales(store INTEGER PRIMARY KEY, locale TEXT NOT NULL);
CREATE TABLE field_names(
  store INTEGER NOT NULL, kind INTEGER NOT NULL, name TEXT NOT NULL, tag INTEGER NOT NULL,
  UNIQUE(store, kind, name));
INSERT INTO meta(key, value) VALUES('catalog_generation', 0);
INSERT INTO meta(key, value) VALUES('layout', 'compact');
)sql";

// The objects a file of ours holds, and nothing else: a file that carries our stamp but also views
// or triggers has been tampered with and is refused.
constexpr const char* kCountForeignObjects =
    "SELECT count(*) FROM sqlite_schema WHERE type IN ('view', 'trigger') OR (type = 'table' AND "
    "name NOT IN ('meta', 'records', 'index_entries', 'index_definitions', 'store_locales', "
    "'field_names'))";
constexpr const char* kCountOwnTables =
    "SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name IN ('meta', 'records', "
    "'index_entries', 'index_definitions', 'store_locales', 'field_names')";
constexpr int kOwnTableCount = 6;

void PackOptions(const CreateOptions& options, unsigned char* bytes) {
  for (std::size_t word = 0; word < 4; ++word) {
    for (std::size_t i = 0; i < 4; ++i) {
      bytes[word * 4 + i] = static_cast<unsigned char>(options.words[word] >> (8 * i));
    }
  }
  bytes[16] = options.flags;
}

void UnpackOptions(const unsigned char* bytes, CreateOptions* options) {
  for (std::size_t word = 0; word < 4; ++word) {
    options->words[word] = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      options->words[word] |= static_cast<std::uint32_t>(bytes[word * 4 + i]) << (8 * i);
    }
  }
  options->flags = bytes[16];
}

// A one-off query giving one integer: SQLite's code for a failure, SUCCESS (with *value) otherwise.
std::uint32_t QueryInteger(sqlite3* connection, const char* sql, std::int64_t* value) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
  if (result == SQLITE_OK) {
    result = sqlite3_step(statement);
    if (result == SQLITE_ROW) *value = sqlite3_column_int64(statement, 0);
  }
  sqlite3_finalize(statement);
  if (result == SQLITE_ROW) return arbcode::SUCCESS;
  // A query that finds no table is a file without our tables.
  return result == SQLITE_DONE || result == SQLITE_ERROR ? arbcode::NOT_DB : CodeOfSqlite(result);
}

std::int64_t BigEndianAt(const unsigned char* bytes) {
  return static_cast<std::int64_t>(static_cast<std::int32_t>(
      (static_cast<std::uint32_t>(bytes[0]) << 24) | (static_cast<std::uint32_t>(bytes[1]) << 16) |
      (static_cast<std::uint32_t>(bytes[2]) << 8) | bytes[3]));
}

std::uint32_t CodeOfStamp(std::int64_t applicationId, std::int64_t formatVersion) {
  if (applicationId != kApplicationId) return arbcode::NOT_DB;
  if (formatVersion > kFormatVersion) return arbcode::NEWER_DB;
  if (formatVersion == kUncheckedFormatVersion) return arbcode::OLD_DB;
  return formatVersion == kFormatVersion ? arbcode::SUCCESS : arbcode::NOT_DB;
}

std::uint32_t ReadOptions(sqlite3* connection, CreateOptions* options) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(connection, "SELECT value FROM meta WHERE key = 'create_options'",
                                  -1, &statement, nullptr);
  std::uint32_t code = arbcode::DATA_ERROR;
  if (result == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW &&
      sqlite3_column_type(statement, 0) == SQLITE_BLOB &&
      sqlite3_column_bytes(statement, 0) == static_cast<int>(kOptionsSize)) {
    UnpackOptions(static_cast<const unsigned char*>(sqlite3_column_blob(statement, 0)), options);
    code = arbcode::SUCCESS;
  } else if (result != SQLITE_OK && result != SQLITE_ROW && result != SQLITE_DONE) {
    code = CodeOfSqlite(result);
  }
  sqlite3_finalize(statement);
  return code;
}

std::uint32_t StoreLayoutName(sqlite3* connection, const char* name) {
  char sql[80];
  std::snprintf(sql, sizeof sql, "UPDATE meta SET value = '%s' WHERE key = 'layout'", name);
  return Execute(connection, sql);
}

}  // namespace

// Files made before the compact layout have no entry and keep the original one, so that the builds
// that made them can still read every record and index entry they hold. A layout this build does
// not know was written by a newer one.
std::uint32_t ReadFileLayout(sqlite3* connection, FileLayout* layout) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(connection, "SELECT value FROM meta WHERE key = 'layout'", -1,
                                  &statement, nullptr);
  std::uint32_t code = arbcode::SUCCESS;
  *layout = FileLayout::kOriginal;
  if (result == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW) {
    const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    if (value != nullptr && std::string_view(value) == kCompactName) {
      *layout = FileLayout::kCompact;
    } else if (value != nullptr && std::string_view(value) == kPackedName) {
      *layout = FileLayout::kPacked;
    } else if (value != nullptr && std::string_view(value) == kPackedWithDictionaryName) {
      *layout = FileLayout::kPackedWithDictionary;
    } else if (value != nullptr && std::string_view(value) == kNarrowPackedWithDictionaryName) {
      *layout = FileLayout::kNarrowPackedWithDictionary;
    } else {
      code = arbcode::NEWER_DB;
    }
  } else if (result != SQLITE_DONE) {
    code = CodeOfSqlite(result);
  }
  sqlite3_finalize(statement);
  return code;
}

std::uint32_t CreateSchema(sqlite3* connection, const CreateOptions& options) {
  char stamp[96];
  std::snprintf(stamp, sizeof stamp, "PRAGMA application_id = %lld; PRAGMA user_version = %lld",
                static_cast<long long>(kApplicationId), static_cast<long long>(kFormatVersion));
  if (std::uint32_t code = Execute(connection, "BEGIN IMMEDIATE")) return code;
  std::uint32_t code = Execute(connection, stamp);
  if (code == arbcode::SUCCESS) code = Execute(connection, kTables);
  if (code == arbcode::SUCCESS) {
    unsigned char packed[kOptionsSize];
    PackOptions(options, packed);
    sqlite3_stmt* statement = nullptr;
    int result =
        sqlite3_prepare_v2(connection, "INSERT INTO meta(key, value) VALUES('create_options', ?1)",
                           -1, &statement, nullptr);
    if (result == SQLITE_OK) {
      sqlite3_bind_blob(statement, 1, packed, kOptionsSize, SQLITE_STATIC);
      result = sqlite3_step(statement);
    }
    sqlite3_finalize(statement);
    code = CodeOfSqlite(result);
  }
  if (code == arbcode::SUCCESS) code = Execute(connection, "COMMIT");
  if (code != arbcode::SUCCESS) Execute(connection, "ROLLBACK");
  return code;
}

std::uint32_t StorePackedLayout(sqlite3* connection) {
  return StoreLayoutName(connection, kPackedName);
}

std::uint32_t StorePackDictionary(sqlite3* connection, std::string_view dictionary) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(
      connection, "INSERT OR REPLACE INTO meta(key, value) VALUES('pack_dictionary', ?1)", -1,
      &statement, nullptr);
  if (result == SQLITE_OK) {
    sqlite3_bind_blob(statement, 1, dictionary.data(), static_cast<int>(dictionary.size()),
                      SQLITE_STATIC);
    result = sqlite3_step(statement);
  }
  sqlite3_finalize(statement);
  if (result != SQLITE_DONE) return CodeOfSqlite(result);
  return StoreLayoutName(connection, kNarrowPackedWithDictionaryName);
}

std::uint32_t ReadPackDictionary(sqlite3* connection, std::string* dictionary) {
  sqlite3_stmt* statement = nullptr;
  int result = sqlite3_prepare_v2(
      connection, "SELECT value FROM meta WHERE key = 'pack_dictionary'", -1, &statement, nullptr);
  std::uint32_t code = arbcode::DATA_ERROR;
  if (result == SQLITE_OK && (result = sqlite3_step(statement)) == SQLITE_ROW &&
      sqlite3_column_type(statement, 0) == SQLITE_BLOB) {
    dictionary->assign(static_cast<const char*>(sqlite3_column_blob(statement, 0)),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement, 0)));
    code = arbcode::SUCCESS;
  } else if (result != SQLITE_OK && result != SQLITE_ROW && result != SQLITE_DONE) {
    code = CodeOfSqlite(result);
  }
  sqlite3_finalize(statement);
  return code;
}

std::uint32_t IdentifyHeader(const unsigned char* header, std::size_t size) {
  if (size < kSqliteHeaderSize) return arbcode::NOT_DB;
  return CodeOfStamp(BigEndianAt(header + kApplicationIdOffset),
                     BigEndianAt(header + kUserVersionOffset));
}

std::uint32_t IdentifyDatabase(sqlite3* connection, CreateOptions* options, FileLayout* layout) {
  std::int64_t applicationId = 0;
  std::int64_t value = 0;
  if (std::uint32_t code = QueryInteger(connection, "PRAGMA application_id", &applicationId)) {
    return code;
  }
  if (std::uint32_t code = QueryInteger(connection, "PRAGMA user_version", &value)) return code;
  if (std::uint32_t code = CodeOfStamp(applicationId, value)) return code;
  if (std::uint32_t code = QueryInteger(connection, kCountOwnTables, &value)) return code;
  if (value != kOwnTableCount) return arbcode::NOT_DB;
  if (std::uint32_t code = QueryInteger(connection, kCountForeignObjects, &value)) return code;
  if (value != 0) return arbcode::NOT_DB;
  if (std::uint32_t code = ReadFileLayout(connection, layout)) return code;
  return ReadOptions(connection, options);
}

}  // namespace store
