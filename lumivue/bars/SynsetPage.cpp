#include "bars/SynsetPage.h"

#include <QHBoxLayout>
#include <QListWidget>

namespace {

void ShowList(QListWidget& list, const std::vector<std::string>& texts) {
  list.clear();
  for (const std::string& text : texts) list.addItem(QString::fromStdString(text));
}

}  // namespace

SynsetPage::SynsetPage(QWidget* parent)
    : InfoPage(parent),
      variants_(new QListWidget(&Controls())),
      iliWords_(new QListWidget(&Controls())) {
  auto* layout = new QHBoxLayout(&Controls());
  layout->setContentsMargins(5, 0, 5, 5);
  layout->addWidget(variants_);
  layout->addWidget(iliWords_);
}

void SynsetPage::Fill(const InfoPages::Content& content) {
  ShowList(*variants_, content.variants);
  ShowList(*iliWords_, content.iliVariants);
}
