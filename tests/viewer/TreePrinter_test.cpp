// Printing a list: every row once, pages that end between rows, stretched to the printer's
// resolution and shrunk to the page where the list is wider.
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <string>

#include "TreeTestSupport.h"
#include "tree/TreeListBoxWidget.h"
#include "tree/TreePrinter.h"

namespace {

// A PDF printer writing into a scratch folder.
struct PdfPrinter {
  PdfPrinter() : printer(QPrinter::HighResolution) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("tree.pdf"));
  }
  // The page's height in the list's pixels.
  qreal PageHeight(const QWidget& list) {
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return page.height() * qreal(list.logicalDpiY()) / printer.logicalDpiY();
  }

  QTemporaryDir folder;
  QPrinter printer;
};

}  // namespace

class TreePrinterTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsArePrintedPageAfterPage() {
    TreeTestPane data;
    TreeListBoxWidget list(data.pane);
    list.resize(300, 200);
    for (int i = 0; i < 200; ++i) data.pane.AddNote("note " + std::to_string(i));
    list.LinesChanged();

    PdfPrinter pdf;
    const int perPage = static_cast<int>(pdf.PageHeight(list) / list.LineHeight());
    QVERIFY(perPage > 10);
    QCOMPARE(TreePrinter(list).Print(pdf.printer), (200 + perPage - 1) / perPage);
    QVERIFY(QFileInfo(pdf.printer.outputFileName()).size() > 0);
  }

  void aListWiderThanThePageIsShrunk() {
    TreeTestPane data;
    TreeListBoxWidget list(data.pane);
    for (int i = 0; i < 200; ++i) data.pane.AddNote("note " + std::to_string(i));
    list.resize(300, 200);
    list.LinesChanged();
    PdfPrinter narrow;
    const int narrowPages = TreePrinter(list).Print(narrow.printer);

    // Four times the width of an A4 page at the screen's resolution.
    list.SetFirstColumnWidth(4 * 800);
    PdfPrinter wide;
    const int widePages = TreePrinter(list).Print(wide.printer);
    QVERIFY2(widePages * 3 <= narrowPages,
             qPrintable(QString("%1 %2").arg(widePages).arg(narrowPages)));
  }

  void anEmptyListPrintsNothing() {
    TreeTestPane data;
    TreeListBoxWidget list(data.pane);
    PdfPrinter pdf;
    QCOMPARE(TreePrinter(list).Print(pdf.printer), 0);
    QVERIFY(!QFileInfo::exists(pdf.printer.outputFileName()));
  }
};

QTEST_MAIN(TreePrinterTest)
#include "TreePrinter_test.moc"
