// The filter bar on the WordNet database: its tree after a database open, check boxes and presets
// changing the filter that look-ups obey, and what the status pane is told.
#include <QComboBox>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include "BarsTestSupport.h"
#include "bars/FilterBar.h"
#include "tree/TreeItem.h"

namespace {

using Preset = FilterState::Preset;

// The part-of-speech lines of a look-up of `word`.
QStringList PartsOfSpeech(ConceptPane& pane, const std::string& word) {
  pane.ClearTree();
  pane.LookUp(word, nullptr, 0);
  QStringList names;
  for (std::size_t row = 0; row < pane.Lines().VisibleCount(); ++row) {
    const TreeItem* line = pane.Lines().VisibleLine(row);
    if (line->Kind() == LineKind::kPartOfSpeech) names.append(QString::fromStdString(line->Text()));
  }
  return names;
}

QTreeWidgetItem* ItemNamed(QTreeWidget& tree, const QString& name) {
  const QList<QTreeWidgetItem*> found = tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
  return found.size() == 1 ? found.front() : nullptr;
}

}  // namespace

class FilterBarTest : public QObject {
  Q_OBJECT

 private slots:
  void init();

  void treeHoldsTheRelationsAndPartsOfSpeechAllChecked();
  void uncheckingVerbHidesVerbMeanings();
  void presetsChangeStateAndCheckMarksTogether();

 private:
  std::unique_ptr<WordNetBars> data_;
  std::unique_ptr<FilterBar> bar_;
};

void FilterBarTest::init() {
  bar_.reset();
  data_ = std::make_unique<WordNetBars>();
  if (!data_->IsOpen()) QSKIP("no WordNet test database");
  bar_ = std::make_unique<FilterBar>(data_->database.Filter());
  bar_->Rebuild();
}

void FilterBarTest::treeHoldsTheRelationsAndPartsOfSpeechAllChecked() {
  QTreeWidget& tree = bar_->Tree();
  QCOMPARE(tree.topLevelItemCount(), 2);
  QTreeWidgetItem* links = tree.topLevelItem(0);
  QTreeWidgetItem* parts = tree.topLevelItem(1);
  QCOMPARE(links->text(0), QStringLiteral("Link Filters"));
  QCOMPARE(links->childCount(), static_cast<int>(data_->database.RelationList().size()));
  QCOMPARE(parts->text(0), QStringLiteral("Part-of-speech"));
  QStringList names;
  for (int i = 0; i < parts->childCount(); ++i) names.append(parts->child(i)->text(0));
  QCOMPARE(names, (QStringList{"Noun", "Verb", "Adjective", "Adverb", "Proper Noun"}));
  for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it) {
    QCOMPARE((*it)->checkState(0), Qt::Checked);
  }
  QCOMPARE(bar_->Presets().currentText(), QStringLiteral("None"));
  QCOMPARE(bar_->Presets().count(), FilterState::kPresetCount);

  // A rebuild after changes starts over with everything on.
  bar_->ApplyPreset(static_cast<int>(Preset::kDeselectAll));
  bar_->Presets().setCurrentIndex(static_cast<int>(Preset::kDeselectAll));
  data_->database.Filter().Rebuild({});
  bar_->Rebuild();
  QCOMPARE(tree.topLevelItem(0)->childCount(), 0);
  QCOMPARE(tree.topLevelItem(1)->child(1)->checkState(0), Qt::Checked);
  QCOMPARE(bar_->Presets().currentIndex(), 0);
}

void FilterBarTest::uncheckingVerbHidesVerbMeanings() {
  QVERIFY(PartsOfSpeech(data_->pane, "dog").contains(QStringLiteral("Verb")));
  QSignalSpy changes(bar_.get(), &FilterBar::FilterChanged);
  ItemNamed(bar_->Tree(), QStringLiteral("Verb"))->setCheckState(0, Qt::Unchecked);
  QCOMPARE(changes.count(), 1);
  QCOMPARE(changes.first().at(0).toBool(), true);
  const FilterState& filter = data_->database.Filter();
  QVERIFY(!filter.PassesPartOfSpeech('v'));
  QVERIFY(filter.PassesPartOfSpeech('n'));
  QCOMPARE(std::string(filter.StatusText().text), std::string("Filter On"));
  QCOMPARE(PartsOfSpeech(data_->pane, "dog"), QStringList{QStringLiteral("Noun")});

  // Unchecking the root lets every part of speech through again.
  bar_->Tree().topLevelItem(1)->setCheckState(0, Qt::Unchecked);
  QCOMPARE(changes.count(), 2);
  QCOMPARE(changes.last().at(0).toBool(), false);
  QVERIFY(filter.PassesPartOfSpeech('v'));
  QVERIFY(PartsOfSpeech(data_->pane, "dog").contains(QStringLiteral("Verb")));
}

void FilterBarTest::presetsChangeStateAndCheckMarksTogether() {
  QSignalSpy changes(bar_.get(), &FilterBar::FilterChanged);
  const FilterState& filter = data_->database.Filter();
  QTreeWidget& tree = bar_->Tree();
  QTreeWidgetItem* links = tree.topLevelItem(0);
  QTreeWidgetItem* verb = ItemNamed(tree, QStringLiteral("Verb"));
  verb->setCheckState(0, Qt::Unchecked);

  // The combo, as a person chooses from it.
  bar_->Presets().setCurrentIndex(static_cast<int>(Preset::kInvertAllPartsOfSpeech));
  emit bar_->Presets().activated(static_cast<int>(Preset::kInvertAllPartsOfSpeech));
  QCOMPARE(verb->checkState(0), Qt::Checked);
  QCOMPARE(tree.topLevelItem(1)->checkState(0), Qt::Unchecked);
  QCOMPARE(ItemNamed(tree, QStringLiteral("Noun"))->checkState(0), Qt::Unchecked);
  QVERIFY(!filter.IsFiltering());
  QCOMPARE(changes.last().at(0).toBool(), false);

  bar_->ApplyPreset(static_cast<int>(Preset::kInvertAllLinks));
  QCOMPARE(links->checkState(0), Qt::Unchecked);
  QCOMPARE(links->child(0)->checkState(0), Qt::Unchecked);
  QVERIFY(!filter.IsOn(0));
  QVERIFY(!filter.IsOn(1));
  QCOMPARE(bar_->Presets().currentIndex(), static_cast<int>(Preset::kInvertAllLinks));

  bar_->ApplyPreset(static_cast<int>(Preset::kSelectAll));
  for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it) {
    QCOMPARE((*it)->checkState(0), Qt::Checked);
  }
  for (std::size_t index = 0; index < filter.Count(); ++index) QVERIFY(filter.IsOn(index));
  QCOMPARE(changes.count(), 4);
  // An index that is no preset changes nothing.
  bar_->ApplyPreset(FilterState::kPresetCount);
  QCOMPARE(changes.count(), 4);
}

QTEST_MAIN(FilterBarTest)
#include "FilterBar_test.moc"
