#include "shell/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Lumivue"));
  auto* layout = new QVBoxLayout(this);
  const char* texts[] = {
      "Lumivue shows the words of a multilingual lexical database as trees of meanings, with "
      "their relations and their links between languages.",
      "Version 1.3.1",
      "The lexical data belong to the people and institutions that compiled them; Princeton "
      "WordNet 3.0 is the work of Princeton University, shown under its licence.",
  };
  for (const char* text : texts) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setWordWrap(true);
    layout->addWidget(label);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  setMinimumWidth(360);
}
