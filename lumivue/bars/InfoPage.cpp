#include "bars/InfoPage.h"

#include <QLabel>
#include <QStackedLayout>

InfoPage::InfoPage(QWidget* parent)
    : QWidget(parent),
      stack_(new QStackedLayout(this)),
      prompt_(new QLabel(QString::fromUtf8(InfoPages::kPrompt), this)),
      controls_(new QWidget(this)) {
  prompt_->setAlignment(Qt::AlignCenter);
  stack_->addWidget(prompt_);
  stack_->addWidget(controls_);
}

void InfoPage::Show(const InfoPages::Content& content) {
  if (content.prompt) {
    stack_->setCurrentWidget(prompt_);
    return;
  }
  Fill(content);
  stack_->setCurrentWidget(controls_);
}

bool InfoPage::ShowsPrompt() const {
  return stack_->currentWidget() == prompt_;
}
