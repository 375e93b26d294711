// How big the files are: WordNet 3.0 alone, then with the seven Open Multilingual Wordnets the
// system first shipped with (Dutch, Italian, French, Catalan, Basque, Polish, Greek), each with its
// build time and where the bytes go (records, index entries, the rest). Targets: WordNet at most
// 60 MiB built in at most 10 s; with the seven at most 150 MiB.
//
// Usage: size_bench [WORDNET_DIR [OMW_DIR [SCRATCH_DIR]]] (defaults: /usr/share/wordnet,
// ../shared/data/omw, /tmp). The databases are removed afterwards.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "TimedBuild.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMiB = 1024.0 * 1024.0;
constexpr const char* kSevenLanguages[] = {"nld", "ita", "fra", "cat", "eus", "pol", "ell"};

// Bytes of the pages of each table with its own indexes, from SQLite's page statistics.
void PrintTables(const std::string& path) {
  sqlite3* connection = nullptr;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(connection,
                         "SELECT CASE WHEN name IN ('records', 'index_entries') THEN name ELSE "
                         "'the rest' END AS part, sum(pgsize), sum(payload) FROM dbstat GROUP BY "
                         "part ORDER BY 2 DESC",
                         -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::printf("  %-14s %7.1f MiB in pages, %7.1f MiB stored\n",
                  reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                  static_cast<double>(sqlite3_column_int64(statement, 1)) / kMiB,
                  static_cast<double>(sqlite3_column_int64(statement, 2)) / kMiB);
    }
  } else {
    std::printf("  (no page statistics: %s)\n", sqlite3_errmsg(connection));
  }
  sqlite3_finalize(statement);
  sqlite3_close(connection);
}

bool Measure(const char* name, const importers::BuildOptions& options, double targetMiB) {
  const bench::TimedBuild run = bench::RunTimedBuild(options);
  if (!run.built) {
    std::fprintf(stderr, "size_bench: %s: %s\n", name, run.error.c_str());
    return false;
  }
  const importers::BuildReport& report = run.report;
  const double size = static_cast<double>(fs::file_size(options.output)) / kMiB;
  std::printf("%s: %u languages, %u synsets, %u senses, %u links\n", name,
              static_cast<unsigned>(report.languages.size()), report.synsets, report.senses,
              report.links);
  std::printf("  size %7.1f MiB (target at most %.0f MiB), built in %.1f s\n", size, targetMiB,
              run.seconds);
  PrintTables(options.output);
  fs::remove(options.output);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string wordnet = argc > 1 ? argv[1] : "/usr/share/wordnet";
  const fs::path omw = argc > 2 ? argv[2] : "../shared/data/omw";
  const std::string scratch = argc > 3 ? argv[3] : "/tmp";
  importers::BuildOptions options =
      bench::WordNetBuildOptions(wordnet, scratch + "/size_bench.fdb");
  if (!Measure("WordNet 3.0", options, 60)) return 1;
  for (const char* language : kSevenLanguages) {
    const fs::path file = omw / language / (std::string("wn-data-") + language + ".tab");
    if (!fs::exists(file)) {
      std::fprintf(stderr, "size_bench: %s is missing\n", file.c_str());
      return 1;
    }
    options.tabs.push_back({file.string(), ""});
  }
  return Measure("WordNet 3.0 with seven OMW languages", options, 150) ? 0 : 1;
}
