// Writes the stored bodies of a database's records, one file each, as the seed corpus of the record
// targets: real records of every kind the importers write. With "ordinal" each seed starts with the
// two bytes (little-endian) that make the stored-record target pick that record again: the row's
// position in the record table, plus the row count times the record's position in its pack when
// records are packed. A packed record's seed then holds only its fields, as that target packs its
// input with a header of its own. Reads the file with SQLite directly, row by row.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "store/RecordCodec.h"
#include "store/RecordPack.h"

namespace {

struct Seed {
  long long id;
  int ordinal;
  std::string body;
  bool packed;
};

// Every record of the file in row order, packs opened.
std::vector<Seed> ReadRecords(sqlite3* db) {
  std::vector<Seed> seeds;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db,
                         "SELECT id, body, (SELECT count(*) FROM records) FROM records ORDER BY id",
                         -1, &statement, nullptr) != SQLITE_OK) {
    return seeds;
  }
  store::PackCompressor compressor;
  std::string unpacked;
  for (int row = 0; sqlite3_step(statement) == SQLITE_ROW; ++row) {
    const long long id = sqlite3_column_int64(statement, 0);
    const std::string body(static_cast<const char*>(sqlite3_column_blob(statement, 1)),
                           static_cast<std::size_t>(sqlite3_column_bytes(statement, 1)));
    const int rows = sqlite3_column_int(statement, 2);
    if (store::UnpackPack(body, &compressor, &unpacked) != arbcode::SUCCESS) {
      seeds.push_back({id, row, body, false});
      continue;
    }
    int position = 0;
    std::string scratch;
    store::ForEachPackedBody(unpacked, &scratch, [&](unsigned slot, std::string_view record) {
      seeds.push_back({id + slot, row + rows * position++, std::string(record), true});
      return 0u;
    });
  }
  sqlite3_finalize(statement);
  return seeds;
}

}  // namespace

int main(int argc, char** argv) {
  const bool withOrdinal = argc == 5 && std::string(argv[4]) == "ordinal";
  if (argc != 4 && !withOrdinal) {
    std::fprintf(stderr, "usage: record_seeds DB OUT-DIR COUNT [ordinal]\n");
    return 2;
  }
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "record_seeds: %s: %s\n", argv[1], sqlite3_errmsg(db));
    sqlite3_close(db);
    return 1;
  }
  const std::vector<Seed> seeds = ReadRecords(db);
  sqlite3_close(db);
  // Spread over the whole file, so that every store and container has its say.
  const std::size_t step = 1 + seeds.size() / static_cast<std::size_t>(std::stoi(argv[3]));
  int written = 0;
  for (std::size_t i = 0; i < seeds.size(); i += step) {
    const Seed& seed = seeds[i];
    std::ofstream out(std::string(argv[2]) + "/record-" + std::to_string(seed.id),
                      std::ios::binary);
    if (withOrdinal) {
      out.put(static_cast<char>(seed.ordinal & 0xFF))
          .put(static_cast<char>((seed.ordinal >> 8) & 0xFF));
      out << (seed.packed ? seed.body.substr(store::kBodyHeaderSize) : seed.body);
    } else {
      out << seed.body;
    }
    ++written;
  }
  std::printf("%d record bodies written to %s\n", written, argv[2]);
  return written > 0 ? 0 : 1;
}
