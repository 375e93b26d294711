// The "Synset" page: a concept line's variants beside the words of its ILI records; for an ILI
// line only the words of its record.
#pragma once

#include "bars/InfoPage.h"

class QListWidget;

class SynsetPage : public InfoPage {
  Q_OBJECT
 public:
  explicit SynsetPage(QWidget* parent = nullptr);

  const QListWidget& Variants() const { return *variants_; }
  const QListWidget& IliWords() const { return *iliWords_; }

 protected:
  void Fill(const InfoPages::Content& content) override;

 private:
  QListWidget* variants_;
  QListWidget* iliWords_;
};
