// The fast path for reading record bodies: one incremental-blob handle per connection, moved from
// row to row with sqlite3_blob_reopen. While the handle is open the connection keeps one read
// transaction (and the file's shared lock), which is what makes a read cost well under two
// microseconds; the owner releases it before every write and when it has been held long enough.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <string>

#include "store/Sqlite.h"

namespace store {

// Reads a body through an ordinary query (for use inside writes); NOT_FOUND when there is no such
// row.
std::uint32_t SelectBody(StatementCache* statements, std::int64_t rowKey, std::string* body);

class RecordReader {
 public:
  using Clock = std::chrono::steady_clock;

  RecordReader() = default;
  ~RecordReader() { Release(); }
  RecordReader(const RecordReader&) = delete;
  RecordReader& operator=(const RecordReader&) = delete;

  // Replaces *body with the body stored under `rowKey`. NOT_FOUND when there is no such row;
  // a store code for a damaged file. *openedRead is set when this read started a new read
  // transaction (the owner then arranges its release).
  std::uint32_t Read(sqlite3* connection, StatementCache* statements, std::int64_t rowKey,
                     std::string* body, bool* openedRead);

  // Ends the read transaction (harmless when none is held).
  void Release();
  bool Holding() const { return blob_ != nullptr; }
  // When the present read transaction began; meaningful only while Holding().
  Clock::time_point OpenedAt() const { return openedAt_; }
  // A number for the read transaction held now, never given to another one of this reader; 0 when
  // none is held.
  std::uint64_t HeldTransaction() const { return blob_ != nullptr ? transaction_ : 0; }

 private:
  sqlite3_blob* blob_ = nullptr;
  Clock::time_point openedAt_{};
  std::uint64_t transaction_ = 0;
};

}  // namespace store
