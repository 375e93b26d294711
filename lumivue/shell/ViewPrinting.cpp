#include "shell/ViewPrinting.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "tree/TreePrinter.h"

ViewPrinting::ViewPrinting(QWidget& owner) : owner_(owner) {}

ViewPrinting::~ViewPrinting() = default;

QPrinter& ViewPrinting::Printer() {
  // Made on first use: finding the system's printers takes a while and most runs never print.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void ViewPrinting::Print(TreeListBoxWidget& tree) {
  QPrintDialog dialog(&Printer(), &owner_);
  if (dialog.exec() == QDialog::Accepted) TreePrinter(tree).Print(Printer());
}

void ViewPrinting::Preview(TreeListBoxWidget& tree) {
  QPrintPreviewDialog dialog(&Printer(), &owner_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&tree](QPrinter* printer) { TreePrinter(tree).Print(*printer); });
  dialog.exec();
}

void ViewPrinting::Setup() {
  QPageSetupDialog(&Printer(), &owner_).exec();
}
