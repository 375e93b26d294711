// The main window's view-file commands: Open View, Save View, Save View As and the File menu's
// list of recent view files, kept in the settings between runs.
#pragma once

#include <vector>

#include <QObject>
#include <QString>

#include "files/RecentFiles.h"

class CLumivueView;
class CMainFrame;
class PersonInterface;
class QAction;
class QMenu;

class ViewFileCommands : public QObject {
  Q_OBJECT
 public:
  // Reads the recent files from the settings. `frame` and `person` must outlive the commands.
  ViewFileCommands(CMainFrame& frame, PersonInterface& person);

  // Open View: asks for a view file and opens it.
  void AskAndOpen();
  // Opens the view file at `path` in a new view of the kind its first line names, filled from the
  // file. A file that cannot be read, or whose first line names no kind (61449), makes no window
  // and leaves the recent files. Returns the view, or null.
  CLumivueView* Open(const QString& path);
  // Save View: writes `view` (null: "No active view to save !") to its document's file, or asks
  // for one as Save View As does when the document has none. True when written.
  bool Save(CLumivueView* view);
  // Save View As: asks for a file (an existing one is replaced without asking), writes `view`
  // there and makes it the document's file. True when written.
  bool SaveAs(CLumivueView* view);

  const RecentFiles& Recent() const { return recent_; }
  // Puts one item per recent file into `fileMenu` before `before`, after a separator, in place of
  // those put there before.
  void FillMenu(QMenu& fileMenu, QAction* before);
  // The recent-file items run only while a database is open.
  void Enable(bool databaseOpen);
  // Stores the recent files in the settings.
  void Store() const;

 signals:
  // The list of recent files changed: the File menu must show it.
  void RecentChanged();

 private:
  bool Write(CLumivueView& view, const QString& path);
  void Remember(const QString& path);

  CMainFrame& frame_;
  PersonInterface& person_;
  RecentFiles recent_;
  // The items and their separator last put into the File menu.
  std::vector<QAction*> items_;
};
