// The viewer's own logic on WordNet 3.0, warm: (a) the look-up of "dog" with all its concept,
// variant and ILI lines (target under 2 ms); (b) expanding dog 1 and every relation line under it
// (target under 5 ms); (c) writing and re-reading a view file of 1,000 entries, half words and
// half concepts. Median and p99 of repeated runs.
//
// Usage: viewer_bench [DB.fdb [RUNS]] (defaults: wordnet.fdb, 200). The database is the one
// `make run` builds.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "QuietPerson.h"
#include "files/ViewFileReader.h"
#include "files/ViewFileWriter.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"
#include "tree/SearchText.h"

namespace {

constexpr std::size_t kViewEntries = 1000;
// Re-reading a view looks every word up again: fewer runs keep the benchmark short.
constexpr std::size_t kViewRunsDivisor = 10;

struct Spread {
  double median = 0;
  double p99 = 0;
};

// `prepare` runs untimed before each run of `measured`; one untimed round warms the caches first.
Spread Measure(std::size_t runs, const std::function<void()>& prepare,
               const std::function<void()>& measured) {
  prepare();
  measured();
  std::vector<double> micros;
  for (std::size_t run = 0; run < runs; ++run) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    measured();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    micros.push_back(took.count());
  }
  std::sort(micros.begin(), micros.end());
  return {micros[micros.size() / 2], micros[std::min(micros.size() - 1, micros.size() * 99 / 100)]};
}

void Report(const char* name, const Spread& spread, double targetMicros, std::size_t runs) {
  std::printf("%-34s median %9.1f us  p99 %9.1f us  (%zu runs)", name, spread.median, spread.p99,
              runs);
  if (targetMicros > 0) {
    std::printf("  target < %.0f us: %s", targetMicros,
                spread.median < targetMicros ? "met" : "MISSED");
  }
  std::printf("\n");
}

// The concept line of dog's first noun sense: the first concept line of the look-up.
TreeItem* FirstConcept(const TreeListBox& lines) {
  for (TreeItem* line = lines.First(); line != nullptr; line = line->Next()) {
    if (line->Kind() == LineKind::kConcept) return line;
  }
  return nullptr;
}

// Expands the concept line and then every relation line under it.
std::size_t ExpandEveryRelation(ConceptPane& pane, TreeItem& meaning) {
  pane.ExpandLine(meaning);
  std::size_t relations = 0;
  TreeListBox& lines = pane.Lines();
  for (TreeItem* relation = lines.FirstChild(meaning); relation != nullptr;
       relation = lines.NextSibling(*relation)) {
    pane.ExpandLine(*relation);
    ++relations;
  }
  return relations;
}

// A view of about `entries` top-level lines: concepts by record id from 1 on, every other one
// replaced by a word line for its first variant, expanded one level (its parts of speech,
// collapsed). Returns the number of top-level lines made.
std::size_t BuildView(ConceptPane& pane, std::size_t entries) {
  std::size_t made = 0;
  for (std::int32_t recordId = 1; made < entries; ++recordId) {
    ConceptItem* line = pane.AddConceptById(recordId, ConceptPane::Placement::kAtEnd);
    if (line == nullptr) continue;
    ++made;
    if (made % 2 == 0 || line->VariantCount() == 0) continue;
    const std::string word = SearchText::WordOf(line->Variant(1)->Text());
    pane.Lines().Delete(*line);
    TreeItem* wordLine =
        pane.LookUp(word, nullptr, ConceptPane::kWordOnly | ConceptPane::kWordAtEnd);
    if (wordLine == nullptr) {
      --made;
    } else {
      pane.ExpandLine(*wordLine);
    }
  }
  return made;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "wordnet.fdb";
  const std::size_t runs = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 200;
  if (runs == 0) {
    std::fprintf(stderr, "viewer_bench: RUNS must be at least 1\n");
    return 2;
  }
  bench::QuietPerson person;
  ViewerDatabase database(person);
  if (database.Open(path) == 0) {
    std::fprintf(stderr, "viewer_bench: %s\n", person.said.c_str());
    return 1;
  }
  ConceptPane pane(database, person);
  pane.SetLanguage("EN");

  const Spread lookUp = Measure(
      runs, [&] { pane.ClearTree(); }, [&] { pane.LookUp("dog", nullptr, 0); });
  const std::size_t rows = pane.Lines().VisibleCount();

  std::size_t relations = 0;
  TreeItem* dogOne = nullptr;
  const Spread expand = Measure(
      runs,
      [&] {
        pane.ClearTree();
        pane.LookUp("dog", nullptr, 0);
        dogOne = FirstConcept(pane.Lines());
      },
      [&] {
        if (dogOne != nullptr) relations = ExpandEveryRelation(pane, *dogOne);
      });
  const std::size_t expandedRows = pane.Lines().VisibleCount();

  pane.ClearTree();
  const std::size_t entries = BuildView(pane, kViewEntries);
  const std::string viewPath = (std::filesystem::temp_directory_path() /
                                ("viewer_bench-" + std::to_string(getpid()) + ".wl"))
                                   .string();
  const std::size_t viewRuns = std::max<std::size_t>(1, runs / kViewRunsDivisor);
  int written = 0;
  const Spread write = Measure(
      viewRuns, [] {}, [&] { written = ViewFileWriter(person).Write(viewPath, pane, nullptr); });
  ConceptPane reread(database, person);
  int read = 0;
  const Spread reRead = Measure(
      viewRuns, [&] { reread.ClearTree(); },
      [&] { read = ViewFileReader(person).Read(viewPath, reread, nullptr); });
  const bool same =
      ViewFileWriter::TextOf(pane, nullptr) == ViewFileWriter::TextOf(reread, nullptr);
  std::filesystem::remove(viewPath);

  std::string problem = person.said;
  if (rows == 0 || relations == 0) problem += " dog or its relations were not found;";
  if (written != 1 || read != 1) problem += " the view file was not written or read;";
  if (!same) problem += " the view read back differs from the one written;";
  if (!problem.empty()) {
    std::fprintf(stderr, "viewer_bench: a run went wrong, no figures: %s\n", problem.c_str());
    return 1;
  }
  std::printf("viewer logic on %s\n", path.c_str());
  Report("look up dog", lookUp, 2000, runs);
  std::printf("  %zu rows\n", rows);
  Report("expand dog 1 and its relations", expand, 5000, runs);
  std::printf("  %zu relation lines, %zu rows\n", relations, expandedRows);
  Report("write view file", write, 0, viewRuns);
  Report("re-read view file", reRead, 0, viewRuns);
  std::printf("  %zu entries, %zu lines in the pane\n", entries, pane.Lines().Count());
  return 0;
}
