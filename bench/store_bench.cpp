// Record store figures: a hot read by record ID (target under 2 microseconds) and a bulk load with
// two indexes (target at least 100,000 records per second), on databases of 200,000 small records.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "ArbCodes.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/Pool.h"
#include "store/RecordStore.h"

namespace {

constexpr std::uint32_t kRecords = 200000;
constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kContainer = 32001;

// A scratch directory that lives as long as the program.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/lexcore5-bench-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchDirectory() {
    if (!path_.empty()) std::filesystem::remove_all(path_);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

ScratchDirectory& Scratch() {
  static ScratchDirectory directory;
  return directory;
}

void Check(std::uint32_t code, const char* what) {
  if (code == arbcode::SUCCESS) return;
  std::fprintf(stderr, "%s failed: 0x%04X\n", what, code);
  std::abort();
}

// About 100 bytes stored: a variant-like record with a literal, a sense number, a pointer and a
// short note.
node* SmallRecord(PoolMemoryManager* pool, std::uint32_t n) {
  node* root = nullptr;
  node* variant = nullptr;
  node* literal = nullptr;
  node* sense = nullptr;
  node* pointer = nullptr;
  node* note = nullptr;
  store::CreateField(pool, 1, 0, &root);
  store::CreateField(pool, 60, 0, &variant);
  store::CreateField(pool, 120, 0, &literal);
  store::CreateField(pool, 121, 0, &sense);
  store::CreateField(pool, 50, 0, &pointer);
  store::CreateField(pool, 130, 0, &note);
  store::SetUtf8(pool, literal, "literal-" + std::to_string(n * 2654435761u % 1000003u));
  store::SetInt32(pool, sense, static_cast<std::int32_t>(n % 7 + 1));
  store::SetRecordPointer(pool, pointer, n / 3 + 1);
  store::SetUtf8(pool, note, "a short note of about forty bytes here");
  store::GraftChild(root, variant, 32767);
  store::GraftChild(variant, literal, 32767);
  store::GraftChild(literal, sense, 32767);
  store::GraftChild(variant, pointer, 32767);
  store::GraftChild(variant, note, 32767);
  return root;
}

void DefineTwoIndexes(store::Database* db) {
  const store::IndexComponent literal[] = {{{1, 60, 120}, 3, store::KeyType::kText},
                                           {{1, 60, 120, 121}, 4, store::KeyType::kNumber}};
  const store::IndexComponent pointer{{1, 60, 50}, 3, store::KeyType::kPointer};
  Check(store::DefineIndex(db, kStore, 251, kContainer, literal, 2), "DefineIndex 251");
  Check(store::DefineIndex(db, kStore, 252, kContainer, &pointer, 1), "DefineIndex 252");
}

void AddRecords(store::Database* db, std::uint32_t count) {
  PoolMemoryManager pool;
  store::PoolInit(&pool, 1024);
  for (std::uint32_t n = 1; n <= count; ++n) {
    std::uint32_t id = 0;
    Check(store::Add(db, kStore, kContainer, &id, SmallRecord(&pool, n), 0), "Add");
    store::PoolFree(&pool);
  }
}

struct OpenDatabase {
  store::Session* session = nullptr;
  store::Database* db = nullptr;
  ~OpenDatabase() {
    store::CloseDatabase(&db);
    store::CloseSession(&session);
  }
};

void CreateAndOpen(const std::string& path, OpenDatabase* open) {
  std::filesystem::remove(path);
  Check(store::CreateSession(32, 0, &open->session), "CreateSession");
  Check(store::CreateDatabase(open->session, path.c_str(), nullptr), "CreateDatabase");
  Check(store::OpenDatabase(open->session, path.c_str(), nullptr, 0, &open->db, nullptr), "Open");
}

// The read benchmarks share one database of kRecords records, built on first use.
const std::string& ReadDatabasePath() {
  static const std::string path = [] {
    const std::string file = Scratch().File("read.fdb");
    OpenDatabase open;
    CreateAndOpen(file, &open);
    DefineTwoIndexes(open.db);
    Check(store::BeginBulk(open.db, true), "BeginBulk");
    AddRecords(open.db, kRecords);
    Check(store::CommitBulk(open.db), "CommitBulk");
    return file;
  }();
  return path;
}

void RetrieveLoop(benchmark::State& state, bool hot) {
  OpenDatabase open;
  Check(store::CreateSession(32, 0, &open.session), "CreateSession");
  Check(store::OpenDatabase(open.session, ReadDatabasePath().c_str(), nullptr, store::kOpenReadOnly,
                            &open.db, nullptr),
        "Open");
  PoolMemoryManager pool;
  store::PoolInit(&pool, 1024);
  std::mt19937 random(1);
  std::uniform_int_distribution<std::uint32_t> anyRecord(1, kRecords);
  for (auto _ : state) {
    const std::uint32_t id = hot ? kRecords / 2 : anyRecord(random);
    node* root = nullptr;
    Check(store::Retrieve(open.db, kStore, kContainer, id, 0, &pool, &root), "Retrieve");
    benchmark::DoNotOptimize(root);
    store::PoolReset(&pool, nullptr);
  }
  store::PoolFree(&pool);
  state.SetItemsProcessed(state.iterations());
}

void BM_RetrieveHotRecord(benchmark::State& state) {
  RetrieveLoop(state, true);
}
void BM_RetrieveRandomRecord(benchmark::State& state) {
  RetrieveLoop(state, false);
}

// Loads kRecords records into a new file with two indexes in one bulk transaction, commit
// included; range(0) = 1 for a fast transaction.
void BM_BulkAddTwoIndexes(benchmark::State& state) {
  const bool fast = state.range(0) != 0;
  const std::string path = Scratch().File("load.fdb");
  for (auto _ : state) {
    state.PauseTiming();
    {
      OpenDatabase open;
      CreateAndOpen(path, &open);
      DefineTwoIndexes(open.db);
      state.ResumeTiming();
      Check(store::BeginBulk(open.db, fast), "BeginBulk");
      AddRecords(open.db, kRecords);
      Check(store::CommitBulk(open.db), "CommitBulk");
      state.PauseTiming();
    }
    std::filesystem::remove(path);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(BM_RetrieveHotRecord);
BENCHMARK(BM_RetrieveRandomRecord);
BENCHMARK(BM_BulkAddTwoIndexes)->Arg(1)->Arg(0)->Iterations(2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
