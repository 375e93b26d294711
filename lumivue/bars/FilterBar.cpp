#include "bars/FilterBar.h"

#include <algorithm>

#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "bars/FilterState.h"

namespace {

Qt::CheckState CheckOf(bool on) {
  return on ? Qt::Checked : Qt::Unchecked;
}

}  // namespace

FilterBar::FilterBar(FilterState& state, QWidget* parent)
    : QWidget(parent), state_(state), presets_(new QComboBox(this)), tree_(new QTreeWidget(this)) {
  for (int preset = 0; preset < FilterState::kPresetCount; ++preset) {
    presets_->addItem(
        QString::fromUtf8(FilterState::PresetName(static_cast<FilterState::Preset>(preset))));
  }
  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  // Relation names are long and alike at their start ("has_holo_part", "has_mero_part"): the
  // column takes the width of the longest one and is never cut to "has...". A bar made narrower
  // than that scrolls sideways.
  tree_->header()->setStretchLastSection(false);
  tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(presets_);
  layout->addWidget(tree_, 1);
  connect(presets_, &QComboBox::activated, this, &FilterBar::ApplyPreset);
  connect(tree_, &QTreeWidget::itemChanged, this, &FilterBar::ItemChanged);
}

void FilterBar::Rebuild() {
  const QSignalBlocker quiet(tree_);
  tree_->clear();
  items_.clear();
  QTreeWidgetItem* root = nullptr;
  for (std::size_t index = 0; index < state_.Count(); ++index) {
    const QStringList text{QString::fromStdString(state_.Name(index))};
    auto* item =
        state_.IsRoot(index) ? new QTreeWidgetItem(tree_, text) : new QTreeWidgetItem(root, text);
    // Roots and children are checked on their own: no check mark spreads to another item.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setData(0, Qt::UserRole, static_cast<qulonglong>(index));
    if (state_.IsRoot(index)) root = item;
    items_.push_back(item);
  }
  ShowState();
  tree_->expandAll();
  presets_->setCurrentIndex(0);
  tree_->resizeColumnToContents(0);
  updateGeometry();
}

QSize FilterBar::sizeHint() const {
  const QMargins margins = layout()->contentsMargins();
  const int treeWidth = tree_->header()->sectionSize(0) + 2 * tree_->frameWidth() +
                        tree_->verticalScrollBar()->sizeHint().width();
  const int width =
      std::max(treeWidth, presets_->sizeHint().width()) + margins.left() + margins.right();
  return QSize(width, QWidget::sizeHint().height());
}

void FilterBar::ApplyPreset(int index) {
  if (index < 0 || index >= FilterState::kPresetCount) return;
  presets_->setCurrentIndex(index);
  state_.Apply(static_cast<FilterState::Preset>(index));
  ShowState();
  emit FilterChanged(state_.IsFiltering());
}

void FilterBar::ItemChanged(QTreeWidgetItem* item) {
  const auto index = static_cast<std::size_t>(item->data(0, Qt::UserRole).toULongLong());
  if (index >= state_.Count() || (item->checkState(0) == Qt::Checked) == state_.IsOn(index)) {
    return;
  }
  state_.Toggle(index);
  emit FilterChanged(state_.IsFiltering());
}

void FilterBar::ShowState() {
  const QSignalBlocker quiet(tree_);
  for (std::size_t index = 0; index < items_.size(); ++index) {
    items_[index]->setCheckState(0, CheckOf(state_.IsOn(index)));
  }
}
