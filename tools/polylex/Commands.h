// The subcommands of polylex. Each returns the process exit status (0 on success) and writes its
// errors to standard error as one line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"

namespace polylex {

int RunBuild(const importers::BuildOptions& options);
int RunInfo(const std::string& path);
// Verifies every page, record and index entry of the database and prints what it found; status 1
// when it is damaged or cannot be checked.
int RunCheck(const std::string& path);
int RunDump(const std::string& path, std::uint32_t store, std::uint16_t container,
            std::uint32_t recordId);
// The export text of every meaning of `word` with sense number `sense` in language `code`: the
// exporter's full text, or with `table` the concept's own table-driven form.
int RunExport(const std::string& path, const std::string& code, const std::string& word,
              std::int16_t sense, bool table);
// Language `code` of the database as a WN-LMF 1.4 file at `output` (refused when it exists, unless
// `force`), with a summary line of what it holds and what it could not carry.
int RunExportLmf(const std::string& path, const std::string& code, const std::string& output,
                 bool force);
struct LookupOptions {
  bool relations = false;  // each meaning's relations with their targets
  bool top = false;        // the hyperonym paths to the top, and the ontology's classification
  bool ili = false;        // the equivalents in every other language
  bool exact = false;      // the word as given only, never its base forms
};
// The meanings of `word` in language `code` grouped by part of speech: variants, definition and
// ILI glosses, and what the options add. When the word has no meaning (and not `exact`), those of
// each of its base forms (BaseForms) instead, after a line "<word>: showing <base forms>".
int RunLookup(const std::string& path, const std::string& code, const std::string& word,
              const LookupOptions& options);
// The dictionary listing of language `code`: at most `count` word forms from `prefix` on, or those
// matching it when it holds "?" or "*".
int RunBrowse(const std::string& path, const std::string& code, const std::string& prefix,
              std::size_t count);
// One step of the tree command on the rows shown at the time it runs (PaneText numbers them).
struct TreeStep {
  enum class Action {
    kExpand,        // expand the row as a double click does
    kTopHyperonym,  // the Top hyperonym walk on the row, a concept line
  };
  Action action;
  long row;
};
// The concept tree the viewer builds for `word` in language `code` (a monolingual view's pane),
// after `steps` in order, printed as PaneText does. The viewer's messages go to standard error and
// its status texts too with `status`. A row that is not shown, or --top on a row that is no concept
// line, stops the command with status 1 before anything is printed; so does a word with no meaning.
// A library failure shown on the way prints the rows built and gives status 1. Unless `exact`, a
// word without meaning is looked up by its base forms (ConceptPane::LookUpOrBaseForms), and a line
// "<word>: showing <base forms>" comes before the rows.
int RunTree(const std::string& path, const std::string& code, const std::string& word,
            const std::vector<TreeStep>& steps, bool status, bool exact);
// The view (word list) file `file` opened as the viewer opens it, each pane printed after a header
// line with its language. Status 1 when the file is not a view file, when the reader stopped
// (the rows built before still print) or when a library failure was shown.
int RunView(const std::string& path, const std::string& file, bool status);
int RunQuery(const std::string& path, std::uint32_t store, std::uint16_t container,
             const std::string& criteria, std::uint16_t index, std::uint32_t limit);

}  // namespace polylex
