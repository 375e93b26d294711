// The concepts the person collects for export: a concept pane of its own whose top-level concept
// lines are the concepts to write, newest first. It holds the concepts of one language at a time.
#pragma once

#include "tree/ConceptPane.h"

class ConceptItem;
class PersonInterface;
class ViewerDatabase;

class ExportList {
 public:
  // `database` and `person` must outlive the list. It starts empty, with no language.
  ExportList(ViewerDatabase& database, PersonInterface& person);

  // Owned by the list; its lines outlive the panes they came from.
  ConceptPane& Pane() { return pane_; }
  const ConceptPane& Pane() const { return pane_; }

  // Adds the concept of `source`'s selected line as the first line of the list, fetched again by
  // its record id so that the list owns its own copy. The list takes the source's language, which
  // empties it when it held another. Returns the new line; null, with "Literal is not selected !"
  // shown, when the selected line is not a concept line with a concept, and null (a library
  // failure shown) when the concept cannot be fetched again.
  ConceptItem* AddSelectedConcept(const ConceptPane& source);
  // Empties the list and forgets its language: its concepts belong to a database about to close.
  void Clear();

 private:
  ConceptPane pane_;
};
