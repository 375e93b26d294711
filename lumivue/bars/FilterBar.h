// The filter bar of the main window: the relation and part-of-speech filter (FilterState) as a
// tree of check boxes under its two roots, and the preset combo ("Select All", "Invert All
// Links", ...). Every change goes into the state at once and is announced with FilterChanged, so
// that the window can show "Filter On" or "Filter Off" (FilterState::StatusText).
#pragma once

#include <QWidget>
#include <vector>

class FilterState;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

class FilterBar : public QWidget {
  Q_OBJECT
 public:
  // `state` must outlive the bar. The tree is empty until the first Rebuild.
  explicit FilterBar(FilterState& state, QWidget* parent = nullptr);

  // Builds the tree again from the state's items; call it after each database open has rebuilt
  // the state. The preset combo goes back to "None".
  void Rebuild();
  // Applies preset `index` of the combo (FilterState::Preset) as choosing it does.
  void ApplyPreset(int index);

  QTreeWidget& Tree() const { return *tree_; }
  QComboBox& Presets() const { return *presets_; }

  // Wide enough for the tree's column, which is as wide as its longest name: the window that
  // docks the bar gives it that width when it can.
  QSize sizeHint() const override;

 signals:
  // The state changed; `on`: FilterState::IsFiltering().
  void FilterChanged(bool on);

 private:
  void ItemChanged(QTreeWidgetItem* item);
  // Sets every check box from the state.
  void ShowState();

  FilterState& state_;
  QComboBox* presets_;
  QTreeWidget* tree_;
  // The tree's items by the state's item index.
  std::vector<QTreeWidgetItem*> items_;
};
