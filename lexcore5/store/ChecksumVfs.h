// The file layer under SQLite for our database files: the system's own, plus a checksum in the
// reserved tail of every page. With checksums on for a file, every page written gets its checksum
// and every page read from disk or first taken from a memory map is verified, so a damaged page
// fails the read (SQLITE_IOERR_DATA, which the store reports as BLOCK_CHECKSUM) instead of reaching
// the B-tree layer. Journals and other side files pass through untouched: they are checked by
// SQLite itself.
#pragma once

#include <sqlite3.h>

#include <cstdint>

namespace store {

// The name to open files with; registered on first use. Null when SQLite has no file layer to
// build on.
const char* ChecksumVfsName();

// Turns checksums on for the main file of a connection opened with ChecksumVfsName(), before any
// page of it has been read. A store code.
std::uint32_t EnablePageChecksums(sqlite3* connection);

}  // namespace store
