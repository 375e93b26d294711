// Opening a lexical database with Polylex (target under 5 ms): the file named by LEX_BENCH_DB
// (for example the WordNet database that `make run` builds), else a small one made here.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ArbRecord.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "Polylex.h"

namespace {

std::string MakeSmallDatabase() {
  char pattern[] = "/tmp/lexcore5-open-bench-XXXXXX";
  if (mkdtemp(pattern) == nullptr) std::abort();
  const std::string path = std::string(pattern) + "/small.fdb";
  if (CreateLexicalDatabase(path.c_str()) != 0) std::abort();
  FxSession session;
  FxDatabase db(session);
  if (!db.Open(path.c_str(), 0, 0)) std::abort();
  ArbRecord version(schema::VERSION);
  version.AssignField(schema::DATA_VERSION, schema::kDataVersion);
  version.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kVersionRecord);
  ArbRecord site(schema::SITE);
  site.AssignField(schema::SITE_NAME, "Bench");
  site.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kSiteRecord);
  ArbRecord build(schema::BUILD);
  build.Add(db, schema::kSiteStore, schema::kDefaultContainer, schema::kBuildRecord);
  return path;
}

void BM_PolylexOpenAndClose(benchmark::State& state) {
  const char* given = std::getenv("LEX_BENCH_DB");
  const std::string path = given != nullptr ? given : MakeSmallDatabase();
  for (auto _ : state) {
    Polylex polylex;
    polylex.Open(path.c_str(), nullptr, 1, 0);
    polylex.Close();
  }
  state.SetLabel(path);
  if (given == nullptr) std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_PolylexOpenAndClose)->Unit(benchmark::kMicrosecond);

}  // namespace
