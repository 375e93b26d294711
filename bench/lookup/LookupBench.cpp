// Per-word time of the viewer's look-up on WordNet 3.0, in a first and a second pass over 2,000
// lemmas: through lexcore5 and, where Debian's wordnet-dev is installed, through Princeton's C
// library on the same words in the same run.
//
// Usage: lookup_bench [DB.fdb [WORDNET_DIR [WORDS]]] (defaults: wordnet.fdb, /usr/share/wordnet,
// 2000). The database is the one `make run` builds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ArbError.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LookupWords.h"
#include "PLXException.h"
#include "Polylex.h"
#include "ResidentMemory.h"
#include "ViewerLookup.h"
#include "WordTimes.h"
#ifdef LEX_HAVE_PRINCETON
#include "PrincetonLookup.h"
#endif

namespace {

struct Timing {
  // The first pass, in which every page comes from the file (and is verified against its checksum)
  // rather than from the page cache, and every record is read for the first time.
  bench::WordTimes first;
  // The same words again: what the caches hold is what a user who looks again meets.
  bench::WordTimes second;
  bench::LookupCount count;
};

// Microseconds per word of one pass over `words`.
bench::WordTimes TimePass(
    const std::vector<std::string>& words,
    const std::function<void(const std::string&, bench::LookupCount&)>& lookup,
    bench::LookupCount& count) {
  std::vector<double> micros;
  micros.reserve(words.size());
  for (const std::string& word : words) {
    const auto start = std::chrono::steady_clock::now();
    lookup(word, count);
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    micros.push_back(took.count());
  }
  return bench::SpreadOf(micros);
}

// Two passes over the same words; the counts are those of the second.
Timing Measure(const std::vector<std::string>& words,
               const std::function<void(const std::string&, bench::LookupCount&)>& lookup) {
  Timing timing;
  bench::LookupCount firstCount;
  timing.first = TimePass(words, lookup, firstCount);
  timing.second = TimePass(words, lookup, timing.count);
  return timing;
}

void Report(const char* name, const Timing& timing) {
  std::printf(
      "%-10s first pass p50 %7.1f us  p99 %8.1f us  mean %7.1f us | second pass p50 %7.1f us  "
      "p99 %8.1f us  mean %7.1f us | meanings %zu words %zu glosses %zu hyperonyms %zu\n",
      name, timing.first.p50, timing.first.p99, timing.first.mean, timing.second.p50,
      timing.second.p99, timing.second.mean, timing.count.meanings, timing.count.words,
      timing.count.glosses, timing.count.hyperonyms);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "wordnet.fdb";
  const std::string wordnetDir = argc > 2 ? argv[2] : "/usr/share/wordnet";
  const std::size_t count = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 2000;
  const std::vector<std::string> lemmas = bench::SampleLemmas(wordnetDir, count);
  if (lemmas.empty()) {
    std::fprintf(stderr, "lookup_bench: no lemmas in %s\n", wordnetDir.c_str());
    return 1;
  }
  std::printf("%zu lemmas from %s\n", lemmas.size(), wordnetDir.c_str());

  Polylex database;
  Timing ours;
  try {
    database.Open(path.c_str(), nullptr, 1, 0);
    lexicon::Owned<LanguageWordNets> all(database.GetLanguageWordNets());
    const lexicon::Owned<LanguageWordNet> english(all->GetItem("EN"));
    ours = Measure(lemmas, [&](const std::string& lemma, bench::LookupCount& found) {
      std::string word = lemma;
      std::replace(word.begin(), word.end(), '_', ' ');
      bench::ViewerLookup(*english, word, found);
    });
  } catch (const PLXException& error) {
    std::fprintf(stderr, "lookup_bench: %s: %s\n", path.c_str(), static_cast<const char*>(error));
    return 1;
  }
  Report("lexcore5", ours);
  // Before Princeton's library runs, so that the peak is ours.
  const bench::ResidentMemory resident = bench::MeasureResidentMemory();
  std::printf(
      "resident  peak %.1f MiB | now %.1f MiB allocated, %.1f MiB of mapped files (the database, "
      "the libraries)\n",
      resident.peakMiB, resident.anonymousMiB, resident.fileMiB);

#ifdef LEX_HAVE_PRINCETON
  setenv("WNSEARCHDIR", wordnetDir.c_str(), 0);
  if (!bench::StartPrinceton()) {
    std::fprintf(stderr, "lookup_bench: Princeton's library cannot open %s\n", wordnetDir.c_str());
    return 1;
  }
  const Timing princeton = Measure(lemmas, bench::PrincetonLookup);
  Report("Princeton", princeton);
  std::printf("Princeton / lexcore5: first pass p50 %.2fx  second pass p50 %.2fx  mean %.2fx\n",
              princeton.first.p50 / ours.first.p50, princeton.second.p50 / ours.second.p50,
              princeton.second.mean / ours.second.mean);
#else
  std::printf("Princeton's library (wordnet-dev) not found at build time: no comparison\n");
#endif
  return 0;
}
