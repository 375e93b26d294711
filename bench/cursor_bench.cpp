// Cursor figures on a generated lexicon of 200,000 variant-like records with a literal index and
// 200,000 link records indexed by their source: an exact literal look-up (target under 8 µs), a
// 71-entry browse from a two-letter range (under 200 µs), a prefix pattern "ab*", a suffix pattern
// "*ness" (under 100 ms) and a two-container join like a concept's linked concepts (under 20 µs).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ArbRecord.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/Pool.h"
#include "store/RecordStore.h"

namespace {

constexpr std::uint32_t kWords = 200000;
constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kVariants = 32001;
constexpr std::uint16_t kConcepts = 200;
constexpr std::uint16_t kLinks = 202;
constexpr std::uint16_t kLiteralIndex = 251;
constexpr std::uint16_t kLinkIndex = 270;
constexpr std::uint16_t kEq = 21, kAnd = 18, kGe = 29, kLt = 26, kMatch = 22;
constexpr std::uint16_t kRecordId = 32171;
constexpr std::uint16_t kLiteralPath[] = {60, 120, 0};

void Check(std::uint32_t code, const char* what) {
  if (code == arbcode::SUCCESS) return;
  std::fprintf(stderr, "%s failed: 0x%04X\n", what, code);
  std::abort();
}

// Pronounceable words from a number, so that two-letter ranges hold a few hundred words and a
// few end in "ness".
std::string Word(std::uint32_t n) {
  static const char* kSyllables[] = {"ab", "ka", "lo", "mi", "ne", "ru", "so", "ti",
                                     "va", "ze", "do", "fe", "gu", "hi", "pa", "be"};
  std::string word;
  std::uint32_t x = n * 2654435761u;
  for (int i = 0; i < 4; ++i) {
    word += kSyllables[x % 16];
    x /= 16;
  }
  word += std::to_string(n % 97);
  if (n % 1000 == 0) word += "ness";
  return word;
}

node* Field(PoolMemoryManager* pool, std::uint16_t tag, node* parent) {
  node* field = nullptr;
  store::CreateField(pool, tag, 0, &field);
  if (parent != nullptr) store::GraftChild(parent, field, 32767);
  return field;
}

class Lexicon {
 public:
  Lexicon() {
    char pattern[] = "/tmp/lexcore5-cursor-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    dir_ = pattern;
    const std::string path = dir_ + "/lexicon.fdb";
    Check(store::CreateSession(0, 0, &session_), "session");
    Check(store::CreateDatabase(session_, path.c_str(), nullptr), "create");
    Check(store::OpenDatabase(session_, path.c_str(), nullptr, 0, &db_, nullptr), "open");
    Build();
  }
  ~Lexicon() {
    store::CloseDatabase(&db_);
    store::CloseSession(&session_);
    std::filesystem::remove_all(dir_);
  }
  store::Database* db() { return db_; }

 private:
  void Build() {
    store::IndexComponent literal{{60, 120}, 2, store::KeyType::kText};
    store::IndexComponent source{{70, 110}, 2, store::KeyType::kPointer};
    Check(store::SetStoreLocale(db_, kStore, "en"), "locale");
    Check(store::DefineIndex(db_, kStore, kLiteralIndex, kVariants, &literal, 1), "index 251");
    Check(store::DefineIndex(db_, kStore, kLinkIndex, kLinks, &source, 1), "index 270");
    PoolMemoryManager pool;
    store::PoolInit(&pool, 1024);
    Check(store::BeginBulk(db_, true), "bulk");
    for (std::uint32_t n = 1; n <= kWords; ++n) {
      store::PoolFree(&pool);
      node* concept_root = Field(&pool, 50, nullptr);
      std::uint32_t id = 0;
      Check(store::Add(db_, kStore, kConcepts, &id, concept_root, 0), "concept");
      node* variant = Field(&pool, 60, nullptr);
      store::SetUtf8(&pool, Field(&pool, 120, variant), Word(n));
      store::SetInt32(&pool, Field(&pool, 121, variant), 1);
      store::SetRecordPointer(&pool, Field(&pool, 50, variant), n);
      id = 0;
      Check(store::Add(db_, kStore, kVariants, &id, variant, 0), "variant");
      node* link = Field(&pool, 70, nullptr);
      store::SetRecordPointer(&pool, Field(&pool, 110, link), n);
      store::SetRecordPointer(&pool, Field(&pool, 111, link), n % kWords + 1);
      store::SetInt32(&pool, Field(&pool, 4, link), 8);
      id = 0;
      Check(store::Add(db_, kStore, kLinks, &id, link, 0), "link");
    }
    Check(store::CommitBulk(db_), "commit");
    store::PoolFree(&pool);
  }

  std::string dir_;
  store::Session* session_ = nullptr;
  store::Database* db_ = nullptr;
};

Lexicon& TheLexicon() {
  static Lexicon lexicon;
  return lexicon;
}

void BM_ExactLiteralLookUp(benchmark::State& state) {
  store::Database* db = TheLexicon().db();
  std::uint32_t n = 1;
  ArbRecord record;
  for (auto _ : state) {
    ArbCursor cursor(db, kVariants, kStore);
    cursor.SetMasterIndex(kLiteralIndex, 1);
    cursor.CaseSensitive(1);
    cursor.Wildcards(0);
    cursor.AddField(kLiteralPath);
    cursor.AddOp(kEq);
    cursor.AddValue(Word(n).c_str());
    cursor.Validate();
    if (!cursor.ReadNext(record)) state.SkipWithError("word not found");
    n = (n + 7919) % kWords + 1;
  }
}
BENCHMARK(BM_ExactLiteralLookUp)->Unit(benchmark::kMicrosecond);

// Variants in literal order, with a first criterion on the literal.
void StartLiteralCriterion(ArbCursor& cursor, std::uint16_t op, const char* value) {
  cursor.SetMasterIndex(kLiteralIndex, 2);
  cursor.AddField(120);
  cursor.AddOp(op);
  cursor.AddValue(value);
}

void BM_Browse71FromTwoLetterRange(benchmark::State& state) {
  store::Database* db = TheLexicon().db();
  ArbRecord record;
  for (auto _ : state) {
    ArbCursor cursor(db, kVariants, kStore);
    StartLiteralCriterion(cursor, kGe, "ka");
    cursor.AddOp(kAnd);
    cursor.AddField(120);
    cursor.AddOp(kLt);
    cursor.AddValue("kb");
    cursor.Wildcards(0);
    cursor.Validate();
    int read = 0;
    while (read < 71 && cursor.ReadNext(record)) ++read;
    if (read != 71) state.SkipWithError("range too small");
  }
}
BENCHMARK(BM_Browse71FromTwoLetterRange)->Unit(benchmark::kMicrosecond);

void PatternWalk(benchmark::State& state, const char* pattern) {
  store::Database* db = TheLexicon().db();
  ArbRecord record;
  for (auto _ : state) {
    ArbCursor cursor(db, kVariants, kStore);
    StartLiteralCriterion(cursor, kMatch, pattern);
    cursor.Validate();
    std::uint32_t count = 0;
    while (cursor.ReadNext(record)) ++count;
    state.counters["matches"] = count;
  }
}

void BM_PrefixPattern(benchmark::State& state) {
  PatternWalk(state, "ab*");
}
BENCHMARK(BM_PrefixPattern)->Unit(benchmark::kMillisecond);

void BM_SuffixPattern(benchmark::State& state) {
  PatternWalk(state, "*ness");
}
BENCHMARK(BM_SuffixPattern)->Unit(benchmark::kMillisecond);

void BM_LinkedConceptsJoin(benchmark::State& state) {
  store::Database* db = TheLexicon().db();
  std::uint32_t n = 1;
  ArbRecord record;
  for (auto _ : state) {
    ArbCursor cursor(nullptr, kVariants, 0);
    const std::uint16_t links = cursor.OpenContextSet();
    const std::uint16_t concepts = cursor.OpenContextSet();
    cursor.AddContextToSet(links, db, kStore, kLinks);
    cursor.SetIndex(links, kLinkIndex);
    cursor.AddContextToSet(concepts, db, kStore, kConcepts);
    cursor.AddField(111, links);
    cursor.AddOp(kEq);
    cursor.AddField(kRecordId, concepts);
    cursor.AddOp(kAnd);
    cursor.AddField(110, links);
    cursor.AddOp(kEq);
    cursor.AddValue(n);
    cursor.Validate();
    if (!cursor.ReadNext(record)) state.SkipWithError("no linked concept");
    n = (n + 7919) % kWords + 1;
  }
}
BENCHMARK(BM_LinkedConceptsJoin)->Unit(benchmark::kMicrosecond);

}  // namespace
