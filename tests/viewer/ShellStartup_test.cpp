// Start-up of the viewer: which database it opens, which views, where the window goes, and the
// settings it writes when it closes and reads at the next start.
#include <QListWidget>
#include <QMenuBar>
#include <QtTest>

#include "ShellSupport.h"
#include "shell/CLumivueApp.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandId.h"
#include "shell/NewViewDialog.h"
#include "shell/SettingsStore.h"

class ShellStartupTest : public QObject, public ShellSession {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void commandLineDatabaseOpensWithoutView();
  void viewOptionsOpenViewsInOrder();
  void emptyCommandLineOpensStoredDatabaseAndOffersNew();
  void storedDatabaseThatFailsIsReportedThenAskedFor();
  void withoutAnyDatabaseTheDialogIsCancelled();
  void commandLineOfArgumentsKeepsBlanksInPaths();

  void windowGoesToStoredPlace();
  void maximizedStatusWinsOverPosition();
  void settingsWrittenAtCloseAreReadBack();
  void closingMaximizedKeepsLastPosition();
  void unreadableValuesKeepTheirDefaults();

 private:
  void Write(const char* name, const QVariant& value);
  ViewerSettings Written();
};

void ShellStartupTest::init() {
  if (!BeginSession()) QSKIP("the test WordNet database was not built");
}

void ShellStartupTest::cleanup() {
  EndSession();
}

void ShellStartupTest::Write(const char* name, const QVariant& value) {
  QSettings store = settings_->Store();
  store.beginGroup(QString::fromUtf8(ViewerSettings::kGroup));
  store.setValue(QString::fromUtf8(name), value);
  store.endGroup();
  store.sync();
}

ViewerSettings ShellStartupTest::Written() {
  QSettings store = settings_->Store();
  return SettingsStore::Read(store);
}

QStringList MenuTitles(CMainFrame& frame) {
  QStringList titles;
  for (QAction* menu : frame.menuBar()->actions()) titles.append(menu->text());
  return titles;
}

void ShellStartupTest::commandLineDatabaseOpensWithoutView() {
  CMainFrame& frame = Start("-F " + wordNet_);
  QCOMPARE(frame.Database().HasDatabase(), 1);
  QCOMPARE(frame.Database().Path(), wordNet_.toStdString());
  QVERIFY(frame.Frames().isEmpty());
  QCOMPARE(frame.windowTitle(), QStringLiteral("Lumivue v1.3.1"));
  QCOMPARE(MenuTitles(frame), (QStringList{"&File", "&View", "&Options", "&Help"}));
  QCOMPARE(frame.Panes().Text(PersonInterface::StatusPane::kFilter), QStringLiteral("Filter Off"));
  QVERIFY(modals_->messages.isEmpty());
  QVERIFY(modals_->dialogs.isEmpty());
}

void ShellStartupTest::viewOptionsOpenViewsInOrder() {
  CMainFrame& frame = Start("-F \"" + wordNet_ + "\" -L -T -L");
  const QList<CLumivueChildFrm*> frames = frame.Frames();
  QCOMPARE(frames.size(), 3);
  QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Monolingual View 1"));
  QCOMPARE(frames[1]->windowTitle(), QStringLiteral("Multilingual View 1"));
  QVERIFY(frames[1]->View().IsMultilingual());
  QCOMPARE(frames[2]->windowTitle(), QStringLiteral("Monolingual View 2"));
  QCOMPARE(frame.windowTitle(), QStringLiteral("Lumivue v1.3.1 - Monolingual View 2"));
  QCOMPARE(MenuTitles(frame),
           (QStringList{"&File", "&Edit", "&View", "&Options", "&Window", "&Help"}));
}

void ShellStartupTest::emptyCommandLineOpensStoredDatabaseAndOffersNew() {
  Write(ViewerSettings::kDatabaseName, wordNet_);
  modals_->Then([](QWidget& dialog) {
    auto& choice = static_cast<NewViewDialog&>(dialog);
    choice.Kinds().setCurrentRow(1);
    choice.accept();
  });
  CMainFrame& frame = Start(QString());
  QCOMPARE(frame.Database().HasDatabase(), 1);
  QTRY_COMPARE(frame.Frames().size(), 1);
  QVERIFY(frame.ActiveView()->IsMultilingual());
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("New")});
}

void ShellStartupTest::storedDatabaseThatFailsIsReportedThenAskedFor() {
  const QString missing = QStringLiteral("/nonexistent/lexicon.fdb");
  Write(ViewerSettings::kDatabaseName, missing);
  CMainFrame& frame = Start(QString());
  QCOMPARE(
      modals_->messages,
      QStringList{QStringLiteral("Error opening Polylex database [/nonexistent/lexicon.fdb]")});
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("Open Database")});
  QCOMPARE(frame.Database().HasDatabase(), 0);
  QVERIFY(frame.Frames().isEmpty());
  QVERIFY(!frame.Commands().Action(command::kNewMonolingual)->isEnabled());
  // The failed path is kept, so the next start tries it again.
  frame.close();
  QCOMPARE(Written().database, missing.toStdString());
}

void ShellStartupTest::withoutAnyDatabaseTheDialogIsCancelled() {
  CMainFrame& frame = Start(QStringLiteral("-L"));
  QCOMPARE(modals_->dialogs, QStringList{QStringLiteral("Open Database")});
  QCOMPARE(frame.Database().HasDatabase(), 0);
  // No view without a database, whatever the command line asks.
  QVERIFY(frame.Frames().isEmpty());
}

void ShellStartupTest::commandLineOfArgumentsKeepsBlanksInPaths() {
  const QString line = CLumivueApp::CommandLineOf({"-F", "/data/my lexicon.fdb", "-L"});
  QCOMPARE(line, QStringLiteral("-F \"/data/my lexicon.fdb\" -L"));
  const CommandLine parsed = CommandLine::Parse(line.toStdString());
  QCOMPARE(QString::fromStdString(*parsed.DatabasePath()), QStringLiteral("/data/my lexicon.fdb"));
  QCOMPARE(parsed.Views().size(), std::size_t{1});
}

void ShellStartupTest::windowGoesToStoredPlace() {
  const auto bytes = ViewerSettings::EncodePosition({40, 50, 640, 530});
  Write(ViewerSettings::kPositionName, QByteArray(reinterpret_cast<const char*>(bytes.data()), 16));
  CMainFrame& frame = Start("-F " + wordNet_);
  QVERIFY(!frame.isMaximized());
  QCOMPARE(frame.geometry(), QRect(40, 50, 600, 480));
}

void ShellStartupTest::maximizedStatusWinsOverPosition() {
  const auto bytes = ViewerSettings::EncodePosition({40, 50, 640, 530});
  Write(ViewerSettings::kPositionName, QByteArray(reinterpret_cast<const char*>(bytes.data()), 16));
  Write(ViewerSettings::kStatusName, 1);
  CMainFrame& frame = Start("-F " + wordNet_);
  QVERIFY(frame.isMaximized());
}

void ShellStartupTest::settingsWrittenAtCloseAreReadBack() {
  CMainFrame& frame = Start("-F " + wordNet_ + " -L");
  frame.ApplyFont(QFont(QStringLiteral("DejaVu Sans"), 14));
  frame.Run(command::kDataTips);
  frame.setGeometry(QRect(30, 40, 500, 400));
  frame.close();

  const ViewerSettings written = Written();
  QCOMPARE(written.database, wordNet_.toStdString());
  QCOMPARE(written.maximized, false);
  QVERIFY(written.position.has_value());
  QCOMPARE(*written.position, (WindowRect{30, 40, 530, 440}));
  QCOMPARE(written.fontSize, 140);
  QCOMPARE(written.fontName, std::string("DejaVu Sans"));
  QCOMPARE(written.dataTips, false);

  // The next start takes them up.
  CMainFrame& next = Start(QString());
  QCOMPARE(next.Database().HasDatabase(), 1);
  QCOMPARE(next.geometry(), QRect(30, 40, 500, 400));
  QCOMPARE(next.PaneFont().pointSize(), 14);
  QVERIFY(!next.Commands().Action(command::kDataTips)->isChecked());
}

void ShellStartupTest::closingMaximizedKeepsLastPosition() {
  const auto bytes = ViewerSettings::EncodePosition({40, 50, 640, 530});
  Write(ViewerSettings::kPositionName, QByteArray(reinterpret_cast<const char*>(bytes.data()), 16));
  Write(ViewerSettings::kStatusName, 1);
  CMainFrame& frame = Start("-F " + wordNet_);
  frame.close();
  const ViewerSettings written = Written();
  QCOMPARE(written.maximized, true);
  QCOMPARE(*written.position, (WindowRect{40, 50, 640, 530}));
}

void ShellStartupTest::unreadableValuesKeepTheirDefaults() {
  Write(ViewerSettings::kFontSizeName, QStringLiteral("large"));
  Write(ViewerSettings::kPositionName, QByteArray("short"));
  Write(ViewerSettings::kDataTipsName, QStringLiteral("often"));
  const ViewerSettings read = Written();
  QCOMPARE(read.fontSize, ViewerSettings::kDefaultFontSize);
  QVERIFY(!read.position.has_value());
  QCOMPARE(read.dataTips, true);
  CMainFrame& frame = Start("-F " + wordNet_);
  QCOMPARE(frame.geometry(), QRect(10, 10, 490, 390));
  QCOMPARE(frame.PaneFont().pointSize(), 10);
}

QTEST_MAIN(ShellStartupTest)
#include "ShellStartup_test.moc"
