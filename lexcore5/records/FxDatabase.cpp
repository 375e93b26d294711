#include "FxDatabase.h"

#include <cstring>

#include "ArbCodes.h"
#include "store/RecordStore.h"

namespace {

store::Database* Db(void* database) {
  return static_cast<store::Database*>(database);
}

}  // namespace

FxDatabase::~FxDatabase() {
  Close();
}

int FxDatabase::Fail(std::uint32_t code) {
  error_ = code;
  return 0;
}

int FxDatabase::Open(const char* path, const char* secondPath, int readOnly, int exclusive) {
  if (!session_.IsOpen() && !session_.Open()) return Fail(session_.GetErrorCode());
  if (path == nullptr) return Fail(arbcode::IO_PATH_NOT_FOUND);
  const std::size_t length = std::strlen(path);
  if (length >= kPathSize) return Fail(arbcode::IO_PATH_TOO_LONG);
  std::memcpy(path_, path, length + 1);
  flags_ = static_cast<std::uint8_t>((exclusive ? store::kOpenExclusive : 0) |
                                     (readOnly ? store::kOpenReadOnly : 0));
  store::Database* database = nullptr;
  store::CreateOptions options{};
  if (!error_.Success(
          store::OpenDatabase(static_cast<store::Session*>(static_cast<void*>(session_)), path_,
                              secondPath, flags_, &database, &options))) {
    return 0;
  }
  database_ = database;
  std::memcpy(options_.words, options.words, sizeof options_.words);
  options_.flags = options.flags;
  return 1;
}

int FxDatabase::Close() {
  if (database_ == nullptr) return 1;
  store::Database* database = Db(database_);
  database_ = nullptr;
  return error_.Success(store::CloseDatabase(&database));
}

int FxDatabase::Create(const char* path) {
  if (!session_.IsOpen() && !session_.Open()) return Fail(session_.GetErrorCode());
  if (path == nullptr) return Fail(arbcode::IO_PATH_NOT_FOUND);
  if (std::strlen(path) >= kPathSize) return Fail(arbcode::IO_PATH_TOO_LONG);
  return error_.Success(store::CreateDatabase(
      static_cast<store::Session*>(static_cast<void*>(session_)), path, nullptr));
}

int FxDatabase::BeginBulk(int fast) {
  return error_.Success(store::BeginBulk(Db(database_), fast != 0));
}

int FxDatabase::CommitBulk() {
  return error_.Success(store::CommitBulk(Db(database_)));
}

int FxDatabase::AbortBulk() {
  return error_.Success(store::AbortBulk(Db(database_)));
}
