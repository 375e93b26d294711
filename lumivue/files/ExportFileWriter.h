// Writes the export list into a text file: for each top-level concept line, newest first, the
// library's export text of the concept (LanguageWordNet::ExportConcept), or a comment line naming
// the concept when it cannot be exported. The texts carry their own "\r\n" line ends and are
// written unchanged.
#pragma once

#include <string>

class ConceptPane;
class PersonInterface;
class ViewerDatabase;

class ExportFileWriter {
 public:
  // `database` and `person` must outlive the writer.
  ExportFileWriter(ViewerDatabase& database, PersonInterface& person);

  // Replaces the file at `path` with the export of `list`'s concepts (a relative path is taken
  // from the current directory). Returns 1 when the file was written; 0, with the reason shown,
  // when:
  //  - the list has no language, or the database has none of that code: "No language selected !";
  //  - the list has no line: "Export list is empty !";
  //  - the file cannot be created or written: the system's error text;
  //  - the library fails while exporting: its error text (the file then holds the concepts
  //    written before).
  int Write(const std::string& path, const ConceptPane& list);

 private:
  ViewerDatabase& database_;
  PersonInterface& person_;
};
