// Writes the stored bodies of a database's records, one file each, as the seed corpus of the record
// targets: real records of every kind the importers write. With "ordinal" each body comes after
// its record's position in the file (two bytes, little-endian), as the stored-record target reads
// it. Reads the file with SQLite directly, as the store keeps each body in one row.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <string>

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
  // Spread over the whole file, so that every store and container has its say.
  const char* kQuery =
      "SELECT id, body, (SELECT count(*) FROM records AS r WHERE r.id < records.id) FROM records "
      "WHERE id % (1 + (SELECT count(*) FROM records) / ?1) = 0";
  sqlite3_stmt* statement = nullptr;
  int written = 0;
  if (sqlite3_prepare_v2(db, kQuery, -1, &statement, nullptr) == SQLITE_OK) {
    sqlite3_bind_int(statement, 1, std::stoi(argv[3]));
    while (sqlite3_step(statement) == SQLITE_ROW) {
      const std::string path =
          std::string(argv[2]) + "/record-" + std::to_string(sqlite3_column_int64(statement, 0));
      std::ofstream out(path, std::ios::binary);
      if (withOrdinal) {
        const int ordinal = sqlite3_column_int(statement, 2);
        out.put(static_cast<char>(ordinal & 0xFF)).put(static_cast<char>((ordinal >> 8) & 0xFF));
      }
      out.write(static_cast<const char*>(sqlite3_column_blob(statement, 1)),
                sqlite3_column_bytes(statement, 1));
      ++written;
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  std::printf("%d record bodies written to %s\n", written, argv[2]);
  return written > 0 ? 0 : 1;
}
