#include "DatabaseBuilder.h"

#include <filesystem>
#include <new>
#include <optional>
#include <random>

#include "ArbError.h"
#include "BuildFailure.h"
#include "Diagnostics.h"
#include "EnglishWordNetWriter.h"
#include "ExceptionLists.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "IliWriter.h"
#include "Languages.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "LmfIliAssignment.h"
#include "LmfIliWriter.h"
#include "LmfReader.h"
#include "LmfWordNetWriter.h"
#include "RecordBuilder.h"
#include "SharedDefinitions.h"
#include "SiteRecords.h"
#include "SynsetLinks.h"
#include "TabFileReader.h"
#include "TabWordNetWriter.h"
#include "UsageLabels.h"
#include "WordNetLoader.h"
#include "store/RecordStore.h"

namespace importers {

namespace fs = std::filesystem;

namespace {

struct LanguageSource {
  Language language;
  TabWordNet tab;
};

struct LmfLanguageSource {
  Language language;
  LmfLexicon lexicon;
  LmfIliLinks ili;
};

// Everything the build reads before it writes. Languages are in store order from store 100.
struct Sources {
  WordNet wordnet;                            // no synsets when the build has no WordNet folder
  std::vector<WordFormException> exceptions;  // WordNet's, for the English store
  std::vector<LanguageSource> tabs;
  std::vector<LmfLanguageSource> lmf;
  std::vector<Language> languages;
};

void Check(std::uint32_t code, const std::string& what) {
  if (code != 0) throw BuildFailure(what + " failed: " + ArbError::NameOf(code));
}

void AddLanguage(std::vector<Language>* languages, const Language& language,
                 const std::string& file, std::uint32_t line) {
  for (const Language& other : *languages) {
    if (other.code == language.code) {
      throw BuildFailure(WhereText(file, line, "language " + language.code + " given twice"));
    }
  }
  if (languages->size() > schema::kLastLanguageStore - schema::kFirstLanguageStore) {
    throw BuildFailure(WhereText(
        file, line,
        "language " + language.code + " is one too many: a database holds at most " +
            std::to_string(schema::kLastLanguageStore - schema::kFirstLanguageStore + 1)));
  }
  languages->push_back(language);
}

constexpr const char* kCodeForms = "an ISO 639 code such as nl or nld, or a BCP 47 tag";

// The language of a tab file: its --code, else the lang column of its header.
Language LanguageOfTab(const TabSource& source, const TabWordNet& tab) {
  if (!source.code.empty()) {
    const std::optional<Language> language = LanguageOf(source.code);
    if (!language) {
      throw BuildFailure(WhereText(
          source.path, 0, "unknown language code '" + source.code + "' (give " + kCodeForms + ")"));
    }
    return *language;
  }
  if (tab.language.empty()) {
    throw BuildFailure(WhereText(source.path, 1,
                                 "the header names no language (\"# name<TAB>lang<TAB>url<TAB>"
                                 "licence\"); give one with --code"));
  }
  const std::optional<Language> language = LanguageOf(tab.language);
  if (!language) {
    throw BuildFailure(WhereText(source.path, 1,
                                 "unknown language code '" + tab.language +
                                     "' in the header; give the language with --code"));
  }
  return *language;
}

void ReadTabSources(const BuildOptions& options, const Progress& progress, Diagnostics* diagnostics,
                    Sources* sources) {
  for (const TabSource& source : options.tabs) {
    if (progress.phase) progress.phase("Reading " + source.path);
    TabWordNet tab = ReadTabFile(source.path, sources->wordnet, diagnostics);
    const Language language = LanguageOfTab(source, tab);
    AddLanguage(&sources->languages, language, source.path, 0);
    NumberTabSenses(&tab, sources->wordnet);
    sources->tabs.push_back({language, std::move(tab)});
  }
}

Language LanguageOfLexicon(const LmfSource& source, const LmfLexicon& lexicon,
                           std::size_t lexiconsInFile) {
  if (!source.code.empty() && lexiconsInFile != 1) {
    throw BuildFailure(WhereText(source.path, 0,
                                 "--code " + source.code +
                                     " is for a file of one lexicon; it has " +
                                     std::to_string(lexiconsInFile)));
  }
  const std::string& code = source.code.empty() ? lexicon.language : source.code;
  const std::optional<Language> language = LanguageOf(code);
  if (!language) {
    throw BuildFailure(WhereText(source.path, source.code.empty() ? lexicon.line : 0,
                                 "lexicon \"" + lexicon.id + "\": no language known as \"" + code +
                                     "\" (give " + kCodeForms +
                                     "); --code gives a file of one lexicon another"));
  }
  return *language;
}

// Reads the LMF files and places their lexicons, in file order, after the other languages.
void ReadLmfSources(const BuildOptions& options, const Progress& progress, Diagnostics* diagnostics,
                    Sources* sources) {
  for (const LmfSource& source : options.lmf) {
    if (progress.phase) progress.phase("Reading " + source.path);
    std::vector<LmfLexicon> lexicons = ReadLmfFile(source.path, diagnostics);
    for (LmfLexicon& lexicon : lexicons) {
      const Language language = LanguageOfLexicon(source, lexicon, lexicons.size());
      AddLanguage(&sources->languages, language, lexicon.file, lexicon.line);
      sources->lmf.push_back({language, std::move(lexicon), {}});
    }
  }
}

std::vector<SourceDescription> SourcesOf(const Sources& sources) {
  std::vector<SourceDescription> descriptions;
  if (!sources.wordnet.synsets.empty()) {
    std::string version = "3.0";
    if (sources.wordnet.correction.ShiftsVerbs() || sources.wordnet.correction.ShiftsAdjectives()) {
      version += " (Debian edition; offsets mapped to Princeton's)";
    }
    descriptions.push_back(
        {"Princeton WordNet 3.0", version, "WordNet 3.0 licence (Princeton University)"});
  }
  for (const LanguageSource& source : sources.tabs) {
    descriptions.push_back({source.tab.name, "", source.tab.licence});
  }
  for (const LmfLanguageSource& source : sources.lmf) {
    const LmfLexicon& lexicon = source.lexicon;
    descriptions.push_back(
        {lexicon.label + " (" + lexicon.id + ")", lexicon.version, lexicon.license});
  }
  return descriptions;
}

void Write(const std::string& path, const BuildOptions& options, const Sources& sources,
           const LmfIliAssignment& ili, const Progress& progress, BuildReport* report) {
  Check(CreateLexicalDatabase(path.c_str()), "creating " + options.output);
  FxSession session;
  FxDatabase database(session);
  if (!database.Open(path.c_str(), 0, 1))
    Check(database.GetErrorCode(), "opening " + options.output);
  if (!database.BeginBulk(1)) Check(database.GetErrorCode(), "starting the transaction");
  const std::vector<Language>& languages = sources.languages;
  for (std::size_t i = 0; i < languages.size(); ++i) {
    Check(
        PrepareLanguageStore(database, schema::kFirstLanguageStore + static_cast<std::uint32_t>(i),
                             languages[i].locale.c_str()),
        "preparing the store of " + languages[i].code);
  }
  // Records go in ascending (store, container, record ID) order throughout: the store keeps them
  // in one B-tree under that key, and appending at its end leaves full pages behind where
  // inserting in the middle would leave half-empty ones.
  auto* const records = static_cast<store::Database*>(static_cast<void*>(database));
  RecordBuilder builder(records);
  const WordNet& wordnet = sources.wordnet;
  const SynsetLinks links(wordnet);
  const UsageLabels usage(wordnet);
  WriteSiteRecords(&builder, options.siteName, CurrentTimeText(), SourcesOf(sources));
  WriteSharedDefinitions(&builder, languages, usage.ValueNames());
  std::uint32_t store = schema::kFirstLanguageStore;
  if (!wordnet.synsets.empty()) WriteIli(&builder, wordnet, progress);
  WriteLmfIli(&builder, database, ili);
  if (!wordnet.synsets.empty()) {
    report->links += WriteEnglishWordNet(&builder, store, wordnet, links, usage, progress);
    WriteExceptionLists(&builder, store++, sources.exceptions);
  }
  for (const LanguageSource& tab : sources.tabs) {
    report->links +=
        WriteTabWordNet(&builder, store++, tab.language.code, tab.tab, wordnet, links, progress);
  }
  for (const LmfLanguageSource& source : sources.lmf) {
    report->links += WriteLmfWordNet(&builder, store++, source.language.code, source.lexicon,
                                     source.ili.records, progress);
  }
  if (progress.phase) progress.phase("Compressing the records of " + options.output);
  Check(store::TrainPackDictionary(records), "compressing the records");
  if (progress.phase) progress.phase("Saving " + options.output);
  if (!database.CommitBulk()) Check(database.GetErrorCode(), "saving " + options.output);
  if (progress.phase) progress.phase("Compacting " + options.output);
  Check(store::CompactFile(records), "compacting " + options.output);
  if (!database.Close()) Check(database.GetErrorCode(), "closing " + options.output);
}

void Count(const Sources& sources, BuildReport* report) {
  report->synsets = static_cast<std::uint32_t>(sources.wordnet.synsets.size());
  report->senses = sources.wordnet.SenseCount();
  for (const LanguageSource& source : sources.tabs) {
    report->synsets += static_cast<std::uint32_t>(source.tab.synsets.size());
    for (const auto& [index, synset] : source.tab.synsets) {
      report->senses += static_cast<std::uint32_t>(synset.lemmas.size());
    }
  }
  for (const LmfLanguageSource& source : sources.lmf) {
    report->synsets += static_cast<std::uint32_t>(source.lexicon.synsets.size());
    report->senses += static_cast<std::uint32_t>(source.lexicon.senses.size());
    report->skippedRelations += source.lexicon.SkippedRelationCount();
    report->iliByOffset += source.ili.byOffset;
    report->iliByIdentifier += source.ili.byIdentifier;
    report->iliCreated += source.ili.created;
  }
  for (const Language& language : sources.languages) report->languages.push_back(language.code);
}

// One warning per lexicon that lost relations, by type, so that nothing is dropped unseen.
void ReportSkippedRelations(const Sources& sources, Diagnostics* diagnostics) {
  for (const LmfLanguageSource& source : sources.lmf) {
    const LmfLexicon& lexicon = source.lexicon;
    if (lexicon.skippedRelations.empty()) continue;
    std::string types;
    for (const auto& [type, count] : lexicon.skippedRelations) {
      types += (types.empty() ? "" : ", ") + type + " " + std::to_string(count);
    }
    diagnostics->Warn(
        lexicon.file, lexicon.line,
        "lexicon \"" + lexicon.id + "\": " + std::to_string(lexicon.SkippedRelationCount()) +
            " relations of types without a counterpart in the database left out (" + types + ")");
  }
}

void Build(const BuildOptions& options, const Progress& progress, BuildReport* report) {
  if (options.output.empty()) throw BuildFailure("no output file given");
  if (options.wordnetDir.empty() && !options.tabs.empty()) {
    throw BuildFailure("tab files translate WordNet 3.0: the build needs its folder (--wordnet)");
  }
  if (options.wordnetDir.empty() && options.lmf.empty()) {
    throw BuildFailure("nothing to build: give a WordNet folder or WN-LMF files");
  }
  if (fs::exists(options.output) && !options.force) {
    throw BuildFailure(WhereText(options.output, 0, "exists; not replaced unless forced"));
  }
  // A mistyped --code fails before the long read of WordNet.
  for (const TabSource& source : options.tabs) {
    if (!source.code.empty()) LanguageOfTab(source, {});
  }
  Sources sources;
  Diagnostics diagnostics(progress);
  if (!options.wordnetDir.empty()) {
    sources.languages.push_back(English());
    if (progress.phase) progress.phase("Reading WordNet from " + options.wordnetDir);
    sources.wordnet = LoadWordNet(options.wordnetDir, &diagnostics);
    sources.exceptions = ReadExceptionLists(options.wordnetDir, &diagnostics);
  }
  ReadTabSources(options, progress, &diagnostics, &sources);
  ReadLmfSources(options, progress, &diagnostics, &sources);
  LmfIliAssignment ili(sources.wordnet, &diagnostics);
  for (LmfLanguageSource& source : sources.lmf) source.ili = ili.Assign(source.lexicon);
  ReportSkippedRelations(sources, &diagnostics);
  TemporaryFile file(options.output);
  Write(file.Path(), options, sources, ili, progress, report);
  if (fs::exists(options.output) && !options.force) {
    throw BuildFailure(WhereText(options.output, 0, "appeared during the build; not replaced"));
  }
  file.MoveTo(options.output);
  diagnostics.ReportHeldBack();
  Count(sources, report);
  report->warnings = diagnostics.Count();
}

}  // namespace

TemporaryFile::TemporaryFile(const std::string& output) {
  std::random_device random;
  path_ = output + ".building-" + std::to_string(random() % 1000000);
}

TemporaryFile::~TemporaryFile() {
  std::error_code ignored;
  if (!moved_) fs::remove(path_, ignored);
}

void TemporaryFile::MoveTo(const std::string& output) {
  std::error_code failure;
  fs::rename(path_, output, failure);
  if (failure) {
    throw BuildFailure(WhereText(output, 0, "cannot be written: " + failure.message()));
  }
  moved_ = true;
}

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
