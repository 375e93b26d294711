// The information bar of the main window: the "Gloss", "Synset", "Variant" and "ILI" pages with the
// details of the selected line of the active pane, and the "Export" page with the export list.
// Only the current tab's page is filled; choosing another tab fills that one.
//
// The window holding the bar calls Refresh whenever the active pane, its selected line or that
// line's current variant changes, and Refresh(nullptr, nullptr) before the pane it gave goes
// away. The Export Concept command is AddConceptFrom; the window shows the bar first when it is
// hidden.
#pragma once

#include <QTabWidget>

#include "bars/InfoPages.h"

class ConceptItem;
class ConceptPane;
class ExportPage;
class InfoPage;
class PersonInterface;
class TreeItem;
class ViewerDatabase;

class InfoBar : public QTabWidget {
  Q_OBJECT
 public:
  // `database` and `person` must outlive the bar.
  InfoBar(ViewerDatabase& database, PersonInterface& person, QWidget* parent = nullptr);

  // Shows the details of `line` (null: none; the prompt) of `pane` on the current page. The bar
  // keeps `pane`, not the line: a later change of tab shows the pane's selected line then. A
  // library failure is shown to the person and leaves the prompt.
  void Refresh(const TreeItem* line, const ConceptPane* pane);
  // The Export Concept command on `source`'s selected line (ExportPage::AddConceptFrom); the
  // "Export" tab becomes current when a line was added.
  ConceptItem* AddConceptFrom(const ConceptPane& source);
  // Before the database closes: the prompt on every page and an empty export list, since the
  // lines of both hold the database's records.
  void ForgetDatabase();

  // The page of an information tab (kGloss to kIli).
  InfoPage& Page(InfoPages::Tab tab) const;
  ExportPage& Export() const { return *export_; }

 private:
  void Show(const TreeItem* line);

  ViewerDatabase& database_;
  InfoPage* pages_[InfoPages::kExport];
  ExportPage* export_;
  const ConceptPane* pane_ = nullptr;
};
