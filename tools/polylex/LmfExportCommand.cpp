// polylex export-lmf: one language wordnet as a WN-LMF 1.4 file, written beside the output and
// renamed into place only when complete.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ArbError.h"
#include "BuildFailure.h"
#include "Commands.h"
#include "DatabaseBuilder.h"
#include "ErrorText.h"
#include "Language.h"
#include "LanguageChoice.h"
#include "LanguageWordNet.h"
#include "LmfExporter.h"
#include "PLXException.h"
#include "Polylex.h"
#include "platform/TextConvert.h"

namespace polylex {
namespace {

std::string TextOf(BSTR text) {
  std::string narrow = text == nullptr ? "" : platform::Utf16ToUtf8(text);
  SysFreeString(text);
  return narrow;
}

void PrintSummary(const std::string& output, const importers::LmfExportReport& report) {
  std::printf("Wrote %s: %u entries, %u senses, %u synsets, %u relations\n", output.c_str(),
              report.entries, report.senses, report.synsets, report.relations);
  const importers::SnapshotLosses& losses = report.losses;
  const std::pair<std::uint32_t, const char*> notes[] = {
      {losses.blankVariants, "variants without a literal or concept left out"},
      {losses.linksWithoutTarget, "links without a stored source or target left out"},
      {report.unknownRelations, "links of unknown relations left out"},
      {report.narrowedLinks, "concept-to-variant links written to the variant's synset"},
      {losses.otherEqLinks, "equivalence links beyond one eq_synonym per concept left out"},
      {losses.labelledVariants, "variants whose usage labels or other features WN-LMF cannot hold"},
  };
  for (const auto& [count, what] : notes) {
    if (count != 0) std::printf("note: %u %s\n", count, what);
  }
}

}  // namespace

int RunExportLmf(const std::string& path, const std::string& code, const std::string& output,
                 bool force) {
  if (std::filesystem::exists(output) && !force) {
    std::fprintf(stderr, "polylex: %s: exists; not replaced unless forced\n", output.c_str());
    return 1;
  }
  return WithLibraryErrors(path, [&] {
    Polylex database;
    database.Open(path.c_str(), nullptr, 1, 0);
    const lexicon::Owned<LanguageWordNet> language = ChooseLanguage(database, path, code);
    if (!language) return 1;
    const lexicon::Owned<Language> named(language->GetLanguage());
    const std::string storedCode = TextOf(named->GetCode());
    const std::string name = TextOf(named->GetName(nullptr));
    importers::TemporaryFile file(output);
    importers::LmfExportReport report;
    {
      std::ofstream out(file.Path(), std::ios::binary);
      report = importers::ExportLmfLanguage(database.GetDatabase(), language->GetStoreID(),
                                            storedCode, name, out);
      out.close();
      if (!out) {
        std::fprintf(stderr, "polylex: %s: cannot be written\n", output.c_str());
        return 1;
      }
    }
    try {
      file.MoveTo(output);
    } catch (const importers::BuildFailure& failure) {
      std::fprintf(stderr, "polylex: %s\n", failure.what());
      return 1;
    }
    PrintSummary(output, report);
    return 0;
  });
}

}  // namespace polylex
