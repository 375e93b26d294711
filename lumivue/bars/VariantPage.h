// The "Variant" page: the features and usage labels of a concept line's current variant.
#pragma once

#include "bars/InfoPage.h"

class QPlainTextEdit;

class VariantPage : public InfoPage {
  Q_OBJECT
 public:
  explicit VariantPage(QWidget* parent = nullptr);

  const QPlainTextEdit& Features() const { return *features_; }
  const QPlainTextEdit& UsageLabels() const { return *usageLabels_; }

 protected:
  void Fill(const InfoPages::Content& content) override;

 private:
  QPlainTextEdit* features_;
  QPlainTextEdit* usageLabels_;
};
