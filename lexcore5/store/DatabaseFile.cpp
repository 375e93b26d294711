// Creating, opening and closing database files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ArbCodes.h"
#include "store/ApiGuard.h"
#include "store/ChecksumVfs.h"
#include "store/Database.h"
#include "store/PageChecksum.h"
#include "store/Schema.h"
#include "store/Session.h"

namespace store {
namespace {

constexpr std::size_t kMaxPathLength = 239;
constexpr char kSqliteMagic[16] = "SQLite format 3";
// Set before the first page of a new file is written: SQLite cannot change it afterwards.
constexpr int kReservedBytes = kPageChecksumSize;
// Writers wait this long for another connection's lock before giving up with ACCESS_CONFLICT.
constexpr int kBusyTimeoutMs = 5000;

std::uint32_t CheckPath(const char* path) {
  if (path == nullptr || *path == '\0') return arbcode::IO_PATH_NOT_FOUND;
  return std::strlen(path) > kMaxPathLength ? arbcode::IO_PATH_TOO_LONG : arbcode::SUCCESS;
}

std::uint32_t CodeOfLock(platform::LockResult result) {
  switch (result) {
    case platform::LockResult::kLocked:
      return arbcode::SUCCESS;
    case platform::LockResult::kInUse:
      return arbcode::ACCESS_CONFLICT;
    case platform::LockResult::kNotFound:
      return arbcode::IO_PATH_NOT_FOUND;
    case platform::LockResult::kAccessDenied:
      return arbcode::IO_ACCESS_DENIED;
    case platform::LockResult::kNotAFile:
      return arbcode::NOT_DB;
    case platform::LockResult::kFailed:
      break;
  }
  return arbcode::IO_OPEN_ERR;
}

// Refuses files that do not even start like a SQLite database (text, empty, truncated) before
// SQLite sees them: SQLite would take an empty file for a new database. A file of ours must also
// carry the stamp of the format with page checksums, or its pages could not be verified.
std::uint32_t CheckHeader(const platform::FileLock& lock) {
  unsigned char header[kSqliteHeaderSize];
  const long count = lock.ReadPrefix(header, sizeof header);
  if (count < 0) return arbcode::IO_ERR;
  if (static_cast<std::size_t>(count) < sizeof kSqliteMagic ||
      std::memcmp(header, kSqliteMagic, sizeof kSqliteMagic) != 0) {
    return arbcode::NOT_DB;
  }
  return IdentifyHeader(header, static_cast<std::size_t>(count));
}

std::uint32_t OpenConnection(const char* path, bool readOnly, sqlite3** connection) {
  const char* vfs = ChecksumVfsName();
  if (vfs == nullptr) return arbcode::IO_OPEN_ERR;
  const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
  const int result = sqlite3_open_v2(path, connection, flags, vfs);
  if (result != SQLITE_OK) {
    sqlite3_close_v2(*connection);
    *connection = nullptr;
    return CodeOfSqlite(result);
  }
  sqlite3_extended_result_codes(*connection, 1);
  sqlite3_busy_timeout(*connection, kBusyTimeoutMs);
  // Files come from anywhere: the schema may not run SQL functions, and the connection may not be
  // used to corrupt the file deliberately.
  sqlite3_db_config(*connection, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  sqlite3_db_config(*connection, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  if (std::uint32_t code = EnablePageChecksums(*connection)) return code;
  // Pages read from a memory map cost neither a system call nor fresh memory for SQLite's own
  // cache, each page of which is a page fault the first time it fills: together about a quarter
  // of a first look-up. SQLite caps the size at what it was built to allow, and reads the rest of
  // a larger file as before. A SQLite built to write through its map would write pages past the
  // checksum layer, unstamped: it reads and writes as before.
  if (sqlite3_compileoption_used("MMAP_READWRITE") == 0) {
    if (std::uint32_t code = Execute(*connection, "PRAGMA mmap_size = 4294967296")) return code;
  }
  return Execute(*connection, "PRAGMA synchronous = FULL");
}

// Makes room for the page checksums in a file that has no page yet.
std::uint32_t ReserveChecksumBytes(sqlite3* connection) {
  int reserved = kReservedBytes;
  const int result =
      sqlite3_file_control(connection, "main", SQLITE_FCNTL_RESERVE_BYTES, &reserved);
  return CodeOfSqlite(result);
}

std::uint32_t OpenInto(Database* db, const char* path, std::uint32_t flags,
                       CreateOptions* options) {
  if (std::uint32_t code = CodeOfLock(db->fileLock.Acquire(path, (flags & kOpenExclusive) != 0))) {
    return code;
  }
  if (std::uint32_t code = CheckHeader(db->fileLock)) return code;
  db->readOnly = (flags & kOpenReadOnly) != 0;
  if (std::uint32_t code = OpenConnection(path, db->readOnly, &db->connection)) return code;
  // A file that is write-protected opens for reading only whatever was asked.
  if (sqlite3_db_readonly(db->connection, "main") == 1) db->readOnly = true;
  db->statements.Attach(db->connection);
  CreateOptions stored{};
  if (std::uint32_t code = IdentifyDatabase(db->connection, &stored, &db->layout)) return code;
  db->catalog.ShareTwinEntries(db->layout != FileLayout::kOriginal);
  if (std::uint32_t code = ReloadCatalog(db)) return code;
  if (options != nullptr) *options = stored;
  return arbcode::SUCCESS;
}

std::uint32_t CodeOfCreateError(int error) {
  switch (error) {
    case EEXIST:
      return arbcode::FILE_EXISTS;
    case ENOENT:
    case ENOTDIR:
      return arbcode::IO_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
      return arbcode::IO_ACCESS_DENIED;
    case ENOSPC:
      return arbcode::IO_DISK_FULL;
    default:
      return arbcode::IO_OPEN_ERR;
  }
}

}  // namespace

std::uint32_t CreateDatabase(Session* /*session*/, const char* path, const CreateOptions* options) {
  if (std::uint32_t code = CheckPath(path)) return code;
  return Guarded([&] {
    // Creating the file ourselves, exclusively, means two creators cannot both succeed.
    std::FILE* created = std::fopen(path, "wbx");
    if (created == nullptr) return CodeOfCreateError(errno);
    std::fclose(created);
    sqlite3* connection = nullptr;
    std::uint32_t code = OpenConnection(path, false, &connection);
    if (code == arbcode::SUCCESS) code = ReserveChecksumBytes(connection);
    if (code == arbcode::SUCCESS)
      code = CreateSchema(connection, options ? *options : CreateOptions{});
    sqlite3_close_v2(connection);
    if (code != arbcode::SUCCESS) std::remove(path);
    return code;
  });
}

std::uint32_t OpenDatabase(Session* session, const char* path, const char* /*secondPath*/,
                           std::uint32_t flags, Database** out, CreateOptions* options) {
  if (out == nullptr) return arbcode::BAD_HDL;
  *out = nullptr;
  if (session == nullptr) return arbcode::BAD_HDL;
  if (std::uint32_t code = CheckPath(path)) return code;
  return Guarded([&] {
    auto db = std::make_unique<Database>();
    if (std::uint32_t code = OpenInto(db.get(), path, flags, options)) return code;
    AttachDatabase(session, db.get());
    *out = db.release();
    return arbcode::SUCCESS;
  });
}

std::uint32_t CloseDatabase(Database** database) {
  if (database == nullptr || *database == nullptr) return arbcode::DB_HANDLE;
  return Guarded([&] {
    std::unique_ptr<Database> db(*database);
    *database = nullptr;
    if (db->session != nullptr) DetachDatabase(db->session, db.get());
    std::lock_guard guard(db->mutex);
    Shutdown(db.get());
    return arbcode::SUCCESS;
  });
}

}  // namespace store
