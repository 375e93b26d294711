// polylex: builds multilingual lexical databases from wordnet data and queries them.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"
#include "DatabaseBuilder.h"

namespace {

constexpr const char* kDescription =
    "Builds and queries multilingual lexical databases (.fdb).\n"
    "  polylex build OUT.fdb [--wordnet DIR] [--omw FILE [--code XX] ...]\n"
    "                        [--lmf FILE.xml [--code XX] ...] [--force]\n"
    "  polylex info DB\n"
    "  polylex check DB\n"
    "  polylex dump DB STORE CONTAINER ID\n"
    "  polylex query DB STORE CONTAINER 'criteria' [--index N] [--limit N]\n"
    "  polylex export DB CODE WORD SENSE [--table]\n"
    "  polylex export-lmf DB CODE OUT.xml [--force]\n"
    "  polylex lookup DB CODE WORD [--relations] [--top] [--ili] [--exact]\n"
    "  polylex browse DB CODE PREFIX|PATTERN [-n 71]\n"
    "  polylex tree DB CODE WORD [--expand ROW ...] [--top ROW ...] [--status] [--exact]\n"
    "  polylex view DB FILE.wl [--status]";

// Pairs each --code with the --omw or --lmf file before it; a file without one takes the language
// it names itself. False after a message when a code follows no file.
bool PairCodes(const CLI::App& command, const std::vector<std::string>& tabFiles,
               const std::vector<std::string>& lmfFiles, const std::vector<std::string>& codes,
               importers::BuildOptions* build) {
  std::size_t tab = 0;
  std::size_t lmf = 0;
  std::size_t code = 0;
  std::string* open = nullptr;  // the code of the last file, while it has none
  for (const CLI::Option* option : command.parse_order()) {
    if (option->get_name() == "--omw") {
      build->tabs.push_back({tabFiles.at(tab++), ""});
      open = &build->tabs.back().code;
    } else if (option->get_name() == "--lmf") {
      build->lmf.push_back({lmfFiles.at(lmf++), ""});
      open = &build->lmf.back().code;
    } else if (option->get_name() == "--code") {
      if (open == nullptr) {
        std::fprintf(stderr, "polylex: --code %s follows no --omw or --lmf file\n",
                     codes.at(code).c_str());
        return false;
      }
      *open = codes.at(code++);
      open = nullptr;
    }
  }
  return true;
}

// A tree option whose every use adds one step, so that the steps keep the command line's order.
void AddStepOption(CLI::App& command, const std::string& name, polylex::TreeStep::Action action,
                   const std::string& description, std::vector<polylex::TreeStep>& steps) {
  command
      .add_option_function<long>(
          name,
          [action, &steps](const long& row) {
            steps.push_back({action, row});
          },
          description)
      ->type_name("ROW")
      ->trigger_on_parse();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(kDescription, "polylex");
  app.set_version_flag("--version", std::string("polylex ") + POLYLEX_VERSION);
  app.require_subcommand(0, 1);

  importers::BuildOptions build;
  build.wordnetDir = "/usr/share/wordnet";
  std::vector<std::string> tabFiles;
  std::vector<std::string> lmfFiles;
  std::vector<std::string> codes;
  CLI::App* buildCommand = app.add_subcommand(
      "build", "Build a database from WordNet 3.0, Open Multilingual Wordnet and WN-LMF files");
  buildCommand->footer(importers::kBuildInputRules);
  buildCommand->add_option("output", build.output, "the database file to create")->required();
  CLI::Option* wordnetOption =
      buildCommand
          ->add_option("--wordnet", build.wordnetDir,
                       "WordNet 3.0 database folder (not read for --lmf alone unless given)")
          ->capture_default_str();
  buildCommand->add_option("--omw", tabFiles, "an Open Multilingual Wordnet tab file (repeatable)");
  buildCommand->add_option("--lmf", lmfFiles, "a WN-LMF XML file, every lexicon (repeatable)");
  buildCommand->add_option("--code", codes,
                           "the language of the --omw or --lmf file before it (nl, nld, pt-BR; "
                           "default: the file's own)");
  buildCommand->add_flag("--force", build.force, "replace an existing output file");

  std::string database;
  CLI::App* infoCommand = app.add_subcommand("info", "Print versions, site, languages, relations");
  infoCommand->add_option("database", database, "the database file")->required();

  CLI::App* checkCommand = app.add_subcommand(
      "check", "Verify every page, record and index entry; status 1 when the file is damaged");
  checkCommand->add_option("database", database, "the database file")->required();

  std::uint32_t store = 0;
  std::uint16_t container = 0;
  std::uint32_t recordId = 0;
  CLI::App* dumpCommand = app.add_subcommand("dump", "Print one record as text");
  dumpCommand->add_option("database", database, "the database file")->required();
  dumpCommand->add_option("store", store, "store number")->required();
  dumpCommand->add_option("container", container, "container number")->required();
  dumpCommand->add_option("id", recordId, "record ID")
      ->required()
      ->check(CLI::Range(1u, 4294967295u));

  std::string criteria;
  std::uint16_t index = 0;
  std::uint32_t limit = 20;
  CLI::App* queryCommand = app.add_subcommand("query", "Print the records matching criteria");
  queryCommand->add_option("database", database, "the database file")->required();
  queryCommand->add_option("store", store, "store number")->required();
  queryCommand->add_option("container", container, "container number")->required();
  queryCommand->add_option("criteria", criteria, "criteria, e.g. \"LITERAL == 'dog'\"")->required();
  queryCommand->add_option("--index", index, "order by this index");
  queryCommand->add_option("--limit", limit, "print at most this many records")
      ->capture_default_str();

  std::string code;
  std::string word;
  std::int16_t sense = 1;
  CLI::App* exportCommand = app.add_subcommand(
      "export", "Print the export text of a word's meanings with a sense number");
  exportCommand->add_option("database", database, "the database file")->required();
  exportCommand->add_option("code", code, "language code, e.g. EN")->required();
  exportCommand->add_option("word", word, "the word form, letter case as stored")->required();
  exportCommand->add_option("sense", sense, "the sense number")->required();
  bool table = false;
  exportCommand->add_flag("--table", table, "the concept's own table-driven export form");

  polylex::LookupOptions lookup;
  std::string outputPath;
  bool force = false;
  CLI::App* exportLmfCommand =
      app.add_subcommand("export-lmf", "Write one language wordnet as a WN-LMF 1.4 XML file");
  exportLmfCommand->add_option("database", database, "the database file")->required();
  exportLmfCommand->add_option("code", code, "language code, e.g. EN")->required();
  exportLmfCommand->add_option("output", outputPath, "the XML file to write")->required();
  exportLmfCommand->add_flag("--force", force, "replace an existing output file");

  CLI::App* lookupCommand =
      app.add_subcommand("lookup", "Print the meanings of a word, grouped by part of speech");
  lookupCommand->add_option("database", database, "the database file")->required();
  lookupCommand->add_option("code", code, "language code, e.g. EN")->required();
  lookupCommand->add_option("word", word, "the word form (letter case ignored)")->required();
  lookupCommand->add_flag("--relations", lookup.relations, "each meaning's relations");
  lookupCommand->add_flag("--top", lookup.top, "the hyperonym paths to the top, the ontology");
  lookupCommand->add_flag("--ili", lookup.ili, "the equivalents in every other language");
  lookupCommand->add_flag("--exact", lookup.exact,
                          "the word as given only; without it a word with no meaning shows those "
                          "of its base forms (dogs: dog)");

  std::string prefix;
  std::size_t count = 71;
  CLI::App* browseCommand =
      app.add_subcommand("browse", "List word forms from a prefix on, or matching a pattern");
  browseCommand->add_option("database", database, "the database file")->required();
  browseCommand->add_option("code", code, "language code, e.g. EN")->required();
  browseCommand->add_option("prefix", prefix, "where the listing starts, or a pattern with ? and *")
      ->required();
  browseCommand->add_option("-n", count, "list at most this many forms")->capture_default_str();

  // Each row number counts the rows that the steps before it left.
  std::vector<polylex::TreeStep> treeSteps;
  bool status = false;
  CLI::App* treeCommand = app.add_subcommand(
      "tree", "Print the concept tree the viewer builds for a word, one numbered row a line");
  treeCommand->add_option("database", database, "the database file")->required();
  treeCommand->add_option("code", code, "language code, e.g. EN")->required();
  treeCommand->add_option("word", word, "the word form, letter case as stored")->required();
  AddStepOption(*treeCommand, "--expand", polylex::TreeStep::Action::kExpand,
                "expand the row with this number (repeatable)", treeSteps);
  AddStepOption(*treeCommand, "--top", polylex::TreeStep::Action::kTopHyperonym,
                "walk to the top hyperonyms of the concept on this row (repeatable)", treeSteps);
  treeCommand->add_flag("--status", status, "write the viewer's status texts to standard error");
  bool exact = false;
  treeCommand->add_flag("--exact", exact,
                        "the word as given only; without it a word with no meaning shows its "
                        "base forms (dogs: dog)");

  std::string viewFile;
  CLI::App* viewCommand =
      app.add_subcommand("view", "Reopen a view (word list) file and print each pane's rows");
  viewCommand->add_option("database", database, "the database file")->required();
  viewCommand->add_option("file", viewFile, "the view file (.wl)")->required();
  viewCommand->add_flag("--status", status, "write the viewer's status texts to standard error");

  CLI11_PARSE(app, argc, argv);

  if (*buildCommand) {
    if (!PairCodes(*buildCommand, tabFiles, lmfFiles, codes, &build)) return 2;
    // LMF lexicons make a database of their own; WordNet joins them when asked for.
    if (!build.lmf.empty() && build.tabs.empty() && wordnetOption->count() == 0) {
      build.wordnetDir.clear();
    }
    return polylex::RunBuild(build);
  }
  if (*infoCommand) return polylex::RunInfo(database);
  if (*checkCommand) return polylex::RunCheck(database);
  if (*dumpCommand) return polylex::RunDump(database, store, container, recordId);
  if (*exportCommand) return polylex::RunExport(database, code, word, sense, table);
  if (*exportLmfCommand) return polylex::RunExportLmf(database, code, outputPath, force);
  if (*lookupCommand) return polylex::RunLookup(database, code, word, lookup);
  if (*browseCommand) return polylex::RunBrowse(database, code, prefix, count);
  if (*treeCommand) return polylex::RunTree(database, code, word, treeSteps, status, exact);
  if (*viewCommand) return polylex::RunView(database, viewFile, status);
  if (*queryCommand) {
    return polylex::RunQuery(database, store, container, criteria, index, limit);
  }
  std::fputs(app.help().c_str(), stdout);
  return 0;
}
