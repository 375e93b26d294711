// "Add or Edit a Note": one line of text; OK only while it holds some.
#pragma once

#include <optional>

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class NoteDialog : public QDialog {
  Q_OBJECT
 public:
  NoteDialog(const QString& text, QWidget* parent);

  QString Text() const;
  // Runs the dialog: the text on OK, none on Cancel.
  static std::optional<QString> Ask(const QString& text, QWidget* parent);

 private:
  QLineEdit* edit_;
  QPushButton* ok_;
};
