#include "store/Sqlite.h"

#include "ArbCodes.h"

namespace store {

std::uint32_t CodeOfSqlite(int result) {
  if (result == SQLITE_IOERR_DATA) return arbcode::BLOCK_CHECKSUM;
  switch (result & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
      return arbcode::SUCCESS;
    case SQLITE_CORRUPT:
      return arbcode::BTREE_ERROR;
    case SQLITE_NOTADB:
      return arbcode::NOT_DB;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return arbcode::ACCESS_CONFLICT;
    case SQLITE_READONLY:
      return arbcode::ACCESS_DENIED;
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return arbcode::IO_ACCESS_DENIED;
    case SQLITE_NOMEM:
      return arbcode::MEM;
    case SQLITE_FULL:
      return arbcode::IO_DISK_FULL;
    case SQLITE_CANTOPEN:
      return arbcode::IO_OPEN_ERR;
    case SQLITE_IOERR:
      return arbcode::IO_ERR;
    case SQLITE_TOOBIG:
      return arbcode::LARGE;
    case SQLITE_CONSTRAINT:
      return arbcode::EXISTS;
    default:
      return arbcode::FAILURE;
  }
}

std::uint32_t StatementUse::Run() {
  const int result = Step();
  return result == SQLITE_DONE || result == SQLITE_ROW ? arbcode::SUCCESS : CodeOfSqlite(result);
}

std::string_view StatementUse::ColumnBytes(int column) const {
  const void* bytes = sqlite3_column_blob(statement_, column);
  const int size = sqlite3_column_bytes(statement_, column);
  if (bytes == nullptr || size <= 0) return {};
  return {static_cast<const char*>(bytes), static_cast<std::size_t>(size)};
}

std::uint32_t StatementCache::Get(const char* sql, sqlite3_stmt** statement) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) {
    *statement = found->second;
    return arbcode::SUCCESS;
  }
  sqlite3_stmt* prepared = nullptr;
  const int result =
      sqlite3_prepare_v3(connection_, sql, -1, SQLITE_PREPARE_PERSISTENT, &prepared, nullptr);
  if (result != SQLITE_OK) {
    sqlite3_finalize(prepared);
    return CodeOfSqlite(result);
  }
  statements_.emplace(sql, prepared);
  *statement = prepared;
  return arbcode::SUCCESS;
}

void StatementCache::Clear() {
  for (auto& entry : statements_) sqlite3_finalize(entry.second);
  statements_.clear();
}

std::uint32_t Execute(sqlite3* connection, const char* sql) {
  return CodeOfSqlite(sqlite3_exec(connection, sql, nullptr, nullptr, nullptr));
}

}  // namespace store
