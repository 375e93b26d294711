// The word field of a view window: the word to look up and its Lookup button. It stands where the
// full input bar (languages, query and browse modes) will stand.
#pragma once

#include <QString>
#include <QToolBar>

class QLineEdit;
class QPushButton;

class LookupBar : public QToolBar {
  Q_OBJECT
 public:
  explicit LookupBar(QWidget* parent);

  QLineEdit& WordEdit() const { return *word_; }
  // Puts `text` in the field and looks it up, as typing it and pressing Enter does.
  void LookUp(const QString& text);

 signals:
  // Enter in the field or the button, with the field's text (never empty).
  void LookUpWanted(const QString& text);

 private:
  QLineEdit* word_;
  QPushButton* lookUp_;
};
