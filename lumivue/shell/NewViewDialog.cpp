#include "shell/NewViewDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

NewViewDialog::NewViewDialog(QWidget* parent) : QDialog(parent), kinds_(new QListWidget(this)) {
  setWindowTitle(tr("New"));
  // In the order of ViewKind.
  kinds_->addItems({tr("Monolingual View"), tr("Multilingual View")});
  kinds_->setCurrentRow(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(kinds_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(kinds_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

ViewKind NewViewDialog::Chosen() const {
  return kinds_->currentRow() == 1 ? ViewKind::kMultilingual : ViewKind::kMonolingual;
}

std::optional<ViewKind> NewViewDialog::Ask(QWidget* parent) {
  NewViewDialog dialog(parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Chosen();
}
