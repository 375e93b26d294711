// A monolingual view inside the main window: the look-up from the word field, the status pane,
// the context menu, and the tree commands run from menus and keys.
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

#include "ShellSupport.h"
#include "bars/InputBar.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandId.h"
#include "tree/FollowCommand.h"
#include "tree/TreeListBoxWidget.h"

class ShellViewTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void lookUpFromTheWordFieldFillsTheTree();
  void unknownWordIsReported();
  void inflectedWordShowsItsBaseFormAndSaysSo();
  void clickingARowSelectsItAndEnablesItsCommands();
  void contextMenuOffersTheSelectedLinesCommands();
  void followCommandsAddRelationLines();
  void lookUpOfTheCurrentVariantAddsAWordLine();
  void clearingSubtreeAndTree();
  void noteIsAddedAboveTheSelectedTree();
  void findSelectsTheMatchingVariant();
  void printPreviewShowsTheLines();

 private:
  // Starts with one view, "dog" looked up in it, the window shown and large enough for its rows.
  void StartWithDog();
  void Reactivate() {
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_));
  }
  int RowOf(LineKind kind) const;
  void Click(int row, Qt::MouseButton button = Qt::LeftButton);
  QString LinePane() const { return frame_->Panes().Text(PersonInterface::StatusPane::kLines); }

  CMainFrame* frame_ = nullptr;
  CLumivueView* view_ = nullptr;
};

void ShellViewTest::init() {
  if (!BeginSession()) QSKIP("the test WordNet database was not built");
}

void ShellViewTest::cleanup() {
  EndSession();
}

void ShellViewTest::StartWithDog() {
  app_ = std::make_unique<CLumivueApp>("-F " + wordNet_ + " -L");
  app_->InitInstance();
  frame_ = app_->MainFrame();
  frame_->setGeometry(0, 0, 1000, 900);
  // Keys reach the commands only in the active window.
  Reactivate();
  frame_->ActiveFrame()->showMaximized();
  view_ = frame_->ActiveView();
  QLineEdit& edit = frame_->ActiveFrame()->Input().WordEdit(BarSide::kLeft);
  QTest::keyClicks(&edit, QStringLiteral("dog"));
  QTest::keyClick(&edit, Qt::Key_Return);
  QVERIFY(view_->ActivePane().Lines().VisibleCount() > 0);
}

int ShellViewTest::RowOf(LineKind kind) const {
  const TreeListBox& lines = view_->ActivePane().Lines();
  for (std::size_t row = 0; row < lines.VisibleCount(); ++row) {
    if (lines.VisibleLine(row)->Kind() == kind) return static_cast<int>(row);
  }
  return -1;
}

void ShellViewTest::Click(int row, Qt::MouseButton button) {
  TreeListBoxWidget& tree = view_->ActiveTree();
  const QRect rect = tree.LineRect(row);
  QVERIFY(tree.viewport()->rect().contains(rect.center()));
  // Right of the expand mark, so that the click selects without toggling.
  const QPoint at(rect.right() - 4, rect.center().y());
  if (button == Qt::RightButton) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree.viewport(), &event);
  } else {
    QTest::mouseClick(tree.viewport(), button, {}, at);
  }
}

void ShellViewTest::lookUpFromTheWordFieldFillsTheTree() {
  StartWithDog();
  const TreeListBox& lines = view_->ActivePane().Lines();
  QCOMPARE(lines.VisibleLine(0)->Kind(), LineKind::kWord);
  QCOMPARE(lines.VisibleLine(0)->Text(), std::string("dog"));
  QCOMPARE(lines.VisibleLine(1)->Text(), std::string("Noun"));
  QCOMPARE(lines.SelectedIndex(), 0);
  const int rows = static_cast<int>(lines.VisibleCount());
  QCOMPARE(LinePane(), QStringLiteral("Ln 1 LnCnt %1").arg(rows));
  // The tree draws every row the pane has, and no more.
  QVERIFY(!view_->ActiveTree().LineRect(rows - 1).isEmpty());
  QVERIFY(view_->ActiveTree().LineRect(rows).isEmpty());
  QVERIFY(modals_->messages.isEmpty());
}

void ShellViewTest::unknownWordIsReported() {
  StartWithDog();
  const std::size_t before = view_->ActivePane().Lines().VisibleCount();
  view_->LookUp(QStringLiteral("qzxwvk"));
  QCOMPARE(modals_->messages, QStringList{QStringLiteral("Word not found !")});
  QCOMPARE(view_->ActivePane().Lines().VisibleCount(), before);
}

void ShellViewTest::inflectedWordShowsItsBaseFormAndSaysSo() {
  StartWithDog();
  view_->LookUp(QStringLiteral("geese"));
  const TreeListBox& lines = view_->ActivePane().Lines();
  QCOMPARE(lines.VisibleLine(0)->Text(), std::string("goose"));
  QCOMPARE(lines.SelectedIndex(), 0);
  QCOMPARE(frame_->Panes().Text(PersonInterface::StatusPane::kMessage),
           QStringLiteral("geese: showing goose"));
  QVERIFY(modals_->messages.isEmpty());
}

void ShellViewTest::clickingARowSelectsItAndEnablesItsCommands() {
  StartWithDog();
  QAction* hyperonym = frame_->Commands().Action(FollowCommand::kHyperonym);
  QAction* dropClearSubtree = frame_->Commands().Action(command::kDropClearSubtree);
  QVERIFY(!hyperonym->isEnabled());
  const int conceptRow = RowOf(LineKind::kConcept);
  Click(conceptRow);
  QCOMPARE(view_->ActivePane().Lines().SelectedIndex(), conceptRow);
  QCOMPARE(LinePane().section(' ', 0, 1), QStringLiteral("Ln %1").arg(conceptRow + 1));
  QVERIFY(hyperonym->isEnabled());
  QVERIFY(dropClearSubtree->isEnabled());
  Click(RowOf(LineKind::kIli));
  QVERIFY(!hyperonym->isEnabled());
  QVERIFY(!dropClearSubtree->isEnabled());
}

void ShellViewTest::contextMenuOffersTheSelectedLinesCommands() {
  StartWithDog();
  QMenu& menu = frame_->ContextMenu();
  const int conceptRow = RowOf(LineKind::kConcept);
  Click(conceptRow, Qt::RightButton);
  QTRY_VERIFY(menu.isVisible());
  QCOMPARE(view_->ActivePane().Lines().SelectedIndex(), conceptRow);
  QStringList items;
  for (QAction* action : menu.actions()) {
    if (!action->isSeparator()) items.append(action->text());
  }
  QCOMPARE(items, (QStringList{"&Lookup", "&Follow", "Clear &Subtree\tDel", "Clear &Tree\tCtrl+Del",
                               "&Export Concept\tCtrl+Shift+E"}));
  QVERIFY(menu.actions().front()->isEnabled());
  menu.hide();

  Click(RowOf(LineKind::kWord), Qt::RightButton);
  QTRY_VERIFY(menu.isVisible());
  QVERIFY(!menu.actions().front()->isEnabled());
  menu.hide();
}

void ShellViewTest::followCommandsAddRelationLines() {
  StartWithDog();
  ConceptPane& pane = view_->ActivePane();
  const int conceptRow = RowOf(LineKind::kConcept);
  Click(conceptRow);
  TreeItem* line = pane.Lines().Selected();
  frame_->Commands().Action(FollowCommand::kHyperonym)->trigger();
  TreeItem* relation = pane.Lines().FirstChild(*line);
  QVERIFY(relation != nullptr);
  QCOMPARE(relation->Kind(), LineKind::kRelation);
  QVERIFY(pane.Lines().FirstChild(*relation) != nullptr);
  QCOMPARE(LinePane(),
           QStringLiteral("Ln %1 LnCnt %2").arg(conceptRow + 1).arg(pane.Lines().VisibleCount()));

  // Ctrl+F11 in the tree is Top hyperonym.
  QTest::keyClick(&view_->ActiveTree(), Qt::Key_F11, Qt::ControlModifier);
  bool walked = false;
  for (TreeItem* child = pane.Lines().FirstChild(*line); child != nullptr;
       child = pane.Lines().NextSibling(*child)) {
    walked = walked || child->Text() == "Top hyperonym";
  }
  QVERIFY(walked);
  // dog has no cause links: the command says so.
  frame_->Commands().Action(FollowCommand::kCause)->trigger();
  QCOMPARE(modals_->messages, QStringList{QStringLiteral("No Cause <=> links available")});
}

void ShellViewTest::lookUpOfTheCurrentVariantAddsAWordLine() {
  StartWithDog();
  Click(RowOf(LineKind::kConcept));
  frame_->Commands().Action(command::kLookUpVariant)->trigger();
  int wordLines = 0;
  for (const TreeItem* line = view_->ActivePane().Lines().First(); line != nullptr;
       line = line->Next()) {
    if (line->Kind() == LineKind::kWord) ++wordLines;
  }
  QCOMPARE(wordLines, 2);
  QCOMPARE(view_->ActivePane().Lines().SelectedIndex(), 0);
}

void ShellViewTest::clearingSubtreeAndTree() {
  StartWithDog();
  ConceptPane& pane = view_->ActivePane();
  Click(RowOf(LineKind::kIli));
  frame_->Run(command::kClearSubtree);
  QCOMPARE(modals_->messages, QStringList{QStringLiteral("Cannot delete an ILI record !")});

  const std::size_t before = pane.Lines().VisibleCount();
  // Keys go nowhere until the main window is active again after the box (which the offscreen
  // display, having no window manager, does not do by itself).
  Reactivate();
  Click(RowOf(LineKind::kConcept));
  QTest::keyClick(&view_->ActiveTree(), Qt::Key_Delete);
  QVERIFY(pane.Lines().VisibleCount() < before);

  QTest::keyClick(&view_->ActiveTree(), Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(pane.Lines().Count(), std::size_t{0});
  QCOMPARE(LinePane(), QStringLiteral("Ln 0 LnCnt 0"));
  QVERIFY(!frame_->Commands().Action(command::kDropClearSubtree)->isEnabled());
}

void ShellViewTest::noteIsAddedAboveTheSelectedTree() {
  StartWithDog();
  modals_->Then([](QWidget& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add or Edit a Note"));
    dialog.findChild<QLineEdit*>()->setText(QStringLiteral("pets first"));
    static_cast<QDialog&>(dialog).accept();
  });
  Click(RowOf(LineKind::kConcept));
  frame_->Run(command::kAddNote);
  const TreeListBox& lines = view_->ActivePane().Lines();
  QCOMPARE(lines.VisibleLine(0)->Kind(), LineKind::kNote);
  QCOMPARE(lines.VisibleLine(0)->Text(), std::string("pets first"));
  QCOMPARE(lines.SelectedIndex(), 0);
  // Cancelled, the dialog adds nothing.
  const std::size_t count = lines.Count();
  frame_->Run(command::kAddNote);
  QCOMPARE(lines.Count(), count);
}

void ShellViewTest::findSelectsTheMatchingVariant() {
  StartWithDog();
  modals_->Then([](QWidget& dialog) {
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Find a word"));
    dialog.findChild<QLineEdit*>()->setText(QStringLiteral("Domestic"));
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == "Next") button->click();
    }
  });
  frame_->Run(command::kFind);
  const TreeItem* found = view_->ActivePane().Lines().Selected();
  QVERIFY(found != nullptr);
  QCOMPARE(found->Kind(), LineKind::kConcept);
  const VariantLine* variant = found->Variant(found->CurrentVariant());
  QVERIFY(variant != nullptr);
  QCOMPARE(QString::fromStdString(variant->Text()), QStringLiteral("domestic dog :1"));
  QVERIFY(modals_->messages.isEmpty());

  // Up from the first match: nothing above it holds the word.
  Reactivate();
  QTest::keyClick(frame_, Qt::Key_F3, Qt::ShiftModifier);
  QCOMPARE(modals_->messages, QStringList{QStringLiteral("Word not found !")});
  QCOMPARE(view_->ActivePane().Lines().Selected(), found);
}

void ShellViewTest::printPreviewShowsTheLines() {
  StartWithDog();
  // Enough rows for more than one page: an empty preview shows one blank page all the same.
  for (const char* word : {"run", "set", "break", "cut"}) view_->LookUp(QString::fromUtf8(word));
  int pages = 0;
  modals_->Then([&pages](QWidget& dialog) {
    QVERIFY(qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr);
    pages = dialog.findChild<QPrintPreviewWidget*>()->pageCount();
    dialog.close();
  });
  frame_->Run(command::kPrintPreview);
  QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
}

QTEST_MAIN(ShellViewTest)
#include "ShellView_test.moc"
