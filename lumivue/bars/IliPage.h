// The "ILI" page: the top concepts and domains of an ILI record, side by side. The viewer has
// nothing to list there yet, so the page shows its prompt for every line.
#pragma once

#include "bars/InfoPage.h"

class IliPage : public InfoPage {
  Q_OBJECT
 public:
  explicit IliPage(QWidget* parent = nullptr);

 protected:
  void Fill(const InfoPages::Content& content) override;
};
