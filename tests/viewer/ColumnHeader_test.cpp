// The column titles above a list: their text form as view files keep it, and resizing by
// dragging an edge.
#include <QSignalSpy>
#include <QTest>

#include "TreeTestSupport.h"
#include "tree/ColumnHeader.h"
#include "tree/TreeListBoxWidget.h"

class ColumnHeaderTest : public QObject {
  Q_OBJECT

 private slots:
  void theTextFormKeepsTitlesAndWidths() {
    ColumnHeader header;
    QVERIFY(header.AddColumn("Word", 120));
    QVERIFY(header.AddColumn("Gloss, short", 80));
    QCOMPARE(header.Text(), "Word,120|Gloss, short,80|");
    QCOMPARE(header.ColumnAt(1).left, 120);
    QCOMPARE(header.ColumnAt(1).right, 200);

    ColumnHeader copy;
    QVERIFY(copy.SetText(header.Text()));
    QCOMPARE(copy.ColumnCount(), 2);
    QCOMPARE(copy.ColumnAt(1).title, "Gloss, short");
    QCOMPARE(copy.ColumnAt(1).Width(), 80);
    QCOMPARE(copy.Text(), header.Text());
    // A hand-written form may lack the last bar.
    QVERIFY(copy.SetText("Word,50"));
    QCOMPARE(copy.Text(), "Word,50|");
    QVERIFY(copy.SetText(""));
    QCOMPARE(copy.ColumnCount(), 0);
  }

  void aBrokenTextFormChangesNothing() {
    ColumnHeader header;
    header.AddColumn("Word", 120);
    const QString broken[] = {"Word|",    "Word,|",      "Word,12x|",
                              "Word,-5|", "Word,40000|", "Word,10||Gloss,20|"};
    for (const QString& text : broken) {
      QVERIFY2(!header.SetText(text), qPrintable(text));
      QCOMPARE(header.Text(), "Word,120|");
    }
    QString tooMany;
    for (int i = 0; i <= ColumnHeader::kMaxColumns; ++i) tooMany += "c,1|";
    QVERIFY(!header.SetText(tooMany));
    QCOMPARE(header.ColumnCount(), 1);
  }

  void aBarInATitleCannotBreakTheTextForm() {
    ColumnHeader header;
    header.AddColumn("Word|Form", 60);
    header.AddColumn("Gloss", 30);
    ColumnHeader copy;
    QVERIFY(copy.SetText(header.Text()));
    QCOMPARE(copy.ColumnCount(), 2);
    QCOMPARE(copy.ColumnAt(0).title, "WordForm");
  }

  void noMoreThanTwentyColumns() {
    ColumnHeader header;
    for (int i = 0; i < ColumnHeader::kMaxColumns; ++i) QVERIFY(header.AddColumn("c", 10));
    QVERIFY(!header.AddColumn("one too many", 10));
    QCOMPARE(header.ColumnCount(), ColumnHeader::kMaxColumns);
  }

  void draggingAnEdgeResizesTheColumnAndTheList() {
    TreeTestPane data;
    TreeListBoxWidget list(data.pane);
    list.resize(500, 200);
    ColumnHeader header;
    header.resize(500, ColumnHeader::kHeight);
    header.AddColumn("Word", 120);
    header.AddColumn("Gloss", 100);
    header.SetList(&list);
    QCOMPARE(list.ColumnWidth(), 120);
    QCOMPARE(header.height(), 20);
    header.show();
    QVERIFY(QTest::qWaitForWindowExposed(&header));

    QSignalSpy resized(&header, &ColumnHeader::ColumnResized);
    QTest::mouseMove(&header, QPoint(60, 10));
    QCOMPARE(header.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseMove(&header, QPoint(121, 10));
    QCOMPARE(header.cursor().shape(), Qt::SplitHCursor);

    QTest::mousePress(&header, Qt::LeftButton, {}, QPoint(121, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(170, 10), header.mapToGlobal(QPointF(170, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&header, &move);
    QTest::mouseRelease(&header, Qt::LeftButton, {}, QPoint(170, 10));
    QCOMPARE(header.ColumnAt(0).Width(), 170);
    QCOMPARE(header.ColumnAt(1).left, 170);
    QCOMPARE(header.ColumnAt(1).Width(), 100);
    QCOMPARE(list.ColumnWidth(), 170);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(resized[0][0].toInt(), 0);
    QCOMPARE(resized[0][1].toInt(), 170);

    // After the release, moving no longer drags.
    QTest::mouseMove(&header, QPoint(250, 10));
    QCOMPARE(header.ColumnAt(0).Width(), 170);
    // Dragging the second column leaves the list alone.
    QTest::mousePress(&header, Qt::LeftButton, {}, QPoint(270, 10));
    QMouseEvent back(QEvent::MouseMove, QPointF(160, 10), header.mapToGlobal(QPointF(160, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&header, &back);
    QCOMPARE(header.ColumnAt(1).Width(), ColumnHeader::kMinimumDragWidth);
    QCOMPARE(list.ColumnWidth(), 170);

    header.Clear();
    QCOMPARE(list.ColumnWidth(), list.viewport()->width());
  }
};

QTEST_MAIN(ColumnHeaderTest)
#include "ColumnHeader_test.moc"
