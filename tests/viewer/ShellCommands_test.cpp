// The command table and the main frame's commands: enabling with and without database and view,
// keys, the window commands, Open Database replacing the views, DataTips and the font.
#include <set>

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "ShellSupport.h"
#include "bars/InputBar.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandId.h"
#include "shell/StatusPanes.h"
#include "shell/WindowListMenu.h"
#include "shell/WindowPerson.h"
#include "shell/WindowTiler.h"
#include "tree/FollowCommand.h"
#include "tree/TreeListBoxWidget.h"

class ShellCommandsTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void everyKeyRunsOneCommandOnly();
  void withoutDatabaseOnlyFrameCommandsRun();
  void aViewBringsItsMenusAndCommands();
  void closingTheLastViewResetsTheLinePane();
  void openDatabaseReplacesTheViews();
  void failedOpenLeavesNoDatabaseAndKeepsThePath();
  void newWindowSharesTheDocumentAndCopiesLines();
  void windowMenuListsTheWindowsWithTheActiveChecked();
  void dataTipsFollowTheSettingInEveryView();
  void fontChangeRemeasuresTheActiveView();
  void inputBarToggles();
  void tilingSharesTheArea();
  void aboutBoxNamesVersion();
  void checkDatabaseShowsItsProgressAndCanBeStopped();
  void personAsksSetsPanesAndNestsTheWaitCursor();

 private:
  bool Enabled(int id) { return app_->MainFrame()->Commands().Action(id)->isEnabled(); }
};

void ShellCommandsTest::init() {
  if (!BeginSession()) QSKIP("the test WordNet database was not built");
}

void ShellCommandsTest::cleanup() {
  EndSession();
}

void ShellCommandsTest::everyKeyRunsOneCommandOnly() {
  // Two actions of one window with the same keys would make Qt run neither.
  CMainFrame& frame = Start("-F " + wordNet_);
  std::set<QString> keys;
  for (QAction* action : frame.actions()) {
    for (const QKeySequence& key : action->shortcuts()) {
      QVERIFY2(keys.insert(key.toString()).second, qPrintable(key.toString()));
    }
  }
  QVERIFY(keys.count(QStringLiteral("Ctrl+N")) == 1);
  QVERIFY(keys.count(QStringLiteral("Del")) == 1);
}

void ShellCommandsTest::withoutDatabaseOnlyFrameCommandsRun() {
  CMainFrame& frame = Start(QStringLiteral("-L"));
  for (const int id : {command::kNew, command::kNewMonolingual, command::kClose,
                       command::kClearTree, command::kFind, command::kTopHyperonym}) {
    QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
  }
  for (const int id :
       {command::kOpenDatabase, command::kExit, command::kFont, command::kDataTips, command::kAbout,
        command::kToolBar, command::kStatusBar, command::kCheckDatabase}) {
    QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
  }
  // A key of a disabled command makes nothing.
  frame.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&frame));
  QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
  QVERIFY(frame.Frames().isEmpty());
}

void ShellCommandsTest::aViewBringsItsMenusAndCommands() {
  CMainFrame& frame = Start("-F " + wordNet_);
  QVERIFY(Enabled(command::kNewMonolingual));
  QVERIFY(Enabled(command::kNewMultilingual));
  QVERIFY(!Enabled(command::kClose));

  frame.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&frame));
  // Ctrl+N offers the two kinds; the first is chosen.
  modals_->Then([](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
  QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("New")});
  QCOMPARE(frame.Frames().size(), 1);
  QVERIFY(!frame.ActiveView()->IsMultilingual());
  QCOMPARE(frame.menuBar()->actions().size(), 6);
  for (const int id :
       {command::kClose, command::kClearTree, command::kClearSubtree, command::kAddNote,
        command::kFind, command::kNewWindow, command::kCascade, command::kDropClearTree}) {
    QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
  }
  // Nothing selected in an empty tree: nothing to follow.
  QVERIFY(!Enabled(FollowCommand::kHyperonym));
  QVERIFY(!Enabled(command::kDropClearSubtree));
  QVERIFY(Enabled(command::kSaveView));
  // Nothing selected, and the view shows one language only.
  for (const int id : {command::kEquivalenceLink, command::kExportConcept, command::kShowLinks,
                       command::kFindEquivalences}) {
    QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
  }
  // The word field has the focus after New.
  QCOMPARE(frame.focusWidget(), &frame.ActiveFrame()->Input().WordEdit(BarSide::kLeft));

  frame.Run(command::kClose);
  QTRY_VERIFY(frame.Frames().isEmpty());
  QTRY_COMPARE(frame.menuBar()->actions().size(), 4);
  QVERIFY(!Enabled(command::kClose));
}

void ShellCommandsTest::closingTheLastViewResetsTheLinePane() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  frame.ActiveView()->LookUp(QStringLiteral("dog"));
  QVERIFY(frame.Panes().Text(PersonInterface::StatusPane::kLines) != "Ln 0 LnCnt 0");
  frame.ActiveFrame()->close();
  QTRY_COMPARE(frame.Panes().Text(PersonInterface::StatusPane::kLines),
               QStringLiteral("Ln 0 LnCnt 0"));
  QCOMPARE(frame.windowTitle(), QStringLiteral("Lumivue v1.3.1"));
}

void ShellCommandsTest::openDatabaseReplacesTheViews() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L -L");
  frame.ActiveView()->LookUp(QStringLiteral("dog"));
  QCOMPARE(frame.Frames().size(), 2);
  modals_->Then([this](QWidget& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    files.selectFile(wordNet_);
    static_cast<QDialog&>(files).accept();
  });
  frame.Run(command::kOpenDatabase);
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("Open Database")});
  // No question about saving: the views are gone and the database is open again.
  QVERIFY(modals_->messages.isEmpty());
  QVERIFY(frame.Frames().isEmpty());
  QCOMPARE(frame.Database().HasDatabase(), 1);
  QCOMPARE(frame.Panes().Text(PersonInterface::StatusPane::kLines), QStringLiteral("Ln 0 LnCnt 0"));
  QVERIFY(Enabled(command::kNewMonolingual));
  // New views are numbered on, each kind on its own.
  frame.Run(command::kNewMonolingual);
  QCOMPARE(frame.ActiveFrame()->windowTitle(), QStringLiteral("Monolingual View 3"));
  frame.Run(command::kNewMultilingual);
  QCOMPARE(frame.ActiveFrame()->windowTitle(), QStringLiteral("Multilingual View 1"));
}

void ShellCommandsTest::checkDatabaseShowsItsProgressAndCanBeStopped() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  QVERIFY(Enabled(command::kCheckDatabase));
  // The script cancels the progress dialog as soon as it comes up.
  frame.Run(command::kCheckDatabase);
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("Check Database")});
  QCOMPARE(modals_->messages.size(), 1);
  const QString report = modals_->messages.front();
  QVERIFY2(report.startsWith(QStringLiteral("Pages: ")), qPrintable(report));
  QVERIFY2(report.contains(QStringLiteral("The check was stopped before its end.")),
           qPrintable(report));
  QVERIFY2(report.endsWith(QStringLiteral("No damage found in the part checked.\n")),
           qPrintable(report));
  // The viewer's own database stays open and usable.
  QCOMPARE(frame.Database().HasDatabase(), 1);
}

void ShellCommandsTest::failedOpenLeavesNoDatabaseAndKeepsThePath() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  QVERIFY(!frame.OpenDatabase(QStringLiteral("/nonexistent/other.fdb")));
  QCOMPARE(modals_->messages,
           QStringList{QStringLiteral("Error opening Polylex database [/nonexistent/other.fdb]")});
  QVERIFY(frame.Frames().isEmpty());
  QCOMPARE(frame.Database().HasDatabase(), 0);
  QCOMPARE(frame.Database().Path(), std::string("/nonexistent/other.fdb"));
  QVERIFY(!Enabled(command::kNew));
}

void ShellCommandsTest::newWindowSharesTheDocumentAndCopiesLines() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  CLumivueView& first = *frame.ActiveView();
  first.LookUp(QStringLiteral("dog"));
  frame.Run(command::kNewWindow);
  const QList<CLumivueChildFrm*> frames = frame.Frames();
  QCOMPARE(frames.size(), 2);
  QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Monolingual View 1:1"));
  QCOMPARE(frames[1]->windowTitle(), QStringLiteral("Monolingual View 1:2"));
  CLumivueView& second = frames[1]->View();
  QCOMPARE(second.Document(), first.Document());
  QCOMPARE(second.ActivePane().Language(), first.ActivePane().Language());
  // The copy holds the top-level lines, each filled one level again: dog with Noun and Verb.
  const TreeListBox& copied = second.ActivePane().Lines();
  QCOMPARE(copied.VisibleCount(), std::size_t{3});
  QCOMPARE(copied.VisibleLine(0)->Text(), std::string("dog"));
  QCOMPARE(copied.VisibleLine(1)->Text(), std::string("Noun"));
  // Back to one window: the title loses its number.
  frames[1]->close();
  QTRY_COMPARE(frames[0]->windowTitle(), QStringLiteral("Monolingual View 1"));
}

void ShellCommandsTest::windowMenuListsTheWindowsWithTheActiveChecked() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L -T");
  const auto windowMenu = [&frame]() -> QMenu* {
    for (QAction* menu : frame.menuBar()->actions()) {
      if (menu->text() == QStringLiteral("&Window")) return menu->menu();
    }
    return nullptr;
  };
  // The items of the menu after its last separator, as "<text>" with "*" after the checked one.
  const auto listed = [&windowMenu] {
    QStringList items;
    for (QAction* action : windowMenu()->actions()) {
      if (action->isSeparator()) {
        items.clear();
      } else {
        items.append(action->text() + (action->isChecked() ? "*" : ""));
      }
    }
    return items;
  };
  QVERIFY(windowMenu() != nullptr);
  QCOMPARE(listed(), (QStringList{"&1 Monolingual View 1", "&2 Multilingual View 1*"}));

  // Choosing an item activates its window; the check mark follows.
  frame.WindowList().Items().first()->trigger();
  QTRY_COMPARE(frame.ActiveFrame(), frame.Frames().first());
  QCOMPARE(listed(), (QStringList{"&1 Monolingual View 1*", "&2 Multilingual View 1"}));
  // Choosing the active window again keeps its mark.
  frame.WindowList().Items().first()->trigger();
  QCoreApplication::processEvents();
  QCOMPARE(listed().first(), QStringLiteral("&1 Monolingual View 1*"));

  // New windows and new titles show at once.
  frame.Run(command::kNewWindow);
  QCOMPARE(listed(), (QStringList{"&1 Monolingual View 1:1", "&2 Multilingual View 1",
                                  "&3 Monolingual View 1:2*"}));
  frame.Frames().last()->close();
  QTRY_COMPARE(listed(), (QStringList{"&1 Monolingual View 1*", "&2 Multilingual View 1"}));

  // More than nine windows: the later ones have no number key.
  for (int count = 2; count < 10; ++count) frame.NewView(ViewKind::kMonolingual);
  QCOMPARE(listed().size(), 10);
  QCOMPARE(listed().at(8), QStringLiteral("&9 Monolingual View 8"));
  QCOMPARE(listed().at(9), QStringLiteral("10 Monolingual View 9*"));

  // Without windows the menu bar has no Window menu, and the list holds nothing.
  for (CLumivueChildFrm* window : frame.Frames()) window->close();
  QTRY_VERIFY(windowMenu() == nullptr);
  QVERIFY(frame.WindowList().Items().isEmpty());
}

void ShellCommandsTest::dataTipsFollowTheSettingInEveryView() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L -L");
  QAction* tips = frame.Commands().Action(command::kDataTips);
  QVERIFY(tips->isChecked());
  tips->trigger();
  QVERIFY(!tips->isChecked());
  for (CLumivueChildFrm* child : frame.Frames()) QVERIFY(!child->View().ActiveTree().DataTips());
  frame.Run(command::kNewMonolingual);
  QVERIFY(!frame.ActiveView()->ActiveTree().DataTips());
  tips->trigger();
  QVERIFY(tips->isChecked());
  for (CLumivueChildFrm* child : frame.Frames()) QVERIFY(child->View().ActiveTree().DataTips());
}

void ShellCommandsTest::fontChangeRemeasuresTheActiveView() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  CLumivueView& view = *frame.ActiveView();
  view.LookUp(QStringLiteral("dog"));
  const int before = view.ActiveTree().LineHeight();
  frame.ApplyFont(QFont(QStringLiteral("DejaVu Sans"), 24));
  QVERIFY2(view.ActiveTree().LineHeight() > before,
           qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(view.ActiveTree().LineHeight())));
  QCOMPARE(frame.Settings().fontSize, 240);
  // Whole points: 9.5 points is kept as 95 and drawn at 9.
  QFont nine(QStringLiteral("DejaVu Sans"));
  nine.setPointSizeF(9.5);
  frame.ApplyFont(nine);
  QCOMPARE(frame.Settings().fontSize, 95);
  QCOMPARE(frame.PaneFont().pointSize(), 9);
  // A new view starts with the frame's font.
  frame.Run(command::kNewMonolingual);
  QCOMPARE(frame.ActiveView()->ActiveTree().font().pointSize(), 9);
}

void ShellCommandsTest::inputBarToggles() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&frame));
  QToolBar& bar = frame.ActiveFrame()->InputToolBar();
  QVERIFY(frame.Commands().Action(command::kInputBar)->isChecked());
  frame.Run(command::kToggleInputBar);
  QVERIFY(bar.isHidden());
  QVERIFY(!frame.Commands().Action(command::kInputBar)->isChecked());
  frame.Commands().Action(command::kInputBar)->trigger();
  QVERIFY(!bar.isHidden());
}

void ShellCommandsTest::tilingSharesTheArea() {
  const auto stacked =
      WindowTiler::Tile(QRect(0, 0, 300, 100), 3, WindowTiler::Direction::kHorizontally);
  QCOMPARE(stacked.size(), std::size_t{3});
  QCOMPARE(stacked[0], QRect(0, 0, 300, 33));
  QCOMPARE(stacked[2], QRect(0, 66, 300, 34));
  const auto sideBySide =
      WindowTiler::Tile(QRect(10, 0, 300, 100), 2, WindowTiler::Direction::kVertically);
  QCOMPARE(sideBySide[1], QRect(160, 0, 150, 100));
  QVERIFY(WindowTiler::Tile(QRect(0, 0, 300, 100), 0, WindowTiler::Direction::kVertically).empty());
  const auto icons = WindowTiler::LineUp(QRect(0, 0, 250, 200), 3, QSize(100, 30));
  QCOMPARE(icons[0], QRect(0, 170, 100, 30));
  QCOMPARE(icons[1], QRect(100, 170, 100, 30));
  QCOMPARE(icons[2], QRect(0, 140, 100, 30));

  CMainFrame& frame = Start("-F " + wordNet_ + " -L -L");
  frame.show();
  QVERIFY(QTest::qWaitForWindowExposed(&frame));
  frame.Run(command::kTileVertically);
  const QList<CLumivueChildFrm*> frames = frame.Frames();
  QCOMPARE(frames[0]->geometry().top(), frames[1]->geometry().top());
  QVERIFY(frames[0]->geometry().left() != frames[1]->geometry().left());
}

void ShellCommandsTest::aboutBoxNamesVersion() {
  CMainFrame& frame = Start("-F " + wordNet_);
  QString shown;
  modals_->Then([&shown](QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) shown += label->text() + '\n';
    static_cast<QDialog&>(dialog).accept();
  });
  frame.Run(command::kAbout);
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("About Lumivue")});
  QVERIFY(shown.contains(QStringLiteral("Lumivue")));
  QVERIFY(shown.contains(QStringLiteral("1.3.1")));
}

Qt::CursorShape OverrideShape() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor != nullptr ? cursor->shape() : Qt::BitmapCursor;
}

void ShellCommandsTest::personAsksSetsPanesAndNestsTheWaitCursor() {
  QMainWindow window;
  StatusPanes panes(*window.statusBar());
  WindowPerson person(window, panes);

  person.ShowStatus(PersonInterface::StatusPane::kLines, "Ln 2 LnCnt 5");
  person.ShowStatus(PersonInterface::StatusPane::kFilter, "Filter On");
  QCOMPARE(panes.Text(PersonInterface::StatusPane::kLines), QStringLiteral("Ln 2 LnCnt 5"));
  QCOMPARE(panes.Text(PersonInterface::StatusPane::kFilter), QStringLiteral("Filter On"));
  QCOMPARE(panes.Text(PersonInterface::StatusPane::kMessage), QStringLiteral("Ready"));

  modals_->AnswerYes(true);
  QVERIFY(person.AskYesNo("Go on?"));
  modals_->AnswerYes(false);
  QVERIFY(!person.AskYesNo("Again?"));
  person.ShowMessage("Word not found !");
  QCOMPARE(modals_->messages, (QStringList{"Go on?", "Again?", "Word not found !"}));

  person.BeginWait();
  person.BeginWait();
  person.EndWait();
  QCOMPARE(OverrideShape(), Qt::WaitCursor);
  person.EndWait();
  QVERIFY(QApplication::overrideCursor() == nullptr);
  // An end without a beginning leaves alone a cursor someone else set.
  QApplication::setOverrideCursor(Qt::CrossCursor);
  person.EndWait();
  QCOMPARE(OverrideShape(), Qt::CrossCursor);
  QApplication::restoreOverrideCursor();
  // A wait still open when the person goes ends with it.
  {
    WindowPerson leaving(window, panes);
    leaving.BeginWait();
  }
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(ShellCommandsTest)
#include "ShellCommands_test.moc"
