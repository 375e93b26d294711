// "New": the choice between the two kinds of view, offered by File New and at a start without
// options. The first kind is chosen at the start; a double click or OK takes the chosen one.
#pragma once

#include <optional>

#include <QDialog>

#include "shell/ViewKind.h"

class QListWidget;

class NewViewDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NewViewDialog(QWidget* parent);

  QListWidget& Kinds() const { return *kinds_; }
  ViewKind Chosen() const;

  // Runs the dialog: the kind chosen, none on Cancel.
  static std::optional<ViewKind> Ask(QWidget* parent);

 private:
  QListWidget* kinds_;
};
