// Languages written in other scripts than Latin, on a small database of English, Arabic, Hebrew
// and Chinese: every language offered in the language boxes with a flag or a badge of its code,
// two of them side by side in a multilingual view joined at their ILI lines, and Arabic and
// Hebrew lines reading right to left in the tree's own layout.
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "ScriptsTestSupport.h"
#include "ShellSupport.h"
#include "bars/CodeBadge.h"
#include "bars/FlagPainter.h"
#include "bars/InputBar.h"
#include "bars/LanguageCodeTable.h"
#include "lumivue/RecordingPerson.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CMainFrame.h"
#include "shell/CTwinBarView.h"
#include "shell/CommandId.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"
#include "tree/LinkConnections.h"
#include "tree/TreeLineLayout.h"

class ScriptLanguagesTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void everyLanguageIsOfferedWithAFlagOrABadge();
  void badgesShowTheCodeOnAFieldOfItsOwn();
  void nonLatinLanguagesFillBothPanesJoinedAtTheirIliLines();
  void rightToLeftLinesReadFromTheRightInTheTreesLayout();
  void everyOmwLanguageIsOfferedAndArabicStandsBesideEnglish();

 private:
  // Starts the program on `path` (the four-script database when empty) with one multilingual
  // view, shown and active.
  CLumivueChildFrm& StartTwinView(const std::string& path = {});
  ConceptPane& Pane(BarSide side) {
    return static_cast<CTwinBarView&>(app_->MainFrame()->ActiveFrame()->View())
        .Panes()
        .Pane(side == BarSide::kLeft ? TwinPanes::kLeft : TwinPanes::kRight);
  }
  // The first visible line of `kind`; null when there is none.
  static const TreeItem* FirstOf(const ConceptPane& pane, LineKind kind);
  // Looks `word` up in `side` with language `code` and fills the other side by Find Equivalences.
  void LookUpAndFindEquivalences(CLumivueChildFrm& window, const char* leftCode, const char* word,
                                 const char* rightCode);

  std::unique_ptr<ScriptsTestDatabase> database_;
};

void ScriptLanguagesTest::init() {
  database_ = std::make_unique<ScriptsTestDatabase>();
  settings_ = std::make_unique<TestSettings>();
  modals_ = std::make_unique<ModalScript>();
}

void ScriptLanguagesTest::cleanup() {
  EndSession();
  database_.reset();
}

CLumivueChildFrm& ScriptLanguagesTest::StartTwinView(const std::string& path) {
  const std::string& database = path.empty() ? database_->Path() : path;
  CMainFrame& frame = Start("-F " + QString::fromStdString(database) + " -T");
  frame.show();
  frame.activateWindow();
  [&frame] { QVERIFY(QTest::qWaitForWindowActive(&frame)); }();
  return *frame.ActiveFrame();
}

const TreeItem* ScriptLanguagesTest::FirstOf(const ConceptPane& pane, LineKind kind) {
  for (std::size_t row = 0; row < pane.Lines().VisibleCount(); ++row) {
    const TreeItem* line = pane.Lines().VisibleLine(row);
    if (line->Kind() == kind) return line;
  }
  return nullptr;
}

void ScriptLanguagesTest::LookUpAndFindEquivalences(CLumivueChildFrm& window, const char* leftCode,
                                                    const char* word, const char* rightCode) {
  for (const auto& [side, code] :
       {std::pair{BarSide::kLeft, leftCode}, std::pair{BarSide::kRight, rightCode}}) {
    const int row = window.Input().LanguageCombo(side).findData(QString::fromLatin1(code));
    QVERIFY(window.Input().ChooseLanguage(side, row + 1));
  }
  window.LookUp(BarSide::kLeft, QString::fromUtf8(word));
  app_->MainFrame()->Run(command::kFindEquivalences);
}

void ScriptLanguagesTest::everyLanguageIsOfferedWithAFlagOrABadge() {
  CLumivueChildFrm& window = StartTwinView();
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    const QComboBox& combo = window.Input().LanguageCombo(side);
    QCOMPARE(combo.count(), static_cast<int>(std::size(ScriptsTestDatabase::kLanguages)));
    int row = 0;
    for (const auto& language : ScriptsTestDatabase::kLanguages) {
      QCOMPARE(combo.itemData(row).toString(), QString::fromLatin1(language.code));
      QCOMPARE(combo.itemText(row), QString::fromLatin1(language.name));
      const QImage icon = combo.itemIcon(row)
                              .pixmap(FlagPainter::kWidth, FlagPainter::kHeight)
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
      const QPixmap expected = LanguageCodeTable::PositionOf(language.code) != 0
                                   ? FlagPainter::Flag(LanguageCodeTable::PositionOf(language.code))
                                   : CodeBadge::Of(language.code);
      QCOMPARE(icon, expected.toImage().convertToFormat(QImage::Format_RGB32));
      ++row;
    }
  }
  QVERIFY(modals_->messages.isEmpty());

  // F6 to F9 choose among all four, the last of them Chinese.
  QLineEdit& right = window.Input().WordEdit(BarSide::kRight);
  right.setFocus();
  QTest::keyClick(&right, Qt::Key_F9);
  QCOMPARE(window.Input().LanguageCode(BarSide::kRight), std::string("ZH"));
  QTest::keyClick(&right, Qt::Key_F7);
  QCOMPARE(window.Input().LanguageCode(BarSide::kRight), std::string("AR"));
}

void ScriptLanguagesTest::badgesShowTheCodeOnAFieldOfItsOwn() {
  // The letters are white, smoothed at their edges; every field is dark.
  const auto letterPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y).lightness() > 180;
    }
    return count;
  };
  const QImage arabic = CodeBadge::Of("AR").toImage();
  QCOMPARE(arabic.size(), QSize(FlagPainter::kWidth, FlagPainter::kHeight));
  QCOMPARE(arabic.pixelColor(1, 1), CodeBadge::FieldOf("AR"));
  QVERIFY(letterPixels(arabic) > 10);
  QVERIFY(arabic != FlagPainter::Flag(0).toImage());
  QVERIFY(arabic != CodeBadge::Of("HE").toImage());
  // Letter case does not make another language.
  QCOMPARE(CodeBadge::Of("ar").toImage(), arabic);
  // A three-letter code still gets its letters drawn inside the frame.
  QVERIFY(letterPixels(CodeBadge::Of("ZSM").toImage()) > 10);
  // Two-letter codes of the table without a picture of their own get a badge too.
  QCOMPARE(FlagPainter::ForLanguage("TR").toImage(), CodeBadge::Of("TR").toImage());
  QCOMPARE(FlagPainter::ForLanguage("en").toImage(),
           FlagPainter::Flag(LanguageCodeTable::PositionOf("EN")).toImage());
}

void ScriptLanguagesTest::nonLatinLanguagesFillBothPanesJoinedAtTheirIliLines() {
  CLumivueChildFrm& window = StartTwinView();
  const struct {
    const char* left;
    const char* word;
    const char* right;
    const char* found;
  } cases[] = {
      {"EN", "dog", "AR", "كلْب :1"}, {"AR", "كلْب", "ZH", "狗 :1"}, {"ZH", "狗", "HE", "כלב :1"}};
  for (const auto& step : cases) {
    LookUpAndFindEquivalences(window, step.left, step.word, step.right);
    QVERIFY2(modals_->messages.isEmpty(), qPrintable(modals_->messages.join('|')));
    const TreeItem* word = FirstOf(Pane(BarSide::kLeft), LineKind::kWord);
    QVERIFY(word != nullptr);
    QCOMPARE(QString::fromStdString(word->Text()), QString::fromUtf8(step.word));
    const TreeItem* found = FirstOf(Pane(BarSide::kRight), LineKind::kConcept);
    QVERIFY(found != nullptr);
    QCOMPARE(QString::fromStdString(found->Variant(1)->Text()), QString::fromUtf8(step.found));

    const auto connections = LinkConnections::Between(
        Pane(BarSide::kLeft).Lines(), Pane(BarSide::kRight).Lines(), LinkConnections::Focus::kNone);
    QCOMPARE(connections.size(), std::size_t{1});
    const auto& link = connections.front();
    QCOMPARE(Pane(BarSide::kLeft).Lines().VisibleLine(link.leftIndex)->Kind(), LineKind::kIli);
    QCOMPARE(Pane(BarSide::kRight).Lines().VisibleLine(link.rightIndex)->Kind(), LineKind::kIli);
  }
}

void ScriptLanguagesTest::rightToLeftLinesReadFromTheRightInTheTreesLayout() {
  RecordingPerson person;
  ViewerDatabase database(person);
  QCOMPARE(database.Open(database_->Path()), 1);
  ConceptPane pane(database, person);
  const QFontMetrics metrics{QFont()};
  const TreeLineLayout::Geometry wide{18, 600};
  const auto conceptLayout = [&](const char* code, const char* word) {
    pane.SetLanguage(code);
    pane.LookUp(word, nullptr, 0);
    const TreeItem* line = FirstOf(pane, LineKind::kConcept);
    if (line == nullptr) throw std::runtime_error(std::string("no concept for ") + code);
    return TreeLineLayout(*line, wide, metrics);
  };
  const TreeLineLayout english = conceptLayout("EN", "dog");
  QVERIFY(!english.RightToLeft());
  QVERIFY(!conceptLayout("ZH", "狗").RightToLeft());
  for (const auto& [code, word] : {std::pair{"AR", "كلْب"}, std::pair{"HE", "כלב"}}) {
    const TreeLineLayout line = conceptLayout(code, word);
    QVERIFY2(line.RightToLeft(), code);
    // The mark, the icon and where the text begins stay those of any line of its level.
    QVERIFY(line.MarkBox() == english.MarkBox());
    QVERIFY(line.IconRect() == english.IconRect());
    const auto& pieces = line.Pieces();
    QCOMPARE(pieces.size(), std::size_t{2});
    QCOMPARE(pieces[0].number, 1);
    // The first variant stands rightmost, the second to its left from the text's start.
    QCOMPARE(pieces[1].rect.left(), english.Pieces()[0].rect.left());
    QVERIFY(pieces[0].rect.left() > pieces[1].rect.right());
    QCOMPARE(line.PieceAt(pieces[0].rect.center()), 1);
    QCOMPARE(line.TextEnd(), pieces[0].rect.right() + 1);
    // The ILI line below it shows an English gloss and reads left to right.
    const TreeItem* ili = FirstOf(pane, LineKind::kIli);
    QVERIFY(ili != nullptr);
    QVERIFY(!TreeLineLayout(*ili, wide, metrics).RightToLeft());
  }
  // Wrapped, each row reads from the right on its own.
  pane.SetLanguage("AR");
  pane.LookUp("كلْب", nullptr, 0);
  const TreeItem& arabic = *FirstOf(pane, LineKind::kConcept);
  const TreeLineLayout full(arabic, wide, metrics);
  const int start = full.TextStart();
  const int longest = full.Pieces()[1].rect.width();
  const TreeLineLayout narrow(arabic, TreeLineLayout::Geometry{18, start + longest + 3}, metrics);
  QCOMPARE(narrow.Rows(), 2);
  QCOMPARE(narrow.Pieces()[0].rect.left(), start);
  QCOMPARE(narrow.Pieces()[1].rect.left(), start);
  // Too narrow for a piece, it is the piece's beginning, at its right, that stays in the column.
  const TreeLineLayout cut(arabic, TreeLineLayout::Geometry{18, start + 12}, metrics);
  for (const TreeLineLayout::Piece& piece : cut.Pieces()) {
    QVERIFY(piece.rect.left() < start);
    QCOMPARE(piece.rect.right(), cut.WrapEdge());
  }
  QCOMPARE(cut.PieceAt(QPoint(start - 1, 5)), -1);
  QCOMPARE(cut.PieceAt(QPoint(cut.WrapEdge(), 5)), 1);
}

void ScriptLanguagesTest::everyOmwLanguageIsOfferedAndArabicStandsBesideEnglish() {
  const QString omw = TestOmwWordNet();
  if (omw.isEmpty()) QSKIP("the test run built no database of the OMW languages");
  CLumivueChildFrm& window = StartTwinView(omw.toStdString());
  const QComboBox& combo = window.Input().LanguageCombo(BarSide::kRight);
  const std::size_t languages = app_->MainFrame()->Database().LanguageList().size();
  QVERIFY(languages > 4);
  QCOMPARE(combo.count(), static_cast<int>(languages));
  QVERIFY(modals_->messages.isEmpty());
  // The builder named the language from the file's header; the viewer offers it as it is stored.
  const int arabic = combo.findData(QStringLiteral("AR"));
  QVERIFY(arabic >= 0);
  QCOMPARE(combo.itemText(arabic), QStringLiteral("Arabic"));
  LookUpAndFindEquivalences(window, "EN", "dog", "AR");
  QVERIFY2(modals_->messages.isEmpty(), qPrintable(modals_->messages.join('|')));
  const TreeItem* found = FirstOf(Pane(BarSide::kRight), LineKind::kConcept);
  QVERIFY(found != nullptr);
  QCOMPARE(QString::fromStdString(found->Variant(1)->Text()), QStringLiteral("كلْب :1"));
  QVERIFY(!LinkConnections::Between(Pane(BarSide::kLeft).Lines(), Pane(BarSide::kRight).Lines(),
                                    LinkConnections::Focus::kNone)
               .empty());
}

QTEST_MAIN(ScriptLanguagesTest)
#include "ScriptLanguages_test.moc"
