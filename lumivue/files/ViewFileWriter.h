// Saves a view as a view (word list) file: the window type, then for each pane its language and
// one entry per top-level word or concept line with a letter per line of its subtree telling
// whether it was expanded ("O") or not ("C"), each after the outline line that names those lines
// (ViewFileOutline), and the notes as "//" lines. Reopening rebuilds the file's lines against the
// database's current contents (ViewFileReader).
#pragma once

#include <string>

class ConceptPane;
class PersonInterface;

class ViewFileWriter {
 public:
  // `person` must outlive the writer.
  explicit ViewFileWriter(PersonInterface& person);

  // Replaces the file at `path` with the view whose left pane is `left` and right pane `right`
  // (null for a monolingual view). Returns 1 when the whole file was written, 0 when the file
  // cannot be created or written (the system's error text is shown). Shows the progress and
  // "Done." in the status bar.
  int Write(const std::string& path, const ConceptPane& left, const ConceptPane* right);

  // The file's text as Write stores it, each line ended by a line feed.
  static std::string TextOf(const ConceptPane& left, const ConceptPane* right);

 private:
  static void AppendPane(const ConceptPane& pane, std::string& text);

  PersonInterface& person_;
};
