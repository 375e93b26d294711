// The export tab: collecting concepts from a pane, writing the export file, and starting a text
// editor on it.
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "BarsTestSupport.h"
#include "bars/ExportPage.h"
#include "bars/InfoBar.h"
#include "bars/TextEditorStarter.h"
#include "shell/MessageTexts.h"
#include "tree/ConceptItem.h"
#include "tree/TreeListBoxWidget.h"

namespace {

// Stands for the desktop's opener of files.
class FileOpener : public QObject {
  Q_OBJECT
 public:
  FileOpener() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
  ~FileOpener() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ExportPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void exportedConceptsAreWrittenNewestFirst();
  void onlyAConceptLineIsAdded();
  void saveNeedsANameAndAWritableFile();
  void editOpensTheFileWithTheDesktopOpener();
  void editFallsBackOnTheEditorVariable();

 private:
  ConceptItem* SelectConcept(const std::string& word) {
    return static_cast<ConceptItem*>(data_->SelectFirst(word, LineKind::kConcept));
  }

  std::unique_ptr<WordNetBars> data_;
  QTemporaryDir folder_;
};

void ExportPageTest::init() {
  data_ = std::make_unique<WordNetBars>();
  if (!data_->IsOpen()) QSKIP("no WordNet test database");
}

void ExportPageTest::exportedConceptsAreWrittenNewestFirst() {
  InfoBar bar(data_->database, data_->person);
  ExportPage& page = bar.Export();
  QCOMPARE(page.FileNameEdit().text(), QStringLiteral("Default.exp"));

  const std::string dogText = data_->ExportText(*SelectConcept("dog"));
  QVERIFY(bar.AddConceptFrom(data_->pane) != nullptr);
  QCOMPARE(bar.currentWidget(), &page);
  const std::string catText = data_->ExportText(*SelectConcept("cat"));
  QVERIFY(bar.AddConceptFrom(data_->pane) != nullptr);
  QVERIFY(!dogText.empty() && !catText.empty());

  const TreeListBox& lines = page.List().Pane().Lines();
  QCOMPARE(lines.VisibleLine(0)->Kind(), LineKind::kConcept);
  QCOMPARE(lines.VisibleLine(0)->Variant(1)->Text(), std::string("cat :1"));
  // Expanding a listed concept adds lines that are not exported themselves.
  page.List().Pane().ExpandLine(*lines.VisibleLine(0));
  page.ListWindow().LinesChanged();

  const QString path = folder_.filePath(QStringLiteral("two concepts.exp"));
  page.FileNameEdit().setText(path);
  QVERIFY(page.Save());
  QCOMPARE(ReadAll(path), QByteArray::fromStdString(catText + dogText));
  QVERIFY(data_->person.messages.empty());
}

void ExportPageTest::onlyAConceptLineIsAdded() {
  InfoBar bar(data_->database, data_->person);
  data_->SelectFirst("dog", LineKind::kWord);
  QCOMPARE(bar.AddConceptFrom(data_->pane), nullptr);
  QCOMPARE(bar.currentIndex(), static_cast<int>(InfoPages::kGloss));
  QCOMPARE(data_->person.messages, (std::vector<std::string>{message::kConceptNotSelected.text}));
  // Nothing collected: saving says so and writes nothing.
  const QString path = folder_.filePath(QStringLiteral("empty.exp"));
  bar.Export().FileNameEdit().setText(path);
  QVERIFY(!bar.Export().Save());
  QCOMPARE(data_->person.messages.back(), std::string(message::kNoLanguageSelected.text));
  QVERIFY(!QFile::exists(path));
}

void ExportPageTest::saveNeedsANameAndAWritableFile() {
  ExportPage page(data_->database, data_->person);
  SelectConcept("dog");
  QVERIFY(page.AddConceptFrom(data_->pane) != nullptr);
  QVERIFY(page.SaveButton().isEnabled());
  page.FileNameEdit().clear();
  QVERIFY(!page.SaveButton().isEnabled());
  QVERIFY(!page.Save());
  QVERIFY(!page.Edit());
  QVERIFY(data_->person.messages.empty());

  page.FileNameEdit().setText(folder_.filePath(QStringLiteral("missing/folder/x.exp")));
  QVERIFY(page.SaveButton().isEnabled());
  QVERIFY(!page.Save());
  QCOMPARE(data_->person.messages.size(), 1u);
}

void ExportPageTest::editOpensTheFileWithTheDesktopOpener() {
  ExportPage page(data_->database, data_->person);
  FileOpener opener;
  const QString path = folder_.filePath(QStringLiteral("with blanks.exp"));
  page.FileNameEdit().setText(path);
  QVERIFY(page.Edit());
  QCOMPARE(opener.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
  QVERIFY(data_->person.messages.empty());
}

void ExportPageTest::editFallsBackOnTheEditorVariable() {
  // Without a desktop the opener fails, and $VISUAL is the editor.
  if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
    QSKIP("the desktop's opener would open the file");
  }
  const QString record = folder_.filePath(QStringLiteral("arguments"));
  const QString editor = folder_.filePath(QStringLiteral("editor"));
  QFile script(editor);
  QVERIFY(script.open(QIODevice::WriteOnly));
  script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.part\" && mv \"$0.part\" \"" +
               record.toUtf8() + "\"\n");
  script.close();
  script.setPermissions(script.permissions() | QFile::ExeUser);

  ExportPage page(data_->database, data_->person);
  const QString path = folder_.filePath(QStringLiteral("with blanks.exp"));
  page.FileNameEdit().setText(path);
  qputenv(TextEditorStarter::kEditorVariable, (editor + QStringLiteral(" -f")).toUtf8());
  QVERIFY(page.Edit());
  QTRY_VERIFY(QFile::exists(record));
  // The editor's own argument, then the file name whole.
  QCOMPARE(ReadAll(record), QByteArray("-f\n") + path.toUtf8() + '\n');

  qputenv(TextEditorStarter::kEditorVariable, folder_.filePath(QStringLiteral("none")).toUtf8());
  QVERIFY(!page.Edit());
  qunsetenv(TextEditorStarter::kEditorVariable);
  QVERIFY(!page.Edit());
  QCOMPARE(data_->person.messages, (std::vector<std::string>(2, message::kEditorNotStarted.text)));
}

QTEST_MAIN(ExportPageTest)
#include "ExportPage_test.moc"
