#include "shell/NoteDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NoteDialog::NoteDialog(const QString& text, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(text, this)) {
  setWindowTitle(QStringLiteral("Add or Edit a Note"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter the note :"), this));
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(edit_, &QLineEdit::textChanged, this,
          [this](const QString& now) { ok_->setEnabled(!now.isEmpty()); });
  ok_->setEnabled(!text.isEmpty());
}

QString NoteDialog::Text() const {
  return edit_->text();
}

std::optional<QString> NoteDialog::Ask(const QString& text, QWidget* parent) {
  NoteDialog dialog(text, parent);
  if (dialog.exec() != QDialog::Accepted || dialog.Text().isEmpty()) return std::nullopt;
  return dialog.Text();
}
