// The information bar's pages for the selected line: a concept line, an ILI line and no line,
// the colours of relation names and missing texts, and the refresh when the tab changes.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <utility>
#include <vector>

#include "BarsTestSupport.h"
#include "TreeTestSupport.h"
#include "bars/GlossPage.h"
#include "bars/InfoBar.h"
#include "bars/SynsetPage.h"
#include "bars/VariantPage.h"
#include "tree/ConceptItem.h"
#include "tree/EqRelationNames.h"
#include "tree/IliItem.h"

namespace {

using Run = std::pair<QString, QColor>;

// The text of an edit in runs of one colour.
std::vector<Run> Runs(const QTextEdit& edit) {
  std::vector<Run> runs;
  for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
    if (!runs.empty()) runs.back().first += '\n';
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      const QTextFragment fragment = piece.fragment();
      runs.emplace_back(fragment.text(), fragment.charFormat().foreground().color());
    }
  }
  return runs;
}

const QColor kRelation = QColor::fromRgb(0x00, 0x00, 0x7F);
const QColor kRed = QColor::fromRgb(0xFF, 0x00, 0x00);

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts.append(list.item(row)->text());
  return texts;
}

}  // namespace

class InfoBarTest : public QObject {
  Q_OBJECT

 private slots:
  void conceptLineFillsOnlyTheCurrentPage();
  void iliLineShowsOnlyItsGloss();
  void missingTextsAreRed();
  void tabChangeShowsThePanesSelectedLineNow();
};

void InfoBarTest::conceptLineFillsOnlyTheCurrentPage() {
  WordNetBars data;
  if (!data.IsOpen()) QSKIP("no WordNet test database");
  InfoBar bar(data.database, data.person);
  auto* line = static_cast<ConceptItem*>(data.SelectFirst("dog", LineKind::kConcept));
  QVERIFY(line != nullptr);
  bar.Refresh(line, &data.pane);

  auto& gloss = static_cast<GlossPage&>(bar.Page(InfoPages::kGloss));
  QVERIFY(!gloss.ShowsPrompt());
  QCOMPARE(gloss.LanguageLabel().text(), QStringLiteral("English"));
  QVERIFY(!gloss.Definition().isHidden());
  QVERIFY(gloss.Definition().toPlainText().contains(QStringLiteral("Canis")));
  const std::vector<Run> ili = Runs(gloss.Ili());
  QVERIFY(ili.size() >= 2);
  QCOMPARE(ili[0].first, QString::fromUtf8(EqRelationNames::Of(1)) + QStringLiteral(": "));
  QCOMPARE(ili[0].second, kRelation);
  QVERIFY(ili[1].second != kRelation && ili[1].second != kRed);
  // The other pages wait until their tab is chosen.
  QVERIFY(bar.Page(InfoPages::kSynset).ShowsPrompt());

  bar.setCurrentIndex(InfoPages::kSynset);
  auto& synset = static_cast<SynsetPage&>(bar.Page(InfoPages::kSynset));
  QVERIFY(!synset.ShowsPrompt());
  QVERIFY(Texts(synset.Variants()).contains(QStringLiteral("dog :1")));
  QCOMPARE(synset.Variants().count(), line->VariantCount());
  QVERIFY(synset.IliWords().count() > 0);

  bar.setCurrentIndex(InfoPages::kVariant);
  QVERIFY(!bar.Page(InfoPages::kVariant).ShowsPrompt());
  bar.setCurrentIndex(InfoPages::kIli);
  QVERIFY(bar.Page(InfoPages::kIli).ShowsPrompt());
  QVERIFY(data.person.messages.empty());
}

void InfoBarTest::iliLineShowsOnlyItsGloss() {
  WordNetBars data;
  if (!data.IsOpen()) QSKIP("no WordNet test database");
  InfoBar bar(data.database, data.person);
  auto* line = static_cast<IliItem*>(data.SelectFirst("dog", LineKind::kIli));
  QVERIFY(line != nullptr);
  bar.Refresh(line, &data.pane);

  auto& gloss = static_cast<GlossPage&>(bar.Page(InfoPages::kGloss));
  QVERIFY(!gloss.ShowsPrompt());
  QVERIFY(gloss.Definition().isHidden());
  QVERIFY(gloss.LanguageLabel().isHidden());
  const std::vector<Run> ili = Runs(gloss.Ili());
  QCOMPARE(ili.size(), 2u);
  QCOMPARE(ili[0].first,
           QString::fromUtf8(EqRelationNames::Of(line->EqRelation())) + QStringLiteral(": "));
  QCOMPARE(ili[0].second, kRelation);
  QVERIFY(ili[1].first.contains(QStringLiteral("Canis")));

  bar.setCurrentIndex(InfoPages::kSynset);
  auto& synset = static_cast<SynsetPage&>(bar.Page(InfoPages::kSynset));
  QVERIFY(!synset.ShowsPrompt());
  QCOMPARE(synset.Variants().count(), 0);
  QVERIFY(synset.IliWords().count() > 0);
  bar.setCurrentIndex(InfoPages::kVariant);
  QVERIFY(bar.Page(InfoPages::kVariant).ShowsPrompt());

  // A concept line afterwards shows its definition again.
  bar.setCurrentIndex(InfoPages::kGloss);
  bar.Refresh(data.SelectFirst("dog", LineKind::kConcept), &data.pane);
  QVERIFY(!gloss.Definition().isHidden());
}

void InfoBarTest::missingTextsAreRed() {
  TreeTestPane data;
  InfoBar bar(data.database, data.person);
  data.pane.LookUp("dog", nullptr, 0);
  auto* dog = static_cast<ConceptItem*>(data.pane.Lines().VisibleLine(2));
  QCOMPARE(dog->Kind(), LineKind::kConcept);
  // The third variant, "hound", has no definition.
  QVERIFY(dog->SetCurrentVariant(3));
  data.pane.Select(dog);
  bar.Refresh(dog, &data.pane);
  auto& gloss = static_cast<GlossPage&>(bar.Page(InfoPages::kGloss));
  std::vector<Run> definition = Runs(gloss.Definition());
  QCOMPARE(definition.size(), 1u);
  QCOMPARE(definition[0], Run(QStringLiteral("<No Definition>"), kRed));

  bar.setCurrentIndex(InfoPages::kVariant);
  auto& variant = static_cast<VariantPage&>(bar.Page(InfoPages::kVariant));
  QVERIFY(!variant.ShowsPrompt());
  QVERIFY(variant.Features().toPlainText().isEmpty());
  QVERIFY(variant.UsageLabels().toPlainText().isEmpty());

  // "animal" has no ILI record.
  bar.setCurrentIndex(InfoPages::kGloss);
  data.pane.ClearTree();
  data.pane.LookUp("animal", nullptr, 0);
  TreeItem* animal = data.pane.Lines().VisibleLine(2);
  QCOMPARE(animal->Kind(), LineKind::kConcept);
  data.pane.Select(animal);
  bar.Refresh(animal, &data.pane);
  QCOMPARE(Runs(gloss.Ili()), (std::vector<Run>{{QStringLiteral("<No ILI links>"), kRed}}));
  bar.setCurrentIndex(InfoPages::kSynset);
  auto& synset = static_cast<SynsetPage&>(bar.Page(InfoPages::kSynset));
  QCOMPARE(Texts(synset.IliWords()), QStringList{QStringLiteral("<No ILI links>")});
}

void InfoBarTest::tabChangeShowsThePanesSelectedLineNow() {
  TreeTestPane data;
  InfoBar bar(data.database, data.person);
  bar.Refresh(nullptr, nullptr);
  QVERIFY(bar.Page(InfoPages::kGloss).ShowsPrompt());

  data.pane.LookUp("dog", nullptr, 0);
  TreeItem* dog = data.pane.Lines().VisibleLine(2);
  data.pane.Select(dog);
  bar.Refresh(dog, &data.pane);
  QVERIFY(!bar.Page(InfoPages::kGloss).ShowsPrompt());

  // The lines go; the next tab must not reach for the old one.
  data.pane.ClearTree();
  bar.setCurrentIndex(InfoPages::kSynset);
  QVERIFY(bar.Page(InfoPages::kSynset).ShowsPrompt());

  data.pane.LookUp("dog", nullptr, 0);
  data.pane.Select(data.pane.Lines().VisibleLine(2));
  bar.setCurrentIndex(InfoPages::kGloss);
  QVERIFY(!bar.Page(InfoPages::kGloss).ShowsPrompt());
  // A word line is no meaning.
  data.pane.Select(data.pane.Lines().VisibleLine(0));
  bar.setCurrentIndex(InfoPages::kSynset);
  QVERIFY(bar.Page(InfoPages::kSynset).ShowsPrompt());
}

QTEST_MAIN(InfoBarTest)
#include "InfoBar_test.moc"
