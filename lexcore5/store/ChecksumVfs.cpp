#include "store/ChecksumVfs.h"

#include <algorithm>
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
  // One bit a page: the pages of the memory map verified since SQLite last let go of the whole
  // map, which it does when it finds the file changed by another connection. Mapped pages never
  // pass through Read, and verifying a page at every fetch would cost a look-up more than its
  // reads: the interior pages of a B-tree are fetched at every descent.
  std::uint64_t* proven;
  std::size_t provenWords;
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
  sqlite3_free(own->proven);
  own->proven = nullptr;
  own->provenWords = 0;
  return result;
}

bool Proven(const ChecksumFile* own, std::uint64_t page) {
  const std::uint64_t word = page / 64;
  return word < own->provenWords && (own->proven[word] >> (page % 64) & 1U) != 0;
}

// Without memory for a larger set the page just stays unproven, to be verified again next time.
void MarkProven(ChecksumFile* own, std::uint64_t page) {
  const std::uint64_t word = page / 64;
  if (word >= own->provenWords) {
    const std::size_t words = std::max<std::size_t>(word + 1, own->provenWords * 2);
    auto* grown =
        static_cast<std::uint64_t*>(sqlite3_realloc64(own->proven, words * sizeof(std::uint64_t)));
    if (grown == nullptr) return;
    std::fill(grown + own->provenWords, grown + words, 0);
    own->proven = grown;
    own->provenWords = words;
  }
  own->proven[word] |= std::uint64_t{1} << (page % 64);
}

void ForgetProven(ChecksumFile* own) {
  std::fill(own->proven, own->proven + own->provenWords, 0);
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
  ForgetProven(Own(file));
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

// A page handed out from the memory map is verified the first time; one that fails is not handed
// out, so that SQLite reads it instead and Read reports it. Pages written through this file need no
// proof again: Write stamped what the map now shows.
int Fetch(sqlite3_file* file, sqlite3_int64 offset, int size, void** page) {
  *page = nullptr;
  const sqlite3_io_methods* methods = Methods(file);
  if (methods->iVersion < 3) return SQLITE_OK;
  const int result = methods->xFetch(System(file), offset, size, page);
  ChecksumFile* own = Own(file);
  if (result != SQLITE_OK || *page == nullptr || !own->checksums ||
      static_cast<std::size_t>(size) < kSmallestPageSize) {
    return result;
  }
  const std::uint64_t number = PageNumber(offset, size);
  if (Proven(own, number)) return SQLITE_OK;
  if (PageIntact(static_cast<const unsigned char*>(*page), static_cast<std::size_t>(size),
                 number)) {
    MarkProven(own, number);
    return SQLITE_OK;
  }
  methods->xUnfetch(System(file), offset, *page);
  *page = nullptr;
  return SQLITE_OK;
}

// No page: SQLite drops the whole map, having found the file changed since it last looked.
int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* page) {
  if (page == nullptr) ForgetProven(Own(file));
  if (Methods(file)->iVersion < 3) return SQLITE_OK;
  return Methods(file)->xUnfetch(System(file), offset, page);
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
  own->proven = nullptr;
  own->provenWords = 0;
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
