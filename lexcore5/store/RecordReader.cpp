#include "store/RecordReader.h"

#include "ArbCodes.h"

namespace store {
namespace {

constexpr const char* kSelectBody = "SELECT body FROM records WHERE id = ?1";

std::uint32_t CopyBlob(sqlite3_blob* blob, std::string* body) {
  const int size = sqlite3_blob_bytes(blob);
  body->resize(static_cast<std::size_t>(size));
  return CodeOfSqlite(sqlite3_blob_read(blob, body->data(), size, 0));
}

}  // namespace

std::uint32_t RecordReader::Read(sqlite3* connection, StatementCache* statements,
                                 std::int64_t rowKey, std::string* body, bool* openedRead) {
  *openedRead = false;
  if (blob_ != nullptr) {
    if (sqlite3_blob_reopen(blob_, rowKey) == SQLITE_OK && CopyBlob(blob_, body) == 0) {
      return arbcode::SUCCESS;
    }
    // A missing row (or a handle expired by a write) leaves the handle aborted.
    Release();
  }
  if (sqlite3_blob_open(connection, "main", "records", "body", rowKey, 0, &blob_) == SQLITE_OK) {
    openedAt_ = Clock::now();
    ++transaction_;
    *openedRead = true;
    if (CopyBlob(blob_, body) == arbcode::SUCCESS) return arbcode::SUCCESS;
  }
  // The blob path cannot tell a missing row from trouble; the query can.
  Release();
  return SelectBody(statements, rowKey, body);
}

void RecordReader::Release() {
  if (blob_ != nullptr) sqlite3_blob_close(blob_);
  blob_ = nullptr;
}

std::uint32_t SelectBody(StatementCache* statements, std::int64_t rowKey, std::string* body) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = statements->Get(kSelectBody, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, rowKey);
  const int result = use.Step();
  if (result == SQLITE_DONE) return arbcode::NOT_FOUND;
  if (result != SQLITE_ROW) return CodeOfSqlite(result);
  body->assign(use.ColumnBytes(0));
  return arbcode::SUCCESS;
}

}  // namespace store
