// The viewer's connection to one lexical database: the library's root object plus what every view
// reads from it, built at each open and released at each close: the languages (each with its
// wordnet and dictionary), the ILI as one more language, the relation types with their display
// names, and the relation and part-of-speech filter. It reports its failures to the person itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Polylex.h"
#include "bars/FilterState.h"
#include "shell/LanguageEntry.h"
#include "shell/RelationEntry.h"

class PersonInterface;

class ViewerDatabase : public Polylex {
 public:
  // `person` must outlive this object; it is told about every failure.
  explicit ViewerDatabase(PersonInterface& person);
  // The lists go first (members die before the base), then Polylex closes the database.
  ~ViewerDatabase() override = default;

  // Closes whatever is open, then opens `path` read-only and builds the language list, the ILI
  // entry, the relation list and the filter, showing the wait cursor meanwhile. Returns 1 when the
  // database is open, 0 when not; either way Path() is `path` afterwards. Failures are shown to the
  // person and leave nothing open:
  //  - a file that is not there: "Error opening Polylex database [<path>]";
  //  - a file of the format before page checksums, or one whose pages are damaged: a sentence
  //    saying so;
  //  - any other failure of the open: the library's error text (ErrorText);
  //  - a store failure while the languages are listed is shown and the list keeps the languages
  //    read before it; any failure while the relations are listed likewise.
  int Open(const std::string& path);
  // Releases the lists and closes the database. Path() becomes empty. A failure of the store to
  // close is shown; the object is closed all the same.
  void Close();

  // 1 while a database is open with its lists built.
  int HasDatabase() const { return open_; }
  // The path of the last Open (kept after a failed one), empty after Close.
  const std::string& Path() const { return path_; }
  // The text of the last failure shown to the person, empty while none has been.
  const std::string& LastError() const { return lastError_; }

  // In the order of Polylex::GetLanguageWordNets.
  const std::vector<LanguageEntry>& LanguageList() const { return languages_; }
  // In the order of the relation index.
  const std::vector<RelationEntry>& RelationList() const { return relations_; }
  // Null while no database is open.
  const LanguageEntry* IliLanguage() const;
  // The ILI entry for an empty code; else the first language whose code equals `code` without
  // regard to (ASCII) letter case; null when there is none.
  const LanguageEntry* FindLanguage(std::string_view code) const;
  // The first relation with that id; null when there is none.
  const RelationEntry* FindRelation(std::int16_t id) const;

  FilterState& Filter() { return filter_; }
  const FilterState& Filter() const { return filter_; }

  // Shows `text` to the person and keeps it as the last error.
  void ShowError(const std::string& text);
  // Shows the text of the exception being handled (ErrorText::OfCurrentException) and keeps it as
  // the last error. Call it only inside a catch block.
  void ShowCurrentError();
  // Runs `operation` and shows whatever it throws (ShowCurrentError) instead of passing it on:
  // each command of the viewer is one such operation, and the lines it built before the failure
  // stay.
  template <typename Operation>
  void Guarded(Operation operation) {
    try {
      operation();
    } catch (...) {
      ShowCurrentError();
    }
  }

 private:
  void BuildLanguages();
  void BuildRelations();
  void ReleaseAll();

  PersonInterface& person_;
  std::vector<LanguageEntry> languages_;
  std::optional<LanguageEntry> ili_;
  std::vector<RelationEntry> relations_;
  FilterState filter_;
  std::string lastError_;
  std::string path_;
  int open_ = 0;
};
