#include "DatabaseBuilder.h"

#include <filesystem>
#include <new>
#include <random>

#include "ArbError.h"
#include "BuildFailure.h"
#include "Diagnostics.h"
#include "EnglishWordNetWriter.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "IliWriter.h"
#include "Languages.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "RecordBuilder.h"
#include "SharedDefinitions.h"
#include "SiteRecords.h"
#include "SynsetLinks.h"
#include "TabFileReader.h"
#include "TabWordNetWriter.h"
#include "UsageLabels.h"
#include "WordNetLoader.h"

namespace importers {
namespace {

namespace fs = std::filesystem;

struct LanguageSource {
  const Language* language;
  TabWordNet tab;
};

void Check(std::uint32_t code, const std::string& what) {
  if (code != 0) throw BuildFailure(what + " failed: " + ArbError::NameOf(code));
}

std::vector<const Language*> LanguagesOf(const BuildOptions& options) {
  std::vector<const Language*> languages = {&English()};
  for (const TabSource& source : options.tabs) {
    const Language* language = FindLanguage(source.code);
    if (language == nullptr) {
      throw BuildFailure(WhereText(
          source.path, 0,
          "unknown language code '" + source.code + "' (known: EN NL IT FR CA EU PL GR)"));
    }
    for (const Language* other : languages) {
      if (other == language) {
        throw BuildFailure(
            WhereText(source.path, 0, "language " + std::string(language->code) + " given twice"));
      }
    }
    languages.push_back(language);
  }
  return languages;
}

// A file beside the output that is removed again unless the build hands it over.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& output) {
    std::random_device random;
    path_ = output + ".building-" + std::to_string(random() % 1000000);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ignored;
    if (!moved_) fs::remove(path_, ignored);
  }

  const std::string& Path() const { return path_; }
  // Renames the file to `output`, replacing what is there.
  void MoveTo(const std::string& output) {
    std::error_code failure;
    fs::rename(path_, output, failure);
    if (failure) {
      throw BuildFailure(WhereText(output, 0, "cannot be written: " + failure.message()));
    }
    moved_ = true;
  }

 private:
  std::string path_;
  bool moved_ = false;
};

std::vector<SourceDescription> SourcesOf(const WordNet& wordnet,
                                         const std::vector<LanguageSource>& tabs) {
  std::string version = "3.0";
  if (wordnet.correction.ShiftsVerbs() || wordnet.correction.ShiftsAdjectives()) {
    version += " (Debian edition; offsets mapped to Princeton's)";
  }
  std::vector<SourceDescription> sources = {
      {"Princeton WordNet 3.0", version, "WordNet 3.0 licence (Princeton University)"}};
  for (const LanguageSource& source : tabs) {
    sources.push_back({source.tab.name, "", source.tab.licence});
  }
  return sources;
}

void Write(const std::string& path, const BuildOptions& options, const WordNet& wordnet,
           const std::vector<const Language*>& languages, const std::vector<LanguageSource>& tabs,
           const Progress& progress, BuildReport* report) {
  Check(CreateLexicalDatabase(path.c_str()), "creating " + options.output);
  FxSession session;
  FxDatabase database(session);
  if (!database.Open(path.c_str(), 0, 1))
    Check(database.GetErrorCode(), "opening " + options.output);
  if (!database.BeginBulk(1)) Check(database.GetErrorCode(), "starting the transaction");
  for (std::size_t i = 0; i < languages.size(); ++i) {
    Check(
        PrepareLanguageStore(database, schema::kFirstLanguageStore + static_cast<std::uint32_t>(i),
                             languages[i]->locale),
        std::string("preparing the store of ") + languages[i]->code);
  }
  // Records go in ascending (store, container, record ID) order throughout: the store keeps them
  // in one B-tree under that key, and appending at its end leaves full pages behind where
  // inserting in the middle would leave half-empty ones.
  RecordBuilder builder(static_cast<store::Database*>(static_cast<void*>(database)));
  const SynsetLinks links(wordnet);
  const UsageLabels usage(wordnet);
  WriteSiteRecords(&builder, options.siteName, CurrentTimeText(), SourcesOf(wordnet, tabs));
  WriteSharedDefinitions(&builder, languages, usage.ValueNames());
  WriteIli(&builder, wordnet, progress);
  report->links =
      WriteEnglishWordNet(&builder, schema::kFirstLanguageStore, wordnet, links, usage, progress);
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    report->links +=
        WriteTabWordNet(&builder, schema::kFirstLanguageStore + 1 + static_cast<std::uint32_t>(i),
                        tabs[i].language->code, tabs[i].tab, wordnet, links, progress);
  }
  if (progress.phase) progress.phase("Saving " + options.output);
  if (!database.CommitBulk()) Check(database.GetErrorCode(), "saving " + options.output);
  if (!database.Close()) Check(database.GetErrorCode(), "closing " + options.output);
}

void Build(const BuildOptions& options, const Progress& progress, BuildReport* report) {
  if (options.output.empty()) throw BuildFailure("no output file given");
  if (fs::exists(options.output) && !options.force) {
    throw BuildFailure(WhereText(options.output, 0, "exists; not replaced unless forced"));
  }
  const std::vector<const Language*> languages = LanguagesOf(options);
  Diagnostics diagnostics(progress);
  if (progress.phase) progress.phase("Reading WordNet from " + options.wordnetDir);
  const WordNet wordnet = LoadWordNet(options.wordnetDir, &diagnostics);
  std::vector<LanguageSource> tabs;
  for (std::size_t i = 0; i < options.tabs.size(); ++i) {
    if (progress.phase) progress.phase("Reading " + options.tabs[i].path);
    tabs.push_back({languages[i + 1], ReadTabFile(options.tabs[i].path, wordnet, &diagnostics)});
    NumberTabSenses(&tabs.back().tab, wordnet);
  }
  TemporaryFile file(options.output);
  Write(file.Path(), options, wordnet, languages, tabs, progress, report);
  if (fs::exists(options.output) && !options.force) {
    throw BuildFailure(WhereText(options.output, 0, "appeared during the build; not replaced"));
  }
  file.MoveTo(options.output);
  diagnostics.ReportHeldBack();
  report->synsets = static_cast<std::uint32_t>(wordnet.synsets.size());
  report->senses = wordnet.SenseCount();
  for (const Language* language : languages) report->languages.emplace_back(language->code);
  report->warnings = diagnostics.Count();
}

}  // namespace

bool BuildDatabase(const BuildOptions& options, const Progress& progress, BuildReport* report,
                   std::string* error) {
  BuildReport local;
  try {
    Build(options, progress, &local);
    if (report != nullptr) *report = local;
    return true;
  } catch (const BuildFailure& failure) {
    if (error != nullptr) *error = failure.what();
  } catch (const std::bad_alloc&) {
    if (error != nullptr) *error = "out of memory";
  } catch (const std::exception& failure) {
    if (error != nullptr) *error = failure.what();
  }
  return false;
}

}  // namespace importers
