// WN-LMF speed on the whole English wordnet: the English language of a WordNet 3.0 database is
// exported as WN-LMF 1.4, then imported as a database of its own (every synset a new ILI record),
// then imported once more beside WordNet itself under another code (every synset linked by its
// offset). Prints seconds and synsets per second for each step; the target is the import of the
// whole English wordnet in under 30 s.
//
// Usage: lmf_bench [DB.fdb [WORDNET_DIR [SCRATCH_DIR]]] (defaults: wordnet.fdb,
// /usr/share/wordnet, /tmp). The database is the one `make run` or `polylex build` makes.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ArbError.h"
#include "DatabaseBuilder.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalSchema.h"
#include "LmfExporter.h"

namespace {

namespace fs = std::filesystem;

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Export(const std::string& database, const std::string& xml) {
  FxSession session;
  FxDatabase open(session);
  if (!open.Open(database.c_str(), 1, 0)) {
    std::fprintf(stderr, "lmf_bench: %s cannot be opened (%s)\n", database.c_str(),
                 ArbError::NameOf(open.GetErrorCode()));
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  std::ofstream out(xml, std::ios::binary);
  const importers::LmfExportReport report =
      importers::ExportLmfLanguage(open, schema::kFirstLanguageStore, "EN", "English", out);
  out.close();
  const double seconds = SecondsSince(start);
  std::printf("export  %7.2f s  %8.0f synsets/s  %u synsets, %u senses, %u relations, %.1f MB\n",
              seconds, report.synsets / seconds, report.synsets, report.senses, report.relations,
              static_cast<double>(fs::file_size(xml)) / 1e6);
  return static_cast<bool>(out);
}

bool Import(const char* label, const importers::BuildOptions& options) {
  importers::BuildReport report;
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  if (!importers::BuildDatabase(options, importers::Progress(), &report, &error)) {
    std::fprintf(stderr, "lmf_bench: %s\n", error.c_str());
    return false;
  }
  const double seconds = SecondsSince(start);
  std::printf(
      "%-7s %7.2f s  %8.0f synsets/s  %u synsets, %u senses, %u links; ILI: %u by offset, "
      "%u new\n",
      label, seconds, report.synsets / seconds, report.synsets, report.senses, report.links,
      report.iliByOffset, report.iliCreated);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string database = argc > 1 ? argv[1] : "wordnet.fdb";
  const std::string wordnet = argc > 2 ? argv[2] : "/usr/share/wordnet";
  const std::string scratch = argc > 3 ? argv[3] : "/tmp";
  const std::string xml = scratch + "/lmf_bench-en.xml";
  const std::string output = scratch + "/lmf_bench.fdb";
  if (!Export(database, xml)) return 1;
  importers::BuildOptions options;
  options.output = output;
  options.force = true;
  options.lmf.push_back({xml, ""});
  bool ok = Import("import", options);
  // The same file beside WordNet: the build now reads WordNet too, so this line's synsets per
  // second count both wordnets' synsets over the whole build.
  options.wordnetDir = wordnet;
  options.lmf.back().code = "NL";
  ok = ok && Import("+wordnet", options);
  fs::remove(xml);
  fs::remove(output);
  return ok ? 0 : 1;
}
