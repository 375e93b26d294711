// Records the store accepts but the lexicon does not expect: one record of the fuzz database is
// replaced by the input (its checksum put right, so only the lexicon's own checks stand between
// the record and the reader) and the database is walked through Polylex as the database-file
// target does. The first two input bytes pick the record: a little-endian ordinal, the row of the
// record table modulo their count and, in a file of packed records, the record of that pack by
// what remains (see record_seeds).
#include <sqlite3.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "FuzzSupport.h"
#include "hardening/DamagedDatabaseSupport.h"
#include "store/ChecksumVfs.h"
#include "store/RecordCodec.h"
#include "store/RecordPack.h"

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

// The stored row that takes the input: the body itself, or its pack with the record replaced.
std::string StoredRow(const std::string& row, int ordinal, int rows, std::string_view input) {
  store::PackCompressor compressor;
  std::string unpacked;
  if (store::UnpackPack(row, &compressor, &unpacked) != arbcode::SUCCESS) {
    return fuzz::SealedBody(input);
  }
  store::RecordPack pack;
  pack.Load(unpacked);
  const int present = std::popcount(pack.Mask());
  unsigned slot = 0;
  for (int skip = (ordinal / rows) % present; !pack.Has(slot) || skip-- > 0;) ++slot;
  // A packed record is compact: only its fields are the input's.
  std::string body(store::kBodyHeaderSize, '\0');
  body[0] = static_cast<char>(store::BodyFormat::kCompact);
  body.append(input);
  pack.Put(slot, body);
  std::string stored;
  if (pack.Store(&compressor, &stored) != arbcode::SUCCESS) std::abort();
  return stored;
}

void ReplaceRecord(const std::string& path, int ordinal, std::string_view input) {
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
  const char* kSelect =
      "SELECT id, body, (SELECT count(*) FROM records) FROM records ORDER BY id LIMIT 1 "
      "OFFSET ?1 % (SELECT count(*) FROM records)";
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, kSelect, -1, &statement, nullptr) != SQLITE_OK) Fail(db);
  sqlite3_bind_int(statement, 1, ordinal);
  if (sqlite3_step(statement) != SQLITE_ROW) Fail(db);
  const sqlite3_int64 id = sqlite3_column_int64(statement, 0);
  const std::string row(static_cast<const char*>(sqlite3_column_blob(statement, 1)),
                        static_cast<std::size_t>(sqlite3_column_bytes(statement, 1)));
  const std::string stored = StoredRow(row, ordinal, sqlite3_column_int(statement, 2), input);
  sqlite3_finalize(statement);
  if (sqlite3_prepare_v2(db, "UPDATE records SET body = ?1 WHERE id = ?2", -1, &statement,
                         nullptr) != SQLITE_OK) {
    Fail(db);
  }
  sqlite3_bind_blob(statement, 1, stored.data(), static_cast<int>(stored.size()), SQLITE_STATIC);
  sqlite3_bind_int64(statement, 2, id);
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
  ReplaceRecord(path, data[0] | (data[1] << 8), fuzz::TextOf(data + 2, size - 2));
  damage::OpenAndRead(path);
  return 0;
}
