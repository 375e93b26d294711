// The "Gloss" page: the definition of a concept line's current variant under the name of the
// pane's language, and the glosses of its ILI records with their equivalence relations; for an
// ILI line only its own gloss. Missing texts are red, relation names dark blue.
#pragma once

#include "bars/InfoPage.h"

class QLabel;
class QTextEdit;

class GlossPage : public InfoPage {
  Q_OBJECT
 public:
  // The colour of the equivalence relations' names.
  static constexpr QRgb kRelationColour = 0x00007F;
  static constexpr QRgb kMissingColour = 0xFF0000;

  explicit GlossPage(QWidget* parent = nullptr);

  const QLabel& LanguageLabel() const { return *language_; }
  const QTextEdit& Definition() const { return *definition_; }
  const QTextEdit& Ili() const { return *ili_; }

 protected:
  void Fill(const InfoPages::Content& content) override;

 private:
  QLabel* language_;
  QTextEdit* definition_;
  QTextEdit* ili_;
};
