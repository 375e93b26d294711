#include "bars/IliPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

IliPage::IliPage(QWidget* parent) : InfoPage(parent) {
  auto* layout = new QGridLayout(&Controls());
  layout->setContentsMargins(5, 0, 5, 5);
  const QString titles[] = {tr("&Top Concepts"), tr("&Domains")};
  for (int column = 0; column < 2; ++column) {
    auto* list = new QListWidget(&Controls());
    auto* title = new QLabel(titles[column], &Controls());
    title->setBuddy(list);
    layout->addWidget(title, 0, column);
    layout->addWidget(list, 1, column);
  }
}

void IliPage::Fill(const InfoPages::Content&) {
  // InfoPages gives this page no content of its own: its lists stay empty.
}
