// The "Export" tab of the information bar: the concepts collected for export (the export list,
// newest first, shown as a tree), the name of the file to write, and the buttons that choose the
// file, write it and open it in a text editor.
#pragma once

#include <QWidget>

#include "files/ExportList.h"

class ConceptItem;
class ConceptPane;
class PersonInterface;
class QLineEdit;
class QPushButton;
class TreeListBoxWidget;
class ViewerDatabase;

class ExportPage : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kDefaultFileName = "Default.exp";
  static constexpr const char* kFileFilter = "Export Files (*.exp);;All Files (*)";

  // `database` and `person` must outlive the page.
  ExportPage(ViewerDatabase& database, PersonInterface& person, QWidget* parent = nullptr);

  // The Export Concept command: the selected concept of `source` becomes the first line of the
  // list (ExportList::AddSelectedConcept, which shows why it cannot). Returns the new line or null.
  ConceptItem* AddConceptFrom(const ConceptPane& source);
  // Empties the export list (ExportList::Clear).
  void Clear();
  // "&Save": writes the list into the file the edit names (ExportFileWriter); true when written.
  // Without a name: false, nothing shown.
  bool Save();
  // "&Edit": opens the file the edit names in a text editor (TextEditorStarter); when none starts,
  // "Error starting notepad !" is shown and false comes back. Without a name: false, nothing shown
  // (the button is disabled then, as "&Save" is).
  bool Edit();
  // "&Browse": a save-file dialog starting at the edit's name; on OK the edit takes the path.
  void ChooseFile();

  ExportList& List() { return list_; }
  TreeListBoxWidget& ListWindow() const { return *listWindow_; }
  QLineEdit& FileNameEdit() const { return *fileName_; }
  QPushButton& SaveButton() const { return *save_; }

 private:
  ViewerDatabase& database_;
  PersonInterface& person_;
  ExportList list_;
  QLineEdit* fileName_;
  QPushButton* save_;
  TreeListBoxWidget* listWindow_;
};
