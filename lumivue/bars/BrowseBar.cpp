#include "bars/BrowseBar.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

BrowseBar::BrowseBar(QWidget* parent) : QWidget(parent), list_(new QListWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  list_->setUniformItemSizes(true);
  // Not itemActivated: styles that activate on a single click would look a form up while the
  // person only points at it.
  connect(list_, &QListWidget::itemDoubleClicked, this, &BrowseBar::Choose);
  list_->installEventFilter(this);
}

bool BrowseBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Choose(list_->currentItem());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
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
