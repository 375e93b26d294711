// The input bar and the browse bar on the WordNet database: languages with flags, the browse
// after typing, Lookup in both modes, the mode and language keys, and the browse bar's choice.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include "BarsTestSupport.h"
#include "bars/BrowseBar.h"
#include "bars/InputBar.h"
#include "tree/TreeItem.h"

namespace {

// A shown bar with the browse bar wired to it as a view window wires them.
struct WiredBars {
  explicit WiredBars(WordNetBars& data, bool twoSides = false)
      : input(data.database, data.person, twoSides, &window), browse(&window) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&input);
    layout->addWidget(&browse);
    QObject::connect(&input, &InputBar::BrowseWanted, &browse,
                     [this](BarSide side) { browse.Fill(side, input.BrowseFor(side)); });
    window.show();
  }
  QTimer& Timer() { return *input.findChild<QTimer*>(QStringLiteral("browseTimer")); }

  QWidget window;
  InputBar input;
  BrowseBar browse;
};

}  // namespace

class InputBarTest : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void languagesComeWithFlagsAndTheFirstIsChosen();
  void typingBrowsesOnceAfterTheLastKey();
  void lookUpWaitsForText();
  void browseModeLooksUpTheFirstListedForm();
  void queryModeLooksUpTheTextAndListsPatterns();
  void functionKeysSwitchModeAndChooseLanguages();
  void focusOnAnEditBrowsesForItsSide();
  void keysReachTheBarFromTheViewAndTabLeadsToTheTrees();
  void browseBarAsksForTheChosenForm();

 private:
  std::unique_ptr<WordNetBars> data_;
};

void InputBarTest::init() {
  data_ = std::make_unique<WordNetBars>();
  if (!data_->IsOpen()) QSKIP("no WordNet test database");
}

void InputBarTest::languagesComeWithFlagsAndTheFirstIsChosen() {
  InputBar bar(data_->database, data_->person, true);
  QCOMPARE(bar.ModeCombo().currentText(), QStringLiteral("Browse"));
  QCOMPARE(bar.Mode(), InputBarState::Mode::kBrowse);
  QVERIFY(bar.HasRightSide());
  const std::size_t languages = data_->database.LanguageList().size();
  for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
    QComboBox& combo = bar.LanguageCombo(side);
    QCOMPARE(combo.count(), static_cast<int>(languages));
    QCOMPARE(combo.currentIndex(), 0);
    for (int row = 0; row < combo.count(); ++row) {
      const LanguageEntry& language = data_->database.LanguageList()[static_cast<std::size_t>(row)];
      QCOMPARE(combo.itemText(row).toStdString(), language.Name());
      QCOMPARE(combo.itemData(row).toString().toStdString(), language.Code());
      QVERIFY(!combo.itemIcon(row).isNull());
    }
  }
  QCOMPARE(bar.LanguageCode(BarSide::kLeft), data_->database.LanguageList().front().Code());
  QVERIFY(data_->person.messages.empty());

  InputBar single(data_->database, data_->person, false);
  QVERIFY(!single.HasRightSide());
}

void InputBarTest::typingBrowsesOnceAfterTheLastKey() {
  WiredBars bars(*data_);
  // The focus coming to the edit browses at once; only the timer's browse is counted here.
  QVERIFY(QTest::qWaitForWindowActive(&bars.window));
  bars.input.WordEdit(BarSide::kLeft).setFocus();
  QSignalSpy browses(&bars.input, &InputBar::BrowseWanted);
  QTest::keyClicks(&bars.input.WordEdit(BarSide::kLeft), QStringLiteral("do"));
  // Nothing before the delay has run out since the last key.
  QCOMPARE(browses.count(), 0);
  QVERIFY(bars.Timer().isActive());
  QVERIFY(browses.wait(2 * InputBar::kBrowseDelayMs));
  QTest::qWait(InputBar::kBrowseDelayMs + 100);
  QCOMPARE(browses.count(), 1);
  QCOMPARE(browses.first().at(1).toString(), QStringLiteral("do"));

  const QStringList forms = bars.browse.Forms();
  QCOMPARE(forms.size(), 71);
  QCOMPARE(forms.first(), QStringLiteral("do"));
  QCOMPARE(bars.browse.List().currentRow(), 0);
  // The dictionary's order: never decreasing, letter case aside, and nothing before the text.
  for (int i = 1; i < forms.size(); ++i) {
    QVERIFY2(QString::compare(forms[i - 1], forms[i], Qt::CaseInsensitive) <= 0,
             qPrintable(forms[i - 1] + " > " + forms[i]));
    QVERIFY(QString::compare(forms[i], QStringLiteral("do"), Qt::CaseInsensitive) >= 0);
  }
}

void InputBarTest::lookUpWaitsForText() {
  WiredBars bars(*data_);
  QSignalSpy lookUps(&bars.input, &InputBar::LookUpWanted);
  QLineEdit& edit = bars.input.WordEdit(BarSide::kLeft);
  QVERIFY(!bars.input.LookUpButton(BarSide::kLeft).isEnabled());
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(lookUps.count(), 0);

  QTest::keyClicks(&edit, QStringLiteral("cat"));
  QVERIFY(bars.input.LookUpButton(BarSide::kLeft).isEnabled());
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(lookUps.count(), 1);
  QCOMPARE(lookUps.first().at(1).toString(), QStringLiteral("cat"));
  // The Lookup took the place of the pending browse.
  QVERIFY(!bars.Timer().isActive());
  QTest::mouseClick(&bars.input.LookUpButton(BarSide::kLeft), Qt::LeftButton);
  QCOMPARE(lookUps.count(), 2);

  edit.clear();
  QVERIFY(!bars.input.LookUpButton(BarSide::kLeft).isEnabled());
}

void InputBarTest::browseModeLooksUpTheFirstListedForm() {
  WiredBars bars(*data_);
  bars.input.WordEdit(BarSide::kLeft).setText(QStringLiteral("dogg"));
  InputBarState::Browse browse;
  const TreeItem* word = bars.input.LookUp(BarSide::kLeft, data_->pane, browse);
  QVERIFY(!bars.Timer().isActive());
  QVERIFY(browse.show && browse.filled);
  QVERIFY(!browse.forms.empty());
  QVERIFY(browse.forms.front() != "dogg");
  QVERIFY(word != nullptr);
  QCOMPARE(word->Text(), browse.forms.front());
  QVERIFY(data_->person.messages.empty());
}

void InputBarTest::queryModeLooksUpTheTextAndListsPatterns() {
  WiredBars bars(*data_);
  bars.input.SetMode(InputBarState::Mode::kQuery);
  QLineEdit& edit = bars.input.WordEdit(BarSide::kLeft);
  InputBarState::Browse browse;

  edit.setText(QStringLiteral("dogg"));
  QCOMPARE(bars.input.LookUp(BarSide::kLeft, data_->pane, browse), nullptr);
  QCOMPARE(data_->person.messages, (std::vector<std::string>{"Word not found !"}));

  edit.setText(QStringLiteral("do?"));
  QCOMPARE(bars.input.LookUp(BarSide::kLeft, data_->pane, browse), nullptr);
  QVERIFY(browse.show && browse.filled);
  bars.browse.Fill(BarSide::kLeft, browse);
  const QStringList forms = bars.browse.Forms();
  QVERIFY(forms.contains(QStringLiteral("dog")));
  QVERIFY(forms.contains(QStringLiteral("doe")));
  for (const QString& form : forms) {
    QVERIFY2(form.size() == 3 && form.startsWith(QStringLiteral("do"), Qt::CaseInsensitive),
             qPrintable(form));
  }
  QCOMPARE(data_->pane.Lines().Count(), 0u);

  edit.setText(QStringLiteral("dog"));
  const TreeItem* word = bars.input.LookUp(BarSide::kLeft, data_->pane, browse);
  QVERIFY(word != nullptr);
  QCOMPARE(word->Text(), std::string("dog"));
}

void InputBarTest::functionKeysSwitchModeAndChooseLanguages() {
  WiredBars bars(*data_, true);
  QVERIFY(QTest::qWaitForWindowActive(&bars.window));
  if (bars.input.LanguageCombo(BarSide::kRight).count() < 2) QSKIP("one language only");
  QSignalSpy modes(&bars.input, &InputBar::ModeChanged);
  QSignalSpy languages(&bars.input, &InputBar::LanguageChosen);

  QLineEdit& right = bars.input.WordEdit(BarSide::kRight);
  right.setFocus();
  QTest::keyClick(&right, Qt::Key_F2);
  QCOMPARE(bars.input.Mode(), InputBarState::Mode::kQuery);
  QCOMPARE(bars.input.ModeCombo().currentText(), QStringLiteral("Query"));
  QTest::keyClick(&right, Qt::Key_F2);
  QCOMPARE(bars.input.Mode(), InputBarState::Mode::kBrowse);
  QCOMPARE(modes.count(), 2);
  QCOMPARE(modes.at(0).at(0).toBool(), false);
  QCOMPARE(modes.at(1).at(0).toBool(), true);

  // F7: the second language of the side that has the focus, and the focus to its edit.
  QTest::keyClick(&right, Qt::Key_F7);
  QCOMPARE(bars.input.LanguageCombo(BarSide::kRight).currentIndex(), 1);
  QCOMPARE(bars.input.LanguageCombo(BarSide::kLeft).currentIndex(), 0);
  QCOMPARE(languages.count(), 1);
  QCOMPARE(languages.first().at(0).value<BarSide>(), BarSide::kRight);
  QCOMPARE(languages.first().at(1).toString().toStdString(),
           data_->database.LanguageList()[1].Code());
  QVERIFY(right.hasFocus());

  bars.input.LanguageCombo(BarSide::kLeft).setFocus();
  QTest::keyClick(&bars.input.LanguageCombo(BarSide::kLeft), Qt::Key_F7);
  QCOMPARE(bars.input.LanguageCombo(BarSide::kLeft).currentIndex(), 1);
  QVERIFY(bars.input.WordEdit(BarSide::kLeft).hasFocus());
  // A language the combo does not have changes nothing.
  const int count = bars.input.LanguageCombo(BarSide::kLeft).count();
  QVERIFY(!bars.input.ChooseLanguage(BarSide::kLeft, count + 1));
  QVERIFY(!bars.input.ChooseLanguage(BarSide::kLeft, 0));
  QCOMPARE(bars.input.LanguageCombo(BarSide::kLeft).currentIndex(), 1);
}

void InputBarTest::focusOnAnEditBrowsesForItsSide() {
  WiredBars bars(*data_, true);
  QVERIFY(QTest::qWaitForWindowActive(&bars.window));
  bars.input.WordEdit(BarSide::kRight).setText(QStringLiteral("cat"));
  bars.Timer().stop();
  QSignalSpy browses(&bars.input, &InputBar::BrowseWanted);
  bars.input.WordEdit(BarSide::kRight).setFocus();
  QCOMPARE(browses.count(), 1);
  QCOMPARE(browses.first().at(0).value<BarSide>(), BarSide::kRight);
  QCOMPARE(bars.browse.Side(), BarSide::kRight);
  QVERIFY(!bars.browse.Forms().isEmpty());
}

void InputBarTest::keysReachTheBarFromTheViewAndTabLeadsToTheTrees() {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* bar = new InputBar(data_->database, data_->person, true, &window);
  // Any focusable widget stands for a pane's tree here.
  auto* leftTree = new QLineEdit(&window);
  auto* rightTree = new QLineEdit(&window);
  layout->addWidget(bar);
  layout->addWidget(leftTree);
  layout->addWidget(rightTree);
  bar->SetTrees(leftTree, rightTree);
  bar->SetKeyScope(window);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  if (bar->LanguageCombo(BarSide::kRight).count() < 2) QSKIP("one language only");

  rightTree->setFocus();
  QTest::keyClick(rightTree, Qt::Key_F7);
  QCOMPARE(bar->LanguageCombo(BarSide::kRight).currentIndex(), 1);
  QVERIFY(bar->WordEdit(BarSide::kRight).hasFocus());
  leftTree->setFocus();
  QTest::keyClick(leftTree, Qt::Key_F2);
  QCOMPARE(bar->Mode(), InputBarState::Mode::kQuery);

  // The Lookup button is skipped while disabled.
  bar->WordEdit(BarSide::kLeft).setFocus();
  QTest::keyClick(&bar->WordEdit(BarSide::kLeft), Qt::Key_Tab);
  QVERIFY(leftTree->hasFocus());
  bar->LanguageCombo(BarSide::kLeft).setFocus();
  QTest::keyClick(&bar->LanguageCombo(BarSide::kLeft), Qt::Key_Backtab);
  QVERIFY(rightTree->hasFocus());
}

void InputBarTest::browseBarAsksForTheChosenForm() {
  BrowseBar bar;
  bar.Fill(BarSide::kRight, InputBarState::Browse{true, true, {"cat", "catch"}});
  QCOMPARE(bar.List().currentRow(), 0);
  bar.show();
  QVERIFY(QTest::qWaitForWindowExposed(&bar));
  QSignalSpy chosen(&bar, &BrowseBar::WordChosen);
  QListWidget& list = bar.List();
  const QRect second = list.visualItemRect(list.item(1));
  // Through the window, so that the clicks come as a person's.
  QTest::mouseDClick(bar.windowHandle(), Qt::LeftButton, {},
                     list.viewport()->mapTo(&bar, second.center()));
  QCOMPARE(chosen.count(), 1);
  QCOMPARE(chosen.first().at(0).value<BarSide>(), BarSide::kRight);
  QCOMPARE(chosen.first().at(1).toString(), QStringLiteral("catch"));

  // A browse that lists nothing new leaves the list.
  bar.Fill(BarSide::kLeft, InputBarState::Browse{true, false, {}});
  QCOMPARE(bar.Forms(), (QStringList{"cat", "catch"}));
  QCOMPARE(bar.Side(), BarSide::kLeft);
}

QTEST_MAIN(InputBarTest)
#include "InputBar_test.moc"
