#include "bars/VariantPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

QPlainTextEdit* ReadOnlyEdit(QWidget& parent) {
  auto* edit = new QPlainTextEdit(&parent);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

VariantPage::VariantPage(QWidget* parent)
    : InfoPage(parent),
      features_(ReadOnlyEdit(Controls())),
      usageLabels_(ReadOnlyEdit(Controls())) {
  auto* layout = new QGridLayout(&Controls());
  layout->setContentsMargins(5, 0, 5, 5);
  layout->addWidget(new QLabel(tr("Features:"), &Controls()), 0, 0);
  layout->addWidget(new QLabel(tr("Usage Labels:"), &Controls()), 0, 1);
  layout->addWidget(features_, 1, 0);
  layout->addWidget(usageLabels_, 1, 1);
}

void VariantPage::Fill(const InfoPages::Content& content) {
  features_->setPlainText(QString::fromStdString(content.features));
  usageLabels_->setPlainText(QString::fromStdString(content.usageLabels));
}
