// The main window: the view windows in an MDI area, the menus, tool bar and accelerators built
// from the command table, the filter and information bars, the status bar's three panes, the open
// database, the trees' font and the DataTips setting. It reads the settings when it is made and
// writes them when it closes.
#pragma once

#include <array>
#include <memory>

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QString>

#include "shell/CommandTable.h"
#include "shell/StatusPanes.h"
#include "shell/ViewFileCommands.h"
#include "shell/ViewKind.h"
#include "shell/ViewPrinting.h"
#include "shell/ViewerDatabase.h"
#include "shell/ViewerSettings.h"
#include "shell/WindowPerson.h"

class CLumivueChildFrm;
class CLumivueDoc;
class CLumivueView;
class FilterBar;
class InfoBar;
class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class WindowListMenu;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window and its bars and reads the settings; the window is not shown yet.
  CMainFrame();
  ~CMainFrame() override;

  ViewerDatabase& Database() { return database_; }
  const CommandTable& Commands() const { return commands_; }
  const StatusPanes& Panes() const { return panes_; }
  const ViewerSettings& Settings() const { return settings_; }
  const QFont& PaneFont() const { return paneFont_; }
  QMenu& ContextMenu() const { return *contextMenu_; }
  InfoBar& Information() const { return *infoBar_; }
  FilterBar& Filters() const { return *filterBar_; }
  QDockWidget& InfoDock() const { return *infoDock_; }
  QDockWidget& FilterDock() const { return *filterDock_; }

  // Closes every view window, then opens `path`; true when the database is open.
  bool OpenDatabase(const QString& path);
  // The database of the last run, when there is one and it opens; otherwise the Open Database
  // dialog (Cancel leaves the viewer without a database).
  void OpenStartupDatabase();
  // Asks for a database file; on OK opens it as OpenDatabase does.
  void AskAndOpenDatabase();

  // A new view of that kind with its window, on a new document (of the view file at `path`, when
  // one is given); null without a database. The word field of the new window gets the keyboard
  // focus.
  CLumivueView* NewView(ViewKind kind, const QString& path = QString());
  // The window showing `view`; null when it has none.
  CLumivueChildFrm* FrameOf(const CLumivueView& view) const;
  ViewFileCommands& ViewFiles() { return *viewFiles_; }
  const WindowListMenu& WindowList() const { return *windowList_; }
  // The view of the current window; null while there is none.
  CLumivueView* ActiveView() const;
  CLumivueChildFrm* ActiveFrame() const;
  // In the order they were made.
  QList<CLumivueChildFrm*> Frames() const;

  // Runs a command of the table: the frame's own, else the active view's.
  void Run(int commandId);
  // Enables and checks every command for the present state.
  void UpdateCommands();
  // Gives every tree of the active view `font` (normal, and bold where a tree draws bold) and
  // keeps it for new views and for the settings.
  void ApplyFont(const QFont& font);
  void SetDataTips(bool on);

  // Maximized when the settings say so, else at the stored (or default) place.
  void ShowAsSettingsSay();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateCommands();
  void CreateBars();
  // Once, when the window shows and the filter bar has names: the bar takes the width of its
  // longest name, unless a stored layout gave it the width the person chose.
  void WidenFilterBar();
  // Makes the view of `kind` for `document` and its window.
  CLumivueView* MakeView(ViewKind kind, std::shared_ptr<CLumivueDoc> document);
  CLumivueChildFrm* AddFrame(CLumivueChildFrm* frame);
  // File New: the New dialog's choice of view.
  void AskAndNewView();
  // The recent files in the File menu, after it was built or the list changed.
  void RefreshRecentFiles();
  // The open windows in the Window menu, after a window came, went, was renamed or activated.
  void RefreshWindowList();
  // The views and the export list: what holds records of the open database.
  void ForgetDatabase();
  void DestroyAllViews();
  // The information pages follow the active view's selected line.
  void RefreshInfoBar();
  // Export Concept: the selected concept of the active view goes to the export list.
  void ExportConcept();
  // The caption, the windows' titles, the menus (short without a view), the line pane and the
  // commands, after a window came, went or became active.
  void RefreshWindowState();
  void ShowContextMenu(CLumivueChildFrm& frame, QPoint globalPos);
  void NewWindow();
  void ChooseFont();
  void Find(int commandId);
  void Tile(int commandId);
  void ArrangeIcons();
  void ToggleInputBar();
  void ToggleBrowseBar();
  QWidget* FocusWidget(PersonInterface::FocusTarget target) const;

  ViewerSettings settings_;
  StatusPanes panes_;
  WindowPerson person_;
  ViewerDatabase database_;
  CommandTable commands_;
  ViewPrinting printing_;
  QMdiArea* mdi_;
  QToolBar* toolBar_;
  QMenu* contextMenu_;
  InfoBar* infoBar_;
  QDockWidget* infoDock_;
  FilterBar* filterBar_;
  QDockWidget* filterDock_;
  ViewFileCommands* viewFiles_;
  WindowListMenu* windowList_;
  QFont paneFont_;
  QString searchText_;
  // The numbers given to new documents so far, per kind of view.
  std::array<int, 2> untitledCounts_{};
  // Whether the menu bar holds the menus of an open view.
  bool menusWithView_ = false;
  // Until a database gives the filter bar its names, when no stored layout gave it a width.
  bool widenFilterBar_ = true;
};
