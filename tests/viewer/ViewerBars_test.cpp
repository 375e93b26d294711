// The bars in the viewer's own windows: the input and browse bars of a view window, the
// information and filter bars of the main window, and Export Concept, driven as a person would.
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>
#include "LanguageWordNet.h"

#include "ShellSupport.h"
#include "bars/BrowseBar.h"
#include "bars/ExportPage.h"
#include "bars/FilterBar.h"
#include "bars/FilterState.h"
#include "bars/GlossPage.h"
#include "bars/InfoBar.h"
#include "bars/InputBar.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandId.h"
#include "shell/StatusPanes.h"
#include "shell/WideText.h"
#include "tree/ConceptItem.h"
#include "tree/TreeListBoxWidget.h"

class ViewerBarsTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void typingFillsTheDockedBrowseBar();
  void queryModeLooksUpTheTextAndListsPatterns();
  void infoPagesFollowTheSelectedLine();
  void filterPresetActsAtTheNextLookUp();
  void filterBarShowsWholeRelationNamesAtTheDefaultSize();
  void newWindowBrowsesFromItsWord();
  void exportConceptWritesTheLibraryText();

 private:
  // Starts on the test database with one view window, shown and active.
  CLumivueChildFrm& StartWithView();
  // Moves the selection down with the arrow key until a line of `kind` is selected.
  const TreeItem* SelectWithKeys(LineKind kind);
  const TreeItem* Selected() const { return Pane().Lines().Selected(); }
  ConceptPane& Pane() const { return app_->MainFrame()->ActiveView()->ActivePane(); }
  // The text of the top-level lines of the pane, of `kind`.
  QStringList LinesOf(LineKind kind) const;
  std::string LibraryExportText(const ConceptItem& line);

  CLumivueChildFrm* window_ = nullptr;
};

void ViewerBarsTest::init() {
  if (!BeginSession()) QSKIP("the test WordNet database was not built");
}

void ViewerBarsTest::cleanup() {
  window_ = nullptr;
  EndSession();
}

CLumivueChildFrm& ViewerBarsTest::StartWithView() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  frame.setGeometry(0, 0, 1000, 800);
  frame.show();
  frame.activateWindow();
  [&frame] { QVERIFY(QTest::qWaitForWindowActive(&frame)); }();
  window_ = frame.ActiveFrame();
  window_->showMaximized();
  return *window_;
}

const TreeItem* ViewerBarsTest::SelectWithKeys(LineKind kind) {
  TreeListBoxWidget& tree = window_->View().ActiveTree();
  tree.setFocus();
  for (std::size_t step = 0; step < Pane().Lines().VisibleCount(); ++step) {
    if (Selected() != nullptr && Selected()->Kind() == kind) return Selected();
    QTest::keyClick(&tree, Qt::Key_Down);
  }
  return nullptr;
}

QStringList ViewerBarsTest::LinesOf(LineKind kind) const {
  QStringList texts;
  const TreeListBox& lines = Pane().Lines();
  for (std::size_t row = 0; row < lines.VisibleCount(); ++row) {
    if (lines.VisibleLine(row)->Kind() == kind) {
      texts.append(QString::fromStdString(lines.VisibleLine(row)->Text()));
    }
  }
  return texts;
}

std::string ViewerBarsTest::LibraryExportText(const ConceptItem& line) {
  BSTR text = nullptr;
  app_->MainFrame()
      ->Database()
      .FindLanguage(Pane().Language())
      ->WordNet()
      .ExportConcept(line.GetConcept(), &text);
  return WideText::Take(text);
}

void ViewerBarsTest::typingFillsTheDockedBrowseBar() {
  CLumivueChildFrm& window = StartWithView();
  InputBar& input = window.Input();
  QLineEdit& edit = input.WordEdit(BarSide::kLeft);
  QCOMPARE(input.ModeCombo().currentText(), QStringLiteral("Browse"));
  QCOMPARE(Pane().Language(), input.LanguageCode(BarSide::kLeft));
  edit.setFocus();
  QTest::keyClicks(&edit, QStringLiteral("do"));
  QTRY_COMPARE_WITH_TIMEOUT(window.Browse().Forms().value(0), QStringLiteral("do"),
                            4 * InputBar::kBrowseDelayMs);
  QVERIFY(window.BrowseDock().isVisible());
  QCOMPARE(window.Browse().Forms().size(), 71);
  QVERIFY(app_->MainFrame()->Commands().Action(command::kBrowseBar)->isChecked());
  // The browse bar stands at the left edge, beside the left pane.
  QVERIFY(window.BrowseDock().geometry().right() <=
          window.View().mapTo(window.widget(), QPoint(0, 0)).x());

  // A double click on a form looks it up in the pane.
  QListWidget& list = window.Browse().List();
  const int row = 3;
  const QString form = list.item(row)->text();
  // Through the main window, so that the clicks come as a person's.
  CMainFrame& frame = *app_->MainFrame();
  QTest::mouseDClick(frame.windowHandle(), Qt::LeftButton, {},
                     list.viewport()->mapTo(&frame, list.visualItemRect(list.item(row)).center()));
  QCOMPARE(LinesOf(LineKind::kWord).value(0), form);

  // Lookup in Browse mode takes the first listed form, not the text as typed.
  edit.setText(QStringLiteral("dogg"));
  QTest::mouseClick(&input.LookUpButton(BarSide::kLeft), Qt::LeftButton);
  const QString first = window.Browse().Forms().value(0);
  QVERIFY(first.startsWith(QStringLiteral("dogg")) && first != QStringLiteral("dogg"));
  QCOMPARE(LinesOf(LineKind::kWord).value(0), first);

  // The Browse Dialog command hides and shows the bar.
  app_->MainFrame()->Run(command::kBrowseBar);
  QVERIFY(window.BrowseDock().isHidden());
  QVERIFY(!app_->MainFrame()->Commands().Action(command::kBrowseBar)->isChecked());
}

void ViewerBarsTest::queryModeLooksUpTheTextAndListsPatterns() {
  CLumivueChildFrm& window = StartWithView();
  InputBar& input = window.Input();
  QLineEdit& edit = input.WordEdit(BarSide::kLeft);
  edit.setFocus();
  QTest::keyClick(&edit, Qt::Key_F2);
  QCOMPARE(input.ModeCombo().currentText(), QStringLiteral("Query"));
  QVERIFY(window.BrowseDock().isHidden());

  // A pattern lists the matching forms and looks nothing up.
  QTest::keyClicks(&edit, QStringLiteral("do?"));
  QTest::keyClick(&edit, Qt::Key_Return);
  QVERIFY(window.BrowseDock().isVisible());
  const QStringList forms = window.Browse().Forms();
  QVERIFY(forms.contains(QStringLiteral("dog")));
  for (const QString& form : forms) {
    QVERIFY2(form.size() == 3 && form.startsWith(QStringLiteral("do"), Qt::CaseInsensitive),
             qPrintable(form));
  }
  QCOMPARE(Pane().Lines().VisibleCount(), std::size_t{0});

  // A plain word is looked up as typed.
  edit.setText(QStringLiteral("dogg"));
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(Pane().Lines().VisibleCount(), std::size_t{0});
  QCOMPARE(modals_->messages.value(0), QStringLiteral("Word not found !"));
  QVERIFY(window.BrowseDock().isHidden());
  edit.setText(QStringLiteral("dog"));
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(LinesOf(LineKind::kWord), QStringList{QStringLiteral("dog")});
}

void ViewerBarsTest::infoPagesFollowTheSelectedLine() {
  CLumivueChildFrm& window = StartWithView();
  CMainFrame& frame = *app_->MainFrame();
  InfoBar& info = frame.Information();
  QVERIFY(frame.InfoDock().isVisible());
  auto& gloss = static_cast<GlossPage&>(info.Page(InfoPages::kGloss));
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  QCOMPARE(Selected()->Kind(), LineKind::kWord);
  QVERIFY(gloss.ShowsPrompt());

  QVERIFY(SelectWithKeys(LineKind::kConcept) != nullptr);
  QVERIFY(!gloss.ShowsPrompt());
  QCOMPARE(gloss.LanguageLabel().text(), QStringLiteral("English"));
  QVERIFY(gloss.Definition().toPlainText().contains(QStringLiteral("genus Canis")));
  QVERIFY(!gloss.Definition().isHidden());

  QVERIFY(SelectWithKeys(LineKind::kIli) != nullptr);
  QVERIFY(!gloss.ShowsPrompt());
  QVERIFY(gloss.Definition().isHidden());
  QVERIFY(gloss.Ili().toPlainText().contains(QStringLiteral("genus Canis")));

  // The pages let go of a pane whose window closes.
  window.close();
  QTRY_VERIFY(frame.Frames().isEmpty());
  QVERIFY(gloss.ShowsPrompt());
  info.setCurrentIndex(InfoPages::kSynset);
  QVERIFY(info.Page(InfoPages::kSynset).ShowsPrompt());
}

void ViewerBarsTest::filterPresetActsAtTheNextLookUp() {
  CLumivueChildFrm& window = StartWithView();
  CMainFrame& frame = *app_->MainFrame();
  QCOMPARE(frame.Panes().Text(PersonInterface::StatusPane::kFilter), QStringLiteral("Filter Off"));
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  QCOMPARE(LinesOf(LineKind::kPartOfSpeech), (QStringList{"Noun", "Verb"}));

  // Only nouns: every part of speech off, then Noun on again.
  FilterBar& filters = frame.Filters();
  filters.ApplyPreset(static_cast<int>(FilterState::Preset::kDeselectAllPartsOfSpeech));
  const QList<QTreeWidgetItem*> noun =
      filters.Tree().findItems(QStringLiteral("Noun"), Qt::MatchExactly | Qt::MatchRecursive);
  QCOMPARE(noun.size(), 1);
  noun.first()->setCheckState(0, Qt::Checked);
  // The root's mark turns the filter of its children on.
  noun.first()->parent()->setCheckState(0, Qt::Checked);
  QCOMPARE(frame.Panes().Text(PersonInterface::StatusPane::kFilter), QStringLiteral("Filter On"));
  // The lines made before stay as they are.
  QCOMPARE(LinesOf(LineKind::kPartOfSpeech), (QStringList{"Noun", "Verb"}));

  frame.Run(command::kClearTree);
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  QCOMPARE(LinesOf(LineKind::kPartOfSpeech), QStringList{QStringLiteral("Noun")});

  // Opening the database again starts with everything on.
  QVERIFY(frame.OpenDatabase(wordNet_));
  QCOMPARE(frame.Panes().Text(PersonInterface::StatusPane::kFilter), QStringLiteral("Filter Off"));
  QCOMPARE(filters.Tree().topLevelItemCount(), 2);
}

void ViewerBarsTest::filterBarShowsWholeRelationNamesAtTheDefaultSize() {
  // The settings of the test are empty: the window comes up at its default place and size.
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  frame.ShowAsSettingsSay();
  QVERIFY(QTest::qWaitForWindowExposed(&frame));
  QCOMPARE(frame.size(), QSize(490, 390));
  QTreeWidget& tree = frame.Filters().Tree();
  // Every item has room for its check box and its whole name in the column...
  const int checkBox = tree.style()->pixelMetric(QStyle::PM_IndicatorWidth);
  const int column = tree.columnWidth(0);
  for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it) {
    const QString name = (*it)->text(0);
    const QRect rect = tree.visualItemRect(*it);
    QVERIFY2(rect.width() >= checkBox + tree.fontMetrics().horizontalAdvance(name),
             qPrintable(name));
    QVERIFY(rect.right() < column);
  }
  // ...and the bar shows the whole column: nothing to scroll sideways.
  QTRY_VERIFY(tree.viewport()->width() >= column);
  QCOMPARE(tree.horizontalScrollBar()->maximum(), 0);
  // The view window keeps room beside it.
  QVERIFY(frame.ActiveFrame()->width() >= 200);
}

void ViewerBarsTest::newWindowBrowsesFromItsWord() {
  CLumivueChildFrm& window = StartWithView();
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  CMainFrame& frame = *app_->MainFrame();
  frame.Run(command::kNewWindow);
  CLumivueChildFrm& copy = *frame.ActiveFrame();
  QVERIFY(&copy != &window);
  QCOMPARE(copy.Input().Text(BarSide::kLeft), QStringLiteral("dog"));
  QCOMPARE(copy.Input().Mode(), InputBarState::Mode::kBrowse);
  QVERIFY(copy.BrowseDock().isVisible());
  QCOMPARE(copy.Browse().Forms().value(0), QStringLiteral("dog"));
  // Nor does the focus coming to its word field, or the time passing, start the list elsewhere.
  copy.Input().WordEdit(BarSide::kLeft).setFocus();
  QTest::qWait(2 * InputBar::kBrowseDelayMs);
  QCOMPARE(copy.Browse().Forms().value(0), QStringLiteral("dog"));
  QCOMPARE(copy.Browse().Forms(), window.Browse().Forms());
}

void ViewerBarsTest::exportConceptWritesTheLibraryText() {
  CLumivueChildFrm& window = StartWithView();
  CMainFrame& frame = *app_->MainFrame();
  QAction& exportConcept = *frame.Commands().Action(command::kExportConcept);
  window.LookUp(BarSide::kLeft, QStringLiteral("dog"));
  QVERIFY(!exportConcept.isEnabled());
  const auto* dog = static_cast<const ConceptItem*>(SelectWithKeys(LineKind::kConcept));
  QVERIFY(dog != nullptr);
  QVERIFY(exportConcept.isEnabled());
  const std::string dogText = LibraryExportText(*dog);
  frame.InfoDock().hide();
  exportConcept.trigger();
  // The bar comes back to show what was added.
  QVERIFY(frame.InfoDock().isVisible());
  QCOMPARE(frame.Information().currentWidget(), &frame.Information().Export());

  window.LookUp(BarSide::kLeft, QStringLiteral("cat"));
  const auto* cat = static_cast<const ConceptItem*>(SelectWithKeys(LineKind::kConcept));
  QVERIFY(cat != nullptr);
  const std::string catText = LibraryExportText(*cat);
  // Ctrl+Shift+E from the tree.
  QTest::keyClick(&window.View().ActiveTree(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);

  ExportPage& page = frame.Information().Export();
  QCOMPARE(page.List().Pane().Lines().VisibleCount(), std::size_t{4});
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Default.exp"));
  page.FileNameEdit().setText(path);
  QTest::mouseClick(&page.SaveButton(), Qt::LeftButton);
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray::fromStdString(catText + dogText));

  // The list holds records of the database: another open empties it.
  QVERIFY(frame.OpenDatabase(wordNet_));
  QCOMPARE(page.List().Pane().Lines().VisibleCount(), std::size_t{0});
}

QTEST_MAIN(ViewerBarsTest)
#include "ViewerBars_test.moc"
