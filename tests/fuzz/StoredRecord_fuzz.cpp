// Records the store accepts but the lexicon does not expect: one record of the fuzz database is
// replaced by the input (its checksum put right, so only the lexicon's own checks stand between
// the record and the reader) and the database is walked through Polylex as the database-file
// target does. The first two input bytes pick the record (little-endian ordinal, modulo the count).
#include <sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "hardening/DamagedDatabaseSupport.h"
#include "store/ChecksumVfs.h"

namespace {

const std::vector<std::uint8_t>& Pristine() {
  static const std::vector<std::uint8_t>* bytes = [] {
    std::ifstream in(fuzz::RequiredPath("LEX_FUZZ_DB"), std::ios::binary);
    return new std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
  }();
  return *bytes;
}

[[noreturn]] void Fail(sqlite3* db) {
  std::fprintf(stderr, "cannot replace a record of the scratch copy: %s\n", sqlite3_errmsg(db));
  std::abort();
}

void ReplaceRecord(const std::string& path, int ordinal, const std::string& body) {
  sqlite3* db = nullptr;
  // Through the store's file layer, so that the changed pages carry their checksums.
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, store::ChecksumVfsName()) !=
          SQLITE_OK ||
      store::EnablePageChecksums(db) != 0) {
    Fail(db);
  }
  // A scratch copy needs neither a journal nor waits for the disk.
  if (sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                   nullptr) != SQLITE_OK) {
    Fail(db);
  }
  const char* kUpdate =
      "UPDATE records SET body = ?1 WHERE id = (SELECT id FROM records ORDER BY id LIMIT 1 "
      "OFFSET ?2 % (SELECT count(*) FROM records))";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, kUpdate, -1, &statement, nullptr) != SQLITE_OK) Fail(db);
  sqlite3_bind_blob(statement, 1, body.data(), static_cast<int>(body.size()), SQLITE_STATIC);
  sqlite3_bind_int(statement, 2, ordinal);
  if (sqlite3_step(statement) != SQLITE_DONE) Fail(db);
  sqlite3_finalize(statement);
  sqlite3_close(db);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (Pristine().empty()) {
    std::fprintf(stderr, "the fuzz database is empty or cannot be read\n");
    std::exit(2);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::string path =
      fuzz::WriteScratchFile("input.fdb", Pristine().data(), Pristine().size());
  ReplaceRecord(path, data[0] | (data[1] << 8), fuzz::SealedBody(fuzz::TextOf(data + 2, size - 2)));
  damage::OpenAndRead(path);
  return 0;
}
