#include "store/ChecksumVfs.h"

#include <cstring>

#include "ArbCodes.h"
#include "store/PageChecksum.h"
#include "store/Sqlite.h"

namespace store {
namespace {

// Our own file-control operation; SQLite hands operations it does not know to the file layer.
constexpr int kEnableChecksumsOp = 0x4C584331;

// A main database file: our part first, the system's file right behind it.
struct ChecksumFile {
  sqlite3_file base;
  sqlite3_file* system;
  bool checksums;
  // A copy of the page being written, as SQLite's own buffer is not ours to stamp.
  unsigned char* scratch;
  int scratchSize;
};

sqlite3_vfs* systemVfs = nullptr;

ChecksumFile* Own(sqlite3_file* file) {
  return reinterpret_cast<ChecksumFile*>(file);
}
sqlite3_file* System(sqlite3_file* file) {
  return Own(file)->system;
}
const sqlite3_io_methods* Methods(sqlite3_file* file) {
  return System(file)->pMethods;
}

std::uint64_t PageNumber(sqlite3_int64 offset, int size) {
  return static_cast<std::uint64_t>(offset / size) + 1;
}

int Close(sqlite3_file* file) {
  ChecksumFile* own = Own(file);
  const int result = Methods(file)->xClose(own->system);
  sqlite3_free(own->scratch);
  own->scratch = nullptr;
  return result;
}

// A short read fills the rest with zeros, which never verifies: a page cut off by truncation is
// damage like any other.
int Read(sqlite3_file* file, void* buffer, int size, sqlite3_int64 offset) {
  const int result = Methods(file)->xRead(System(file), buffer, size, offset);
  if (!Own(file)->checksums || static_cast<std::size_t>(size) < kSmallestPageSize) return result;
  if (result != SQLITE_OK && result != SQLITE_IOERR_SHORT_READ) return result;
  if (!PageIntact(static_cast<const unsigned char*>(buffer), static_cast<std::size_t>(size),
                  PageNumber(offset, size))) {
    return SQLITE_IOERR_DATA;
  }
  return result;
}

int Write(sqlite3_file* file, const void* buffer, int size, sqlite3_int64 offset) {
  ChecksumFile* own = Own(file);
  if (!own->checksums || static_cast<std::size_t>(size) < kSmallestPageSize) {
    return Methods(file)->xWrite(own->system, buffer, size, offset);
  }
  if (own->scratchSize < size) {
    auto* grown = static_cast<unsigned char*>(sqlite3_realloc(own->scratch, size));
    if (grown == nullptr) return SQLITE_NOMEM;
    own->scratch = grown;
    own->scratchSize = size;
  }
  std::memcpy(own->scratch, buffer, static_cast<std::size_t>(size));
  StampPage(own->scratch, static_cast<std::size_t>(size), PageNumber(offset, size));
  return Methods(file)->xWrite(own->system, own->scratch, size, offset);
}

int Truncate(sqlite3_file* file, sqlite3_int64 size) {
  return Methods(file)->xTruncate(System(file), size);
}
int Sync(sqlite3_file* file, int flags) {
  return Methods(file)->xSync(System(file), flags);
}
int FileSize(sqlite3_file* file, sqlite3_int64* size) {
  return Methods(file)->xFileSize(System(file), size);
}
int Lock(sqlite3_file* file, int level) {
  return Methods(file)->xLock(System(file), level);
}
int Unlock(sqlite3_file* file, int level) {
  return Methods(file)->xUnlock(System(file), level);
}
int CheckReservedLock(sqlite3_file* file, int* reserved) {
  return Methods(file)->xCheckReservedLock(System(file), reserved);
}

int FileControl(sqlite3_file* file, int op, void* argument) {
  if (op == kEnableChecksumsOp) {
    Own(file)->checksums = true;
    return SQLITE_OK;
  }
  return Methods(file)->xFileControl(System(file), op, argument);
}

int SectorSize(sqlite3_file* file) {
  return Methods(file)->xSectorSize(System(file));
}
int DeviceCharacteristics(sqlite3_file* file) {
  return Methods(file)->xDeviceCharacteristics(System(file));
}

int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
  return Methods(file)->xShmMap(System(file), region, size, extend, memory);
}
int ShmLock(sqlite3_file* file, int offset, int count, int flags) {
  return Methods(file)->xShmLock(System(file), offset, count, flags);
}
void ShmBarrier(sqlite3_file* file) {
  Methods(file)->xShmBarrier(System(file));
}
int ShmUnmap(sqlite3_file* file, int deleteFlag) {
  return Methods(file)->xShmUnmap(System(file), deleteFlag);
}

// Pages handed out from a memory map would bypass Read: never hand any out, so SQLite reads.
int Fetch(sqlite3_file* /*file*/, sqlite3_int64 /*offset*/, int /*size*/, void** page) {
  *page = nullptr;
  return SQLITE_OK;
}
int Unfetch(sqlite3_file* /*file*/, sqlite3_int64 /*offset*/, void* /*page*/) {
  return SQLITE_OK;
}

constexpr sqlite3_io_methods kMethods = {3,
                                         Close,
                                         Read,
                                         Write,
                                         Truncate,
                                         Sync,
                                         FileSize,
                                         Lock,
                                         Unlock,
                                         CheckReservedLock,
                                         FileControl,
                                         SectorSize,
                                         DeviceCharacteristics,
                                         ShmMap,
                                         ShmLock,
                                         ShmBarrier,
                                         ShmUnmap,
                                         Fetch,
                                         Unfetch};

int Open(sqlite3_vfs* /*vfs*/, sqlite3_filename name, sqlite3_file* file, int flags,
         int* outFlags) {
  if ((flags & SQLITE_OPEN_MAIN_DB) == 0) {
    return systemVfs->xOpen(systemVfs, name, file, flags, outFlags);
  }
  ChecksumFile* own = Own(file);
  own->base.pMethods = nullptr;
  own->system = reinterpret_cast<sqlite3_file*>(own + 1);
  own->system->pMethods = nullptr;
  own->checksums = false;
  own->scratch = nullptr;
  own->scratchSize = 0;
  const int result = systemVfs->xOpen(systemVfs, name, own->system, flags, outFlags);
  if (result != SQLITE_OK) {
    if (own->system->pMethods != nullptr) own->system->pMethods->xClose(own->system);
    return result;
  }
  own->base.pMethods = &kMethods;
  return SQLITE_OK;
}

sqlite3_vfs* Register() {
  systemVfs = sqlite3_vfs_find(nullptr);
  if (systemVfs == nullptr) return nullptr;
  // Everything but opening stays the system layer's own, with the same settings.
  static sqlite3_vfs vfs = *systemVfs;
  vfs.pNext = nullptr;
  vfs.zName = "lexcore5-checksums";
  vfs.szOsFile = static_cast<int>(sizeof(ChecksumFile)) + systemVfs->szOsFile;
  vfs.xOpen = Open;
  return sqlite3_vfs_register(&vfs, 0) == SQLITE_OK ? &vfs : nullptr;
}

}  // namespace

const char* ChecksumVfsName() {
  static sqlite3_vfs* const registered = Register();
  return registered != nullptr ? registered->zName : nullptr;
}

std::uint32_t EnablePageChecksums(sqlite3* connection) {
  int unused = 0;
  return CodeOfSqlite(sqlite3_file_control(connection, "main", kEnableChecksumsOp, &unused));
}

}  // namespace store
