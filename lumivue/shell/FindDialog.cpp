#include "shell/FindDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(const QString& text, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(text, this)) {
  setWindowTitle(QStringLiteral("Find a word"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* previous = buttons->addButton(QStringLiteral("&Prev"), QDialogButtonBox::ActionRole);
  QPushButton* next = buttons->addButton(QStringLiteral("Next"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  next->setDefault(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter the word :"), this));
  layout->addWidget(edit_);
  layout->addWidget(buttons);
  connect(next, &QPushButton::clicked, this, [this] {
    direction_ = LineFinder::Direction::kForward;
    accept();
  });
  connect(previous, &QPushButton::clicked, this, [this] {
    direction_ = LineFinder::Direction::kBackward;
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  edit_->selectAll();
}

QString FindDialog::Text() const {
  return edit_->text();
}

std::optional<FindDialog::Request> FindDialog::Ask(const QString& text, QWidget* parent) {
  FindDialog dialog(text, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return Request{dialog.Text(), dialog.Chosen()};
}
