// The dictionary on WordNet 3.0 as the viewer's browse list uses it: 71 forms from a two-letter
// prefix (target under 300 µs), an exact GetEntry, and the pattern "*ism". The database is the file
// named by LEX_BENCH_DB, else wordnet.fdb (what `make run` builds); without it the benchmarks skip.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "Polylex.h"
#include "SysString.h"
#include "lexicon/Factory.h"

namespace {

using lexicon::Owned;

// The English wordnet of the benchmark database, opened once; null when there is none.
LanguageWordNet* English() {
  static Polylex database;
  static Owned<LanguageWordNet> english;
  if (!english && !database.IsOpen()) {
    const char* given = std::getenv("LEX_BENCH_DB");
    const std::string path = given != nullptr ? given : "wordnet.fdb";
    if (!std::filesystem::exists(path)) return nullptr;
    database.Open(path.c_str(), nullptr, 1, 0);
    Owned<LanguageWordNets> all(database.GetLanguageWordNets());
    english.reset(all->GetItem("EN"));
  }
  return english.get();
}

// Walks the listing like the browse list: at most `count` forms, each read.
std::size_t List(Dictionary& dictionary, std::size_t count) {
  std::size_t listed = 0;
  DictionaryEntry* item = nullptr;
  while (listed < count && dictionary.GetNext(&item) != 0) {
    const Owned<DictionaryEntry> entry(item);
    SysFreeString(entry->GetLiteral());
    ++listed;
  }
  return listed;
}

void BM_Browse71FromTwoLetters(benchmark::State& state) {
  LanguageWordNet* english = English();
  if (english == nullptr) return state.SkipWithError("no wordnet.fdb (set LEX_BENCH_DB)");
  const Owned<Dictionary> dictionary(english->GetDictionary());
  const char* prefixes[] = {"do", "ca", "st", "pr", "mo", "ex", "li", "tr"};
  std::size_t next = 0;
  for (auto _ : state) {
    dictionary->SetFilter(prefixes[next++ % 8], nullptr, 0);
    benchmark::DoNotOptimize(List(*dictionary, 71));
  }
}
BENCHMARK(BM_Browse71FromTwoLetters)->Unit(benchmark::kMicrosecond);

void BM_GetEntryExact(benchmark::State& state) {
  LanguageWordNet* english = English();
  if (english == nullptr) return state.SkipWithError("no wordnet.fdb (set LEX_BENCH_DB)");
  const Owned<Dictionary> dictionary(english->GetDictionary());
  const char* words[] = {"dog", "house", "run", "Canis familiaris", "table", "quickly"};
  std::size_t next = 0;
  for (auto _ : state) {
    Owned<DictionaryEntry> entry(dictionary->GetEntry(words[next++ % 6]));
    benchmark::DoNotOptimize(entry.get());
  }
}
BENCHMARK(BM_GetEntryExact)->Unit(benchmark::kMicrosecond);

void BM_PatternIsmListing(benchmark::State& state) {
  LanguageWordNet* english = English();
  if (english == nullptr) return state.SkipWithError("no wordnet.fdb (set LEX_BENCH_DB)");
  const Owned<Dictionary> dictionary(english->GetDictionary());
  std::size_t forms = 0;
  for (auto _ : state) {
    dictionary->SetFilter("*ism", 0);
    forms = List(*dictionary, 1000000);
  }
  state.counters["forms"] = static_cast<double>(forms);
}
BENCHMARK(BM_PatternIsmListing)->Unit(benchmark::kMillisecond);

}  // namespace
