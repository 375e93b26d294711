// The multilingual view in the viewer's windows, on WordNet 3.0 with the Dutch wordnet beside it:
// carrying concepts across with Find Equivalences, Equivalence Link and One-up One-down, walking
// the links, and keeping the view in a view file.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ShellSupport.h"
#include "bars/InputBar.h"
#include "files/ViewFileWriter.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueDoc.h"
#include "shell/CMainFrame.h"
#include "shell/CTwinBarView.h"
#include "shell/CommandId.h"
#include "shell/MessageTexts.h"
#include "tree/FollowCommand.h"
#include "tree/LinkConnections.h"
#include "tree/LinkView.h"
#include "tree/TreeListBoxWidget.h"

class TwinBarViewTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void findEquivalencesWorksFromEitherPane();
  void equivalenceLinkTwiceShowsTheEquivalentsTwice();
  void oneUpOneDownFromAHyperonymLine();
  void showLinksVisitsTheMatchesInTurn();
  void theStripJoinsTheSelectedLinesWithTheFocusPen();
  void tabGoesAroundTheListsAndTheBar();
  void newWindowCopiesBothPanesAndLanguages();
  void aSavedViewReopensFromTheCommandLine();
  void aFileThatIsNoViewFileOpensNoWindow();

 private:
  // Starts on the test database with one multilingual view, English left and Dutch right, and
  // "dog" looked up on the left.
  CTwinBarView& StartWithDog();
  ConceptPane& Left() { return view_->Panes().Pane(TwinPanes::kLeft); }
  ConceptPane& Right() { return view_->Panes().Pane(TwinPanes::kRight); }
  // The first visible line of `kind` at `level` or deeper; null when there is none.
  static TreeItem* FirstOf(ConceptPane& pane, LineKind kind, int level = 0);
  static int CountOf(ConceptPane& pane, LineKind kind);
  // Selects `line` as a click would, so that the commands' enabling follows.
  void Select(ConceptPane& pane, TreeItem* line);
  bool Enabled(int id) { return app_->MainFrame()->Commands().Action(id)->isEnabled(); }

  CTwinBarView* view_ = nullptr;
  QTemporaryDir folder_;
};

void TwinBarViewTest::init() {
  if (!BeginSession()) QSKIP("the test WordNet database was not built");
}

void TwinBarViewTest::cleanup() {
  view_ = nullptr;
  EndSession();
}

CTwinBarView& TwinBarViewTest::StartWithDog() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -T");
  // Shown and active, so that the focus can move between the lists.
  frame.show();
  frame.activateWindow();
  [&frame] { QVERIFY(QTest::qWaitForWindowActive(&frame)); }();
  CLumivueChildFrm& window = *frame.ActiveFrame();
  view_ = static_cast<CTwinBarView*>(&window.View());
  QComboBox& right = window.Input().LanguageCombo(BarSide::kRight);
  const int dutch = right.findData(QStringLiteral("NL"));
  if (dutch < 0) return *view_;
  window.Input().ChooseLanguage(BarSide::kRight, dutch + 1);
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  return *view_;
}

TreeItem* TwinBarViewTest::FirstOf(ConceptPane& pane, LineKind kind, int level) {
  const TreeListBox& lines = pane.Lines();
  for (std::size_t row = 0; row < lines.VisibleCount(); ++row) {
    TreeItem* line = lines.VisibleLine(row);
    if (line->Kind() == kind && line->Level() >= level) return line;
  }
  return nullptr;
}

int TwinBarViewTest::CountOf(ConceptPane& pane, LineKind kind) {
  int count = 0;
  const TreeListBox& lines = pane.Lines();
  for (std::size_t row = 0; row < lines.VisibleCount(); ++row) {
    if (lines.VisibleLine(row)->Kind() == kind) ++count;
  }
  return count;
}

void TwinBarViewTest::Select(ConceptPane& pane, TreeItem* line) {
  view_->Panes().SetActiveSide(&pane == &Left() ? TwinPanes::kLeft : TwinPanes::kRight);
  pane.Select(line);
  view_->LinesChanged();
}

void TwinBarViewTest::findEquivalencesWorksFromEitherPane() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  CMainFrame& frame = *app_->MainFrame();
  QVERIFY(Enabled(command::kFindEquivalences));
  frame.Run(command::kFindEquivalences);
  QVERIFY(modals_->messages.isEmpty());
  bool hond = false;
  for (const TreeItem* line = Right().Lines().First(); line != nullptr; line = line->Next()) {
    for (int i = 1; i <= line->VariantCount(); ++i) {
      hond = hond || line->Variant(i)->Text().starts_with("hond ");
    }
  }
  QVERIFY(hond);
  // The target's first line is selected and has the focus: the right pane is active now.
  QCOMPARE(view_->Panes().ActiveSide(), TwinPanes::kRight);

  // From the Dutch side back: the English pane is cleared and filled with the equivalents.
  frame.Run(command::kFindEquivalences);
  QCOMPARE(CountOf(Left(), LineKind::kWord), 0);
  QVERIFY(CountOf(Left(), LineKind::kConcept) > 0);

  // An empty active pane takes the other as the source.
  Right().ClearTree();
  while (Right().Lines().Count() > 0) Right().ClearTree();
  view_->Panes().SetActiveSide(TwinPanes::kRight);
  frame.Run(command::kFindEquivalences);
  QCOMPARE(view_->Panes().ActiveSide(), TwinPanes::kLeft);
  QVERIFY(CountOf(Right(), LineKind::kConcept) > 0);
}

void TwinBarViewTest::equivalenceLinkTwiceShowsTheEquivalentsTwice() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  QVERIFY(!Enabled(command::kEquivalenceLink));
  Select(Left(), FirstOf(Left(), LineKind::kIli));
  QVERIFY(Enabled(command::kEquivalenceLink));
  app_->MainFrame()->Commands().Action(command::kEquivalenceLink)->trigger();
  const int once = CountOf(Right(), LineKind::kConcept);
  QVERIFY(once > 0);
  // Ctrl+F9 in the list: added below what the pane shows.
  QTest::keyClick(view_->TreeOf(BarSide::kLeft), Qt::Key_F9, Qt::ControlModifier);
  QCOMPARE(CountOf(Right(), LineKind::kConcept), 2 * once);
}

void TwinBarViewTest::oneUpOneDownFromAHyperonymLine() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  CMainFrame& frame = *app_->MainFrame();
  Select(Left(), FirstOf(Left(), LineKind::kConcept));
  frame.Run(FollowCommand::kHyperonym);
  // A hyperonym of dog 1, under its relation line.
  TreeItem* relation = FirstOf(Left(), LineKind::kRelation);
  QVERIFY(relation != nullptr);
  TreeItem* hyperonym = relation->Next();
  QCOMPARE(hyperonym->Kind(), LineKind::kConcept);
  Select(Left(), hyperonym);
  QVERIFY(Enabled(command::kOneUpOneDown));
  frame.Run(command::kOneUpOneDown);
  QVERIFY2(modals_->messages.isEmpty(), qPrintable(modals_->messages.join('|')));
  // Dog 1's Dutch equivalents, each followed down its hyperonym relation.
  QVERIFY(CountOf(Right(), LineKind::kRelation) > 0);
  QVERIFY(FirstOf(Right(), LineKind::kConcept, 1) != nullptr);

  // From a line without a relation above it there is nothing to do but say so.
  Select(Left(), FirstOf(Left(), LineKind::kConcept));
  frame.Run(command::kOneUpOneDown);
  QCOMPARE(modals_->messages.value(0), QString::fromUtf8(message::kOneUpNeedsParentLink.text));
}

void TwinBarViewTest::showLinksVisitsTheMatchesInTurn() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  CMainFrame& frame = *app_->MainFrame();
  frame.Run(command::kFindEquivalences);
  // Twice the same equivalents on the right: every ILI line of the left has two matches.
  TreeItem* ili = FirstOf(Left(), LineKind::kIli);
  Select(Left(), ili);
  frame.Run(command::kEquivalenceLink);
  Select(Left(), ili);
  const std::int32_t id = ili->LinkIds().front();
  std::vector<int> visited;
  for (int use = 0; use < 3; ++use) {
    QTest::keyClick(view_->TreeOf(BarSide::kLeft), Qt::Key_Return, Qt::ControlModifier);
    const TreeItem* match = Right().Lines().Selected();
    QVERIFY(match != nullptr);
    QVERIFY(std::find(match->LinkIds().begin(), match->LinkIds().end(), id) !=
            match->LinkIds().end());
    visited.push_back(Right().Lines().SelectedIndex());
    // The source keeps its selection.
    QCOMPARE(Left().Lines().Selected(), ili);
  }
  QVERIFY(visited[0] != visited[1]);
  QCOMPARE(visited[2], visited[0]);
}

void TwinBarViewTest::theStripJoinsTheSelectedLinesWithTheFocusPen() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  app_->MainFrame()->Run(command::kFindEquivalences);
  const auto plain =
      LinkConnections::Between(Left().Lines(), Right().Lines(), LinkConnections::Focus::kNone);
  QVERIFY(!plain.empty());
  for (const auto& connection : plain) QCOMPARE(connection.pen, LinkConnections::Pen::kConnection);

  TreeItem* ili = FirstOf(Left(), LineKind::kIli);
  Select(Left(), ili);
  QTest::keyClick(view_->TreeOf(BarSide::kLeft), Qt::Key_Return, Qt::ControlModifier);
  const auto focused =
      LinkConnections::Between(Left().Lines(), Right().Lines(), LinkConnections::Focus::kLeft);
  QCOMPARE(focused.size(), plain.size());
  QCOMPARE(focused.back().pen, LinkConnections::Pen::kFocus);
  QCOMPARE(focused.back().leftIndex, Left().Lines().SelectedIndex());
  QCOMPARE(focused.back().rightIndex, Right().Lines().SelectedIndex());
  // The strip stands between the lists, a tenth of the view wide.
  view_->resize(1000, 400);
  QCOMPARE(view_->Links().geometry(), QRect(450, 0, 100, 400));
  QCOMPARE(view_->TreeOf(BarSide::kRight)->geometry(), QRect(550, 0, 450, 400));
}

void TwinBarViewTest::tabGoesAroundTheListsAndTheBar() {
  StartWithDog();
  CLumivueChildFrm& window = *app_->MainFrame()->ActiveFrame();
  QWidget* left = view_->TreeOf(BarSide::kLeft);
  QWidget* right = view_->TreeOf(BarSide::kRight);
  left->setFocus();
  QTest::keyClick(left, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), right);
  QTest::keyClick(right, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), &window.Input().LanguageCombo(BarSide::kLeft));
  // Backwards from the left list: the right Lookup button, or its edit while it is disabled.
  left->setFocus();
  QTest::keyClick(left, Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), &window.Input().WordEdit(BarSide::kRight));
  window.Input().WordEdit(BarSide::kRight).setText(QStringLiteral("hond"));
  left->setFocus();
  QTest::keyClick(left, Qt::Key_Backtab, Qt::ShiftModifier);
  QCOMPARE(QApplication::focusWidget(), &window.Input().LookUpButton(BarSide::kRight));

  // Without the input bar Tab only goes from list to list.
  app_->MainFrame()->Run(command::kInputBar);
  QTest::keyClick(right, Qt::Key_Tab);
  right->setFocus();
  QTest::keyClick(right, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), left);
  QTest::keyClick(left, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), right);
}

void TwinBarViewTest::newWindowCopiesBothPanesAndLanguages() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  CMainFrame& frame = *app_->MainFrame();
  frame.Run(command::kFindEquivalences);
  const std::string lines = ViewFileWriter::TextOf(Left(), &Right());
  frame.Run(command::kNewWindow);
  QCOMPARE(frame.Frames().size(), 2);
  CLumivueChildFrm& copy = *frame.ActiveFrame();
  QCOMPARE(copy.windowTitle(), QStringLiteral("Multilingual View 1:2"));
  QCOMPARE(copy.Input().LanguageCode(BarSide::kRight), std::string("NL"));
  view_ = static_cast<CTwinBarView*>(&copy.View());
  // Each pane's top-level lines, filled one level where they were unfolded: "dog" with its two
  // parts of speech folded; the Dutch concepts as they were.
  const QString copied = QString::fromStdString(ViewFileWriter::TextOf(Left(), &Right()));
  QVERIFY2(copied.contains(QStringLiteral(
               "#Language:EN\n#Outline:0WO|1PCNoun|1PCVerb|\nL|dog|OCC\n#Language:NL\n")),
           qPrintable(copied));
  const QString original = QString::fromStdString(lines);
  QCOMPARE(copied.mid(copied.indexOf("#Language:NL")),
           original.mid(original.indexOf("#Language:NL")));
}

void TwinBarViewTest::aSavedViewReopensFromTheCommandLine() {
  StartWithDog();
  if (Right().Language() != "NL") QSKIP("the test database has no Dutch wordnet");
  CMainFrame& frame = *app_->MainFrame();
  // Dog 1 and its hyperonym relation unfolded, as double clicks do. (Lines made by a Follow
  // command would come back as a full unfolding: the file keeps letters, not commands.)
  TreeItem* dog = FirstOf(Left(), LineKind::kConcept);
  Select(Left(), dog);
  Left().ExpandLine(*dog);
  Left().ExpandLine(*FirstOf(Left(), LineKind::kRelation));
  view_->LinesChanged();
  frame.Run(command::kFindEquivalences);
  const std::string before = ViewFileWriter::TextOf(Left(), &Right());
  QVERIFY(before.find("#Language:NL\n") != std::string::npos);
  // Word, part of speech, dog 1 and its relation line unfolded.
  QVERIFY(before.find("L|dog|OOOO") != std::string::npos);

  const QString path = folder_.filePath(QStringLiteral("dog and hond.wl"));
  modals_->Then([path](QWidget& dialog) {
    auto& files = static_cast<QFileDialog&>(dialog);
    files.selectFile(path);
    static_cast<QDialog&>(files).accept();
  });
  frame.Run(command::kSaveView);
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("Save View As")});
  QCOMPARE(frame.ActiveFrame()->windowTitle(), QStringLiteral("dog and hond.wl"));
  QCOMPARE(frame.ViewFiles().Recent().Paths().front(), path.toStdString());
  // Saving again writes to the same file without asking.
  frame.Run(command::kSaveView);
  QCOMPARE(modals_->dialogs.size(), 1);

  CMainFrame& next = Start("-F " + wordNet_ + " \"" + path + "\"");
  QCOMPARE(next.Frames().size(), 1);
  CLumivueChildFrm& window = *next.ActiveFrame();
  QVERIFY(window.View().IsMultilingual());
  QCOMPARE(window.windowTitle(), QStringLiteral("dog and hond.wl"));
  QCOMPARE(window.Input().LanguageCode(BarSide::kRight), std::string("NL"));
  view_ = static_cast<CTwinBarView*>(&window.View());
  QCOMPARE(QString::fromStdString(ViewFileWriter::TextOf(Left(), &Right())),
           QString::fromStdString(before));
}

void TwinBarViewTest::aFileThatIsNoViewFileOpensNoWindow() {
  const QString path = folder_.filePath(QStringLiteral("notes.wl"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("dog\nhond\n");
  file.close();
  CMainFrame& frame = Start("-F " + wordNet_ + " " + path);
  QVERIFY(frame.Frames().isEmpty());
  QCOMPARE(modals_->messages, QStringList{QString::fromUtf8(message::kViewFileKindUnknown.text)});
  QVERIFY(frame.ViewFiles().Open(path) == nullptr);
  QVERIFY(frame.Frames().isEmpty());
  QVERIFY(frame.ViewFiles().Recent().Paths().empty());
}

QTEST_MAIN(TwinBarViewTest)
#include "TwinBarView_test.moc"
