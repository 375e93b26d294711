// The list window of a pane: row measuring, painting, hit-testing, mouse, keys, scrolling and
// tips, on the small database of TreeTestSupport.
#include <QApplication>
#include <QContextMenuEvent>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <string>

#include "TreeTestSupport.h"
#include "tree/DataTip.h"
#include "tree/TreeItem.h"
#include "tree/TreeLineLayout.h"
#include "tree/TreeListBoxWidget.h"

namespace {

// The rows after looking up "dog".
constexpr int kWordRow = 0, kNounRow = 1, kConceptRow = 2, kIliRow = 3;

QFont DejaVu(int points) {
  return QFont("DejaVu Sans", points);
}

// A shown list on the test pane, with "dog" looked up (or, `notes` > 0, only that many notes).
struct ShownTree {
  explicit ShownTree(QSize size = {600, 300}, int notes = 0) {
    widget.setFont(DejaVu(8));
    widget.resize(size);
    if (notes == 0) data.pane.LookUp("dog", nullptr, 0);
    for (int i = 0; i < notes; ++i) data.pane.AddNote("note " + std::to_string(i));
    widget.LinesChanged();
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
  }

  TreeItem& Row(int index) {
    return *data.pane.Lines().VisibleLine(static_cast<std::size_t>(index));
  }
  int Rows() const { return static_cast<int>(data.pane.Lines().VisibleCount()); }
  // The layout of a row in the normal font (not for the bold relation lines).
  TreeLineLayout Layout(int index) {
    TreeLineLayout::Geometry geometry{widget.LineHeight(), widget.ColumnWidth()};
    return TreeLineLayout(Row(index), geometry, QFontMetrics(widget.font()));
  }
  // The centre of piece `number` of a row, in viewport coordinates.
  QPoint PieceCentre(int index, int number) {
    const TreeLineLayout layout = Layout(index);
    for (const TreeLineLayout::Piece& piece : layout.Pieces()) {
      if (piece.number == number) return piece.rect.center() + widget.LineRect(index).topLeft();
    }
    return {-1, -1};
  }
  // Where the expand mark of a row sits by the drawing rules: 20 pixels per level, 5 before the
  // 15 pixels of the mark, the 9-pixel box centred in them and in the first row.
  QPoint MarkCentre(int index) {
    return widget.LineRect(index).topLeft() +
           QPoint(20 * Row(index).Level() + 5 + 7, widget.LineHeight() / 2);
  }
  void Click(QPoint at) { QTest::mouseClick(widget.viewport(), Qt::LeftButton, {}, at); }
  // Through the window, so that the press, release, double click and release come as a person's.
  void DoubleClick(QPoint at) {
    QTest::mouseDClick(widget.window()->windowHandle(), Qt::LeftButton, {},
                       widget.viewport()->mapTo(widget.window(), at));
  }
  QImage Picture() { return widget.viewport()->grab().toImage(); }

  TreeTestPane data;
  TreeListBoxWidget widget{data.pane};
};

// Whether any pixel of `area` has exactly `colour`.
bool Shows(const QImage& image, const QRect& area, const QColor& colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == colour) return true;
    }
  }
  return false;
}

// Whether any pixel of `area` is dark, as the strokes of a mark are.
bool HasDarkPixel(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y).lightness() < 100) return true;
    }
  }
  return false;
}

}  // namespace

class TreeListBoxWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void lineHeightIsTheTextHeightPlusFourMadeEven() {
    TreeTestPane data;
    TreeListBoxWidget widget(data.pane);
    const std::pair<int, int> pointsAndHeight[] = {{8, 18}, {9, 18}, {10, 20}};
    for (const auto& [points, height] : pointsAndHeight) {
      widget.setFont(DejaVu(points));
      QCOMPARE(widget.LineHeight(), height);
    }
    // 8 points of DejaVu Sans are 13 pixels high: odd, so the line gets 18 rather than 17.
    QCOMPARE(QFontMetrics(DejaVu(8)).height(), 13);
  }

  void tenVariantsWrapInANarrowPaneAndAreMeasuredAgain() {
    ShownTree tree({220, 300});
    TreeItem& meaning = tree.Row(kConceptRow);
    QCOMPARE(meaning.VariantCount(), 10);
    const int narrowRows = meaning.TextRows();
    QVERIFY2(narrowRows >= 3, qPrintable(QString::number(narrowRows)));
    QCOMPARE(meaning.RowHeight(), narrowRows * tree.widget.LineHeight());
    QCOMPARE(tree.widget.LineRect(kConceptRow).height(), meaning.RowHeight());
    // The row below starts where the tall line ends.
    QCOMPARE(tree.widget.LineRect(kIliRow).top(), tree.widget.LineRect(kConceptRow).bottom() + 1);

    // Every piece but the first of its row stays inside the wrap edge; rows start at the same x.
    const TreeLineLayout layout = tree.Layout(kConceptRow);
    int previousRow = -1;
    for (const TreeLineLayout::Piece& piece : layout.Pieces()) {
      const int row = piece.rect.top() / tree.widget.LineHeight();
      if (row == previousRow) QVERIFY(piece.rect.right() < layout.WrapEdge());
      if (row != previousRow) QCOMPARE(piece.rect.left(), layout.Pieces().front().rect.left());
      previousRow = row;
    }

    tree.widget.resize(1400, 300);
    QCOMPARE(meaning.TextRows(), 1);
    QCOMPARE(meaning.RowHeight(), tree.widget.LineHeight());

    tree.widget.resize(500, 300);
    const int rowsAtEightPoints = meaning.TextRows();
    tree.widget.setFont(DejaVu(14));
    QVERIFY(meaning.TextRows() > rowsAtEightPoints);
    QCOMPARE(meaning.RowHeight(), meaning.TextRows() * tree.widget.LineHeight());
  }

  void aLineIsAtMost255PixelsHighAndItsLowerPiecesCannotBeHit() {
    ShownTree tree({400, 600});
    tree.widget.setFont(DejaVu(14));
    // So narrow that every variant takes a row of its own: ten rows of 26 pixels.
    tree.widget.SetFirstColumnWidth(100);
    TreeItem& meaning = tree.Row(kConceptRow);
    QCOMPARE(meaning.TextRows(), 10);
    QCOMPARE(tree.widget.LineHeight(), 26);
    QCOMPARE(meaning.RowHeight(), 255);

    const TreeLineLayout layout = tree.Layout(kConceptRow);
    const QRect last = layout.Pieces().back().rect;
    QVERIFY(last.top() < 255 && last.bottom() >= 255);
    QCOMPARE(layout.PieceAt(QPoint(last.left() + 2, 250)), 10);
    QCOMPARE(layout.PieceAt(QPoint(last.left() + 2, 256)), -1);
    // Below the cut the point belongs to the next row.
    const QPoint belowCut =
        tree.widget.LineRect(kConceptRow).topLeft() + QPoint(last.left() + 2, 256);
    QCOMPARE(tree.widget.HitTest(belowCut).index, kIliRow);
  }

  void clickingAVariantMakesItCurrentAndMovesTheBox() {
    ShownTree tree;
    QSignalSpy selection(&tree.widget, &TreeListBoxWidget::SelectionChanged);
    TreeItem& meaning = tree.Row(kConceptRow);
    tree.Click(tree.PieceCentre(kConceptRow, 3));
    QCOMPARE(tree.data.pane.Lines().Selected(), &meaning);
    QCOMPARE(meaning.CurrentVariant(), 3);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(tree.data.person.status[PersonInterface::StatusPane::kLines], "Ln 3 LnCnt 4");

    // The left side of the box around a piece, two pixels before it.
    const auto frame = [&](int number) {
      const QRect piece = tree.Layout(kConceptRow).Pieces()[number - 1].rect;
      return QRect(piece.left() - 2, piece.top() + 2, 1, piece.height() - 4)
          .translated(tree.widget.LineRect(kConceptRow).topLeft());
    };
    const QColor highlight = tree.widget.palette().color(QPalette::Highlight);
    QVERIFY(Shows(tree.Picture(), frame(3), highlight));
    QVERIFY(!Shows(tree.Picture(), frame(5), highlight));

    tree.Click(tree.PieceCentre(kConceptRow, 5));
    QCOMPARE(meaning.CurrentVariant(), 5);
    QCOMPARE(selection.count(), 2);
    QVERIFY(!Shows(tree.Picture(), frame(3), highlight));
    QVERIFY(Shows(tree.Picture(), frame(5), highlight));

    // The same piece again changes nothing; the gap between pieces leaves the variant alone.
    tree.Click(tree.PieceCentre(kConceptRow, 5));
    tree.Click(QPoint(frame(5).left() - 3, frame(5).center().y()));
    QCOMPARE(meaning.CurrentVariant(), 5);
    QCOMPARE(selection.count(), 2);
  }

  void theMarkExpandsAndCollapsesAndTheRestOfTheLineDoesNot() {
    ShownTree tree;
    QCOMPARE(tree.Rows(), 4);
    tree.Click(tree.MarkCentre(kConceptRow));
    QVERIFY(tree.Row(kConceptRow).IsExpanded());
    QCOMPARE(tree.Rows(), 5);
    QCOMPARE(QString::fromStdString(tree.Row(4).Text()), "has hyperonym");
    QCOMPARE(tree.Row(4).Level(), 3);

    tree.Click(tree.MarkCentre(kConceptRow));
    QVERIFY(!tree.Row(kConceptRow).IsExpanded());
    QCOMPARE(tree.Rows(), 4);

    // The icon beside the mark is no target.
    tree.Click(tree.MarkCentre(kConceptRow) + QPoint(15, 0));
    QCOMPARE(tree.Rows(), 4);
    // An attached ILI line has no mark.
    tree.Click(tree.MarkCentre(kIliRow));
    QCOMPARE(tree.Rows(), 4);
    QVERIFY(!tree.widget.HitTest(tree.MarkCentre(kIliRow)).onMark);
  }

  void doubleClickTogglesOnceAndAsksToEditANote() {
    ShownTree tree;
    tree.DoubleClick(tree.PieceCentre(kWordRow, 0));
    QCOMPARE(tree.Rows(), 1);
    tree.DoubleClick(tree.PieceCentre(kWordRow, 0));
    QCOMPARE(tree.Rows(), 2);
    // On the mark it is two clicks on the mark.
    tree.DoubleClick(tree.MarkCentre(kWordRow));
    QCOMPARE(tree.Rows(), 2);
    QVERIFY(tree.Row(kWordRow).IsExpanded());

    tree.data.pane.AddNote("remember the bone");
    tree.widget.LinesChanged();
    QSignalSpy edit(&tree.widget, &TreeListBoxWidget::NoteEditWanted);
    const int note = tree.data.pane.Lines().SelectedIndex();
    const int rows = tree.Rows();
    tree.DoubleClick(tree.PieceCentre(note, 0));
    QCOMPARE(edit.count(), 1);
    QCOMPARE(tree.Rows(), rows);
  }

  void aLineIndentedToTheColumnWidthHasNoMark() {
    ShownTree tree;
    // Level 2 needs 2 x 20 + 4 = 44 pixels to have room for a mark; level 1 needs 24.
    tree.widget.SetFirstColumnWidth(44);
    QVERIFY(!tree.widget.HitTest(tree.MarkCentre(kConceptRow)).onMark);
    QVERIFY(tree.widget.HitTest(tree.MarkCentre(kNounRow)).onMark);
    tree.Click(tree.MarkCentre(kConceptRow));
    QVERIFY(!tree.Row(kConceptRow).IsExpanded());

    const QImage picture = tree.Picture();
    const auto markBox = [&](int row) {
      return QRect(tree.MarkCentre(row) - QPoint(4, 4), QSize(9, 9));
    };
    QVERIFY(HasDarkPixel(picture, markBox(kNounRow)));
    QVERIFY(!HasDarkPixel(picture, markBox(kConceptRow)));

    tree.widget.SetFirstColumnWidth(45);
    QVERIFY(tree.widget.HitTest(tree.MarkCentre(kConceptRow)).onMark);
  }

  void keysMoveTheSelectionAndExpand() {
    ShownTree tree;
    tree.widget.setFocus();
    TreeListBox& lines = tree.data.pane.Lines();
    QSignalSpy selection(&tree.widget, &TreeListBoxWidget::SelectionChanged);
    const std::pair<Qt::Key, int> keysAndRows[] = {
        {Qt::Key_Down, kNounRow}, {Qt::Key_Right, kConceptRow}, {Qt::Key_End, kIliRow},
        {Qt::Key_Down, kIliRow},  {Qt::Key_Home, kWordRow},     {Qt::Key_Up, kWordRow}};
    for (const auto& [key, row] : keysAndRows) {
      QTest::keyClick(&tree.widget, key);
      QCOMPARE(lines.SelectedIndex(), row);
    }
    QCOMPARE(selection.count(), 4);

    lines.Select(kConceptRow);
    QTest::keyClick(&tree.widget, Qt::Key_Plus);
    QCOMPARE(tree.Rows(), 4);
    QTest::keyClick(&tree.widget, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(tree.Rows(), 5);
    QTest::keyClick(&tree.widget, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(tree.Rows(), 5);
    QTest::keyClick(&tree.widget, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(tree.Rows(), 4);
    QVERIFY(!tree.Row(kConceptRow).IsExpanded());
  }

  void commandKeysAndTheRightButtonAskTheView() {
    ShownTree tree;
    tree.widget.setFocus();
    QSignalSpy commands(&tree.widget, &TreeListBoxWidget::CommandWanted);
    QSignalSpy edit(&tree.widget, &TreeListBoxWidget::NoteEditWanted);
    QTest::keyClick(&tree.widget, Qt::Key_F11, Qt::ControlModifier);
    QTest::keyClick(&tree.widget, Qt::Key_F9, Qt::ShiftModifier);
    QTest::keyClick(&tree.widget, Qt::Key_F12, Qt::ControlModifier);
    QTest::keyClick(&tree.widget, Qt::Key_F11);
    QTest::keyClick(&tree.widget, Qt::Key_Insert);
    QTest::keyClick(&tree.widget, Qt::Key_Return);
    QCOMPARE(commands.count(), 4);
    QCOMPARE(commands[0][0].toInt(), 32794);
    QCOMPARE(commands[1][0].toInt(), 32797);
    QCOMPARE(commands[2][0].toInt(), 32823);
    QCOMPARE(commands[3][0].toInt(), 300);
    // Enter edits notes only.
    QCOMPARE(edit.count(), 0);
    tree.data.pane.AddNote("a note");
    tree.widget.LinesChanged();
    QTest::keyClick(&tree.widget, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(edit.count(), 1);

    // A right click selects the line under the mouse before the menu is asked for.
    QSignalSpy menu(&tree.widget, &TreeListBoxWidget::ContextMenuWanted);
    const QPoint noun = tree.PieceCentre(kNounRow + 1, 0);
    QContextMenuEvent click(QContextMenuEvent::Mouse, noun, QPoint(700, 500));
    QApplication::sendEvent(tree.widget.viewport(), &click);
    QCOMPARE(menu.count(), 1);
    QCOMPARE(menu[0][0].toPoint(), QPoint(700, 500));
    QCOMPARE(tree.data.pane.Lines().SelectedIndex(), kNounRow + 1);
  }

  void theScrollRangeCountsTheRowsThatDoNotFit() {
    {
      ShownTree fitting({300, 200}, 3);
      QVERIFY(!fitting.widget.verticalScrollBar()->isEnabled());
    }
    ShownTree tree({300, 200}, 30);
    const int lineHeight = tree.widget.LineHeight();
    const int fitting = tree.widget.viewport()->height() / lineHeight;
    QScrollBar& bar = *tree.widget.verticalScrollBar();
    QCOMPARE(bar.maximum(), 30 - fitting);
    QCOMPARE(bar.pageStep(), fitting);
    QCOMPARE(bar.singleStep(), 1);
    QVERIFY(bar.isEnabled());

    QSignalSpy scrolled(&tree.widget, &TreeListBoxWidget::ScrolledOrChanged);
    tree.widget.SetTopIndex(5);
    QCOMPARE(tree.widget.TopIndex(), 5);
    QVERIFY(scrolled.count() >= 1);
    QCOMPARE(tree.widget.LineRect(5).top(), 0);
    QCOMPARE(tree.widget.LineRect(3).top(), -2 * lineHeight);
    QCOMPARE(tree.widget.LineRect(7).top(), 2 * lineHeight);
    QVERIFY(tree.widget.LineRect(30).isNull());
    QCOMPARE(tree.widget.HitTest(QPoint(50, lineHeight + 1)).index, 6);
    tree.widget.SetTopIndex(1000);
    QCOMPARE(tree.widget.TopIndex(), 30 - fitting);

    // The selection moved past the bottom scrolls it into view.
    tree.widget.SetTopIndex(0);
    tree.widget.setFocus();
    QTest::keyClick(&tree.widget, Qt::Key_End);
    QCOMPARE(tree.widget.TopIndex(), 30 - fitting);
    QTest::keyClick(&tree.widget, Qt::Key_Home);
    QCOMPARE(tree.widget.TopIndex(), 0);
    QTest::keyClick(&tree.widget, Qt::Key_PageDown);
    QCOMPARE(tree.data.pane.Lines().SelectedIndex(), fitting);
  }

  void theScrollBarGoesWhereItIsAsked() {
    ShownTree tree({300, 200}, 30);
    const auto barX = [&] {
      return tree.widget.verticalScrollBar()->mapTo(&tree.widget, QPoint()).x();
    };
    const auto listX = [&] { return tree.widget.viewport()->mapTo(&tree.widget, QPoint()).x(); };
    QVERIFY(barX() > listX());
    tree.widget.SetScrollBarSide(TreeListBoxWidget::ScrollBarSide::kLeft);
    QTest::qWait(0);
    QVERIFY(tree.widget.verticalScrollBar()->isVisible());
    QVERIFY(barX() < listX());
    // The rows themselves are not mirrored: the text is still drawn where it is hit.
    QCOMPARE(tree.widget.HitTest(tree.PieceCentre(0, 0)).piece, 0);
    const QRect text = tree.Layout(0).Pieces().front().rect;
    QVERIFY(HasDarkPixel(tree.Picture(), text));
    QVERIFY(!HasDarkPixel(tree.Picture(),
                          text.translated(tree.widget.viewport()->width() - text.right() - 2, 0)));
    tree.widget.SetScrollBarSide(TreeListBoxWidget::ScrollBarSide::kNone);
    QTest::qWait(0);
    QVERIFY(!tree.widget.verticalScrollBar()->isVisible());
    QCOMPARE(tree.widget.viewport()->width(), tree.widget.contentsRect().width());
  }

  void dataTipsShowDefinitionsCut() {
    ShownTree tree({1400, 300});
    const QString dog = QString::fromStdString(TreeTestDatabase::DefinitionOf(1));
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kConceptRow, 1)), dog.left(236) + "...");
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kConceptRow, 2)),
             QString::fromStdString(TreeTestDatabase::DefinitionOf(2)));
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kConceptRow, 3)), "<No Definition>");
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kConceptRow, 4)).size(), 239);
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kIliRow, 0)), "a member of the genus Canis");
    QCOMPARE(tree.widget.DataTipAt(tree.PieceCentre(kWordRow, 0)), QString());

    QTest::mouseMove(tree.widget.viewport(), tree.PieceCentre(kConceptRow, 3));
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 2000);
    QCOMPARE(QToolTip::text(), "<No Definition>");
    tree.widget.SetDataTips(false);
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 2000);
    QTest::mouseMove(tree.widget.viewport(), tree.PieceCentre(kConceptRow, 2));
    QTest::qWait(2 * DataTip::kDelayMs);
    QVERIFY(!QToolTip::isVisible());
  }

  void aCutTipKeepsCharactersWhole() {
    const QString dog = QString::fromUcs4(U"\U0001F415");
    QCOMPARE(DataTip::Cut(dog.repeated(239)), dog.repeated(239));
    QCOMPARE(DataTip::Cut(dog.repeated(240)), dog.repeated(236) + "...");
    QCOMPARE(DataTip::Cut(QString(240, 'a')), QString(236, 'a') + "...");
    QCOMPARE(DataTip::Cut(QString()), QString());
  }

  void drawingModeOneLeadsEachLineToTheColumnEdge() {
    ShownTree tree;
    const QColor first(0x11, 0xaa, 0x22), second(0xcc, 0x22, 0x99);
    const auto leader = [&](int row) {
      const QRect rect = tree.widget.LineRect(row);
      const int y = rect.top() + tree.widget.LineHeight() / 2;
      return QRect(tree.widget.ColumnWidth() - 40, y, 38, 1);
    };
    QVERIFY(!Shows(tree.Picture(), leader(kNounRow), first));
    tree.widget.SetDrawingMode(1, first, second);
    const QImage picture = tree.Picture();
    QVERIFY(Shows(picture, leader(kNounRow), first));
    QVERIFY(!Shows(picture, leader(kNounRow), second));
    QVERIFY(Shows(picture, leader(kWordRow), second));
  }

  void printingStretchesByTheDeviceResolution() {
    ShownTree tree({300, 200}, 30);
    const int lineHeight = tree.widget.LineHeight();
    const auto rowsOnPage = [&](int scale, int pageRows, bool printing) {
      QImage page(400 * scale, pageRows * lineHeight * scale + lineHeight / 2,
                  QImage::Format_ARGB32);
      page.setDotsPerMeterX(qRound(tree.widget.logicalDpiX() * scale / 0.0254));
      page.setDotsPerMeterY(qRound(tree.widget.logicalDpiY() * scale / 0.0254));
      QPainter painter(&page);
      return tree.widget.PaintRows(painter, 4, page.rect(), printing);
    };
    QCOMPARE(rowsOnPage(1, 3, true), 4 + 3);
    QCOMPARE(rowsOnPage(2, 3, true), 4 + 3);
    // Unstretched, a page of twice the pixels would hold twice the rows.
    QCOMPARE(rowsOnPage(2, 3, false), 4 + 6);
    // The screen also paints the row the bottom edge cuts, but does not count it.
    QCOMPARE(rowsOnPage(1, 3, false), 4 + 3);
    // A page that cannot hold one row still takes one, so that printing goes on.
    QImage tiny(100, 3, QImage::Format_ARGB32);
    QPainter painter(&tiny);
    QCOMPARE(tree.widget.PaintRows(painter, 29, tiny.rect(), true), 30);
  }
};

QTEST_MAIN(TreeListBoxWidgetTest)
#include "TreeListBoxWidget_test.moc"
