#include "shell/LookupBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LookupBar::LookupBar(QWidget* parent)
    : QToolBar(QStringLiteral("Input Bar"), parent),
      word_(new QLineEdit(this)),
      lookUp_(new QPushButton(QStringLiteral("&Lookup"), this)) {
  setObjectName(QStringLiteral("inputBar"));
  setMovable(false);
  word_->setObjectName(QStringLiteral("wordEdit"));
  word_->setMinimumWidth(160);
  word_->setPlaceholderText(QStringLiteral("word"));
  lookUp_->setEnabled(false);
  addWidget(new QLabel(QStringLiteral("Word: "), this));
  addWidget(word_);
  addWidget(lookUp_);
  const auto lookUp = [this] { LookUp(word_->text()); };
  connect(word_, &QLineEdit::returnPressed, this, lookUp);
  connect(lookUp_, &QPushButton::clicked, this, lookUp);
  connect(word_, &QLineEdit::textChanged, this,
          [this](const QString& text) { lookUp_->setEnabled(!text.trimmed().isEmpty()); });
}

void LookupBar::LookUp(const QString& text) {
  word_->setText(text);
  if (!text.trimmed().isEmpty()) emit LookUpWanted(text);
}
