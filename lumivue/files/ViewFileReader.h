// Reopens a view (word list) file written by ViewFileWriter into a freshly made view: it looks the
// words up again, fetches the concepts again by record id and rebuilds the lines below them as
// the entry's outline names them, or, for an entry without one (as files were written before
// outlines), expands the lines in the order the letters give. The tree comes from the database's
// current contents. A word or concept that is
// no longer there, or an entry it cannot read, becomes a note holding the file's line, so that a
// later save loses nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/ViewFileOutline.h"

class ConceptPane;
class PersonInterface;
class TreeItem;

class ViewFileReader {
 public:
  // `person` must outlive the reader.
  explicit ViewFileReader(PersonInterface& person);

  // Reads the file at `path` into the view whose left pane is `left` and right pane `right` (null
  // for a monolingual view). Returns 1 at the end of the file, 0 when it stops:
  //  - the file cannot be opened: the system's error text;
  //  - an entry before the window-type line: 61449; before its pane's language line: 61450;
  //  - a second language line in a monolingual view: 61453.
  // Each stop shows its message in a box and the status bar and keeps the lines already built. A
  // line of no known kind asks 61451 (Yes: the line becomes a note; No: it is skipped).
  // The panes take the file's languages; the caller shows them in its language choices.
  int Read(const std::string& path, ConceptPane& left, ConceptPane* right);

 private:
  // 0 when reading must stop (the message shown).
  int ReadLine(const std::string& line);
  int ReadLanguage(std::string_view code);
  int ReadEntry(const std::string& line, const std::optional<ViewFileOutline>& outline);
  // Walks the letters from `made` on, expanding the lines marked "O".
  void ApplyLetters(TreeItem& made, std::string_view letters);
  void AddNote(std::string text);
  int Stop(const std::string& text);

  PersonInterface& person_;
  ConceptPane* right_ = nullptr;
  ConceptPane* current_ = nullptr;
  char windowType_ = '\0';
  int languageCount_ = 0;
  int lineNumber_ = 0;
  // The outline read on the line before; it belongs to the next line only.
  std::optional<ViewFileOutline> outline_;
};
