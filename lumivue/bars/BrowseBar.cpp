#include "bars/BrowseBar.h"

#include <QListWidget>
#include <QVBoxLayout>

BrowseBar::BrowseBar(QWidget* parent) : QWidget(parent), list_(new QListWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  list_->setUniformItemSizes(true);
  connect(list_, &QListWidget::itemActivated, this, &BrowseBar::Choose);
}

void BrowseBar::Fill(BarSide side, const InputBarState::Browse& browse) {
  side_ = side;
  if (!browse.filled) return;
  // One repaint for the whole list, not one per form.
  list_->setUpdatesEnabled(false);
  list_->clear();
  for (const std::string& form : browse.forms) list_->addItem(QString::fromStdString(form));
  if (list_->count() > 0) list_->setCurrentRow(0);
  list_->setUpdatesEnabled(true);
}

QStringList BrowseBar::Forms() const {
  QStringList forms;
  for (int row = 0; row < list_->count(); ++row) forms.append(list_->item(row)->text());
  return forms;
}

void BrowseBar::Choose(const QListWidgetItem* item) {
  if (item != nullptr) emit WordChosen(side_, item->text());
}
