// "Find a word": the text to find and the direction, "Next" (down) or "&Prev" (up).
#pragma once

#include <optional>

#include <QDialog>
#include <QString>

#include "tree/LineFinder.h"

class QLineEdit;

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  FindDialog(const QString& text, QWidget* parent);

  QString Text() const;
  LineFinder::Direction Chosen() const { return direction_; }

  struct Request {
    QString text;
    LineFinder::Direction direction;
  };
  // Runs the dialog with `text` filled in: what to find, none on Cancel.
  static std::optional<Request> Ask(const QString& text, QWidget* parent);

 private:
  QLineEdit* edit_;
  LineFinder::Direction direction_ = LineFinder::Direction::kForward;
};
