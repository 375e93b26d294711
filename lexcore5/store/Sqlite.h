// Thin helpers over SQLite for the store's own use: prepared statements that are compiled once per
// connection and reused, and the translation of SQLite results into store codes. Nothing outside
// lexcore5/store/ includes this header.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace store {

// The store code for a SQLite result: a page whose checksum disagrees gives BLOCK_CHECKSUM, other
// damaged content BTREE_ERROR, a file that is not a
// database NOT_DB, a lock held elsewhere ACCESS_CONFLICT, a read-only file ACCESS_DENIED, a full
// disk IO_DISK_FULL, other I/O trouble IO_ERR; success (OK, ROW, DONE) gives 0.
std::uint32_t CodeOfSqlite(int result);

// A statement in use: bound, stepped, and reset when the use ends so that it holds no read lock
// and keeps no bound blob alive.
class StatementUse {
 public:
  explicit StatementUse(sqlite3_stmt* statement) : statement_(statement) {}
  ~StatementUse() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  StatementUse(const StatementUse&) = delete;
  StatementUse& operator=(const StatementUse&) = delete;

  // Bindings are numbered from 1; blobs and texts are bound without copying and must outlive the
  // use.
  void BindInt(int slot, std::int64_t value) { sqlite3_bind_int64(statement_, slot, value); }
  void BindBlob(int slot, std::string_view bytes) {
    sqlite3_bind_blob(statement_, slot, bytes.data(), static_cast<int>(bytes.size()),
                      SQLITE_STATIC);
  }
  void BindText(int slot, std::string_view text) {
    sqlite3_bind_text(statement_, slot, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
  }

  // SQLITE_ROW, SQLITE_DONE or an error result.
  int Step() { return sqlite3_step(statement_); }
  // Runs a statement that returns no rows; a store code.
  std::uint32_t Run();

  std::int64_t ColumnInt(int column) const { return sqlite3_column_int64(statement_, column); }
  // Valid until the next step or the end of the use.
  std::string_view ColumnBytes(int column) const;

 private:
  sqlite3_stmt* statement_;
};

// The statements of one connection, compiled at first use. Keys are the SQL texts' addresses, so
// callers pass string constants.
class StatementCache {
 public:
  StatementCache() = default;
  ~StatementCache() { Clear(); }
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  void Attach(sqlite3* connection) { connection_ = connection; }
  // A store code; *statement stays valid until Clear.
  std::uint32_t Get(const char* sql, sqlite3_stmt** statement);
  // Finalises every statement; required before the connection closes.
  void Clear();

 private:
  sqlite3* connection_ = nullptr;
  std::unordered_map<const char*, sqlite3_stmt*> statements_;
};

// Runs SQL text that returns no rows of interest (schema and pragmas); a store code.
std::uint32_t Execute(sqlite3* connection, const char* sql);

}  // namespace store
