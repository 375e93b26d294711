// A database opened through an FxSession. Never throws: results are 1 or 0 with the store's code
// kept. Besides opening and closing it offers what building a database needs: creating the file
// and one transaction around many changes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ArbError.h"
#include "CreateOptions.h"
#include "FxSession.h"
#include "LexcoreExport.h"

class LEXCORE_API FxDatabase {
 public:
  static constexpr std::size_t kPathSize = 240;

  explicit FxDatabase(FxSession& session) : session_(session) {}
  FxDatabase(const FxDatabase&) = delete;
  FxDatabase& operator=(const FxDatabase&) = delete;
  virtual ~FxDatabase();

  int Open(const char* path, int readOnly, int exclusive) {
    return Open(path, nullptr, readOnly, exclusive);
  }
  // Opens the session first when needed. A path of 240 bytes or more fails with IO_PATH_TOO_LONG.
  int Open(const char* path, const char* secondPath, int readOnly, int exclusive);
  // 1 at once when nothing is open.
  int Close();
  int IsOpen() const { return database_ != nullptr ? 1 : 0; }
  int IsReadOnly() const { return IsOpen() && (flags_ & 4) != 0 ? 1 : 0; }
  int IsExclusive() const { return IsOpen() && (flags_ & 1) != 0 ? 1 : 0; }
  operator void*() const { return database_; }
  std::uint32_t GetErrorCode() const { return error_; }
  const Create_Options& GetCreateOptions() const { return options_; }

  // Creates a new, empty database file (FILE_EXISTS when the path exists); nothing is opened.
  int Create(const char* path);
  // One transaction around many changes; `fast` is for building a new file, which a crash during
  // the transaction may leave unusable. Commit makes every change since Begin permanent; Abort
  // (and closing without a commit) undoes them all.
  int BeginBulk(int fast);
  int CommitBulk();
  int AbortBulk();

 private:
  int Fail(std::uint32_t code);

  ArbError error_;
  FxSession& session_;
  char path_[kPathSize] = {};
  void* database_ = nullptr;
  std::uint8_t flags_ = 0;
  Create_Options options_{};
};
