// A small English lexical database for the tree widget tests, built in a scratch folder, and a
// concept pane opened on it.
//
//   concept 1 (noun) with ten short variants, in this order: dog (a definition of 300
//     characters), pooch (239), hound (none), cur (240), mutt, doggy, bowwow, pup, tyke, canine;
//     linked to ILI record 1 "a member of the genus Canis" as a synonym, and to concept 2 as its
//     hyperonym (relation 8 "has_hyperonym");
//   concept 2 (noun) animal.
//
// Looking up "dog" gives the rows: word "dog", "Noun", the concept line, its ILI line.
#pragma once

#include <QTemporaryDir>
#include <string>

#include "lumivue/RecordingPerson.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

class TreeTestDatabase {
 public:
  static constexpr int kDefinitionLength[] = {300, 239, 0, 240};

  // Throws std::runtime_error when the database cannot be built.
  TreeTestDatabase();
  const std::string& Path() const { return path_; }

  // The definition stored for variant `number` (1-based) of concept 1; empty when it has none.
  static std::string DefinitionOf(int number);

 private:
  QTemporaryDir folder_;
  std::string path_;
};

// The database opened for one English pane. Throws std::runtime_error when it does not open.
struct TreeTestPane {
  TreeTestPane();

  TreeTestDatabase file;
  RecordingPerson person;
  ViewerDatabase database{person};
  ConceptPane pane{database, person};
};
