// Help for the tests of the bars: the WordNet database of the test run opened for a recording
// person, with an English pane to look words up in.
#pragma once

#include <string>

#include "lumivue/RecordingPerson.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"
#include "tree/LineKind.h"

class ConceptItem;
class TreeItem;

struct WordNetBars {
  // Opens TestWordNet(); IsOpen() is false when the run has no WordNet database.
  WordNetBars();
  bool IsOpen() const { return database.HasDatabase() == 1; }

  // Looks `word` up in the pane and selects its first line of `kind`; null when there is none.
  TreeItem* SelectFirst(const std::string& word, LineKind kind);
  // The library's own export text of the concept of `line`.
  std::string ExportText(const ConceptItem& line);

  RecordingPerson person;
  ViewerDatabase database{person};
  ConceptPane pane{database, person};
};
