// One atomic change: a transaction of its own, or a part of an open bulk transaction, so that a
// change and its index entries are stored together or not at all. Begin also ends the fast
// reader's read transaction (a write cannot start while the connection holds one) and reloads the
// index catalog if another connection changed it.
//
// Inside a bulk transaction a record change costs no savepoint: record changes do everything that
// can fail for reasons of their own before their first write, so a failure after it is one of the
// file (I/O, damage). Such a failure dooms the bulk transaction: it then accepts no more changes
// and its commit rolls it back (ABORT_TRANS). Catalog changes, which can fail half-way through
// rebuilding an index, take a savepoint.
#pragma once

#include <cstdint>

namespace store {

struct Database;

class WriteScope {
 public:
  enum class Kind : std::uint8_t { kRecordChange, kCatalogChange };

  explicit WriteScope(Database* db, Kind kind = Kind::kRecordChange) : db_(db), kind_(kind) {}
  // Rolls back unless committed.
  ~WriteScope();
  WriteScope(const WriteScope&) = delete;
  WriteScope& operator=(const WriteScope&) = delete;

  // ACCESS_DENIED for a read-only database, ACCESS_CONFLICT when another connection keeps the
  // write lock past the wait, ABORT_TRANS inside a doomed bulk transaction, another store code when
  // the file is damaged.
  std::uint32_t Begin();
  std::uint32_t Commit();

 private:
  void Rollback();
  bool UsesSavepoint() const;

  Database* db_;
  Kind kind_;
  bool open_ = false;
  std::int64_t changesAtBegin_ = 0;
  std::uint64_t packChangesAtBegin_ = 0;
};

}  // namespace store
