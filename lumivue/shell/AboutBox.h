// "About Lumivue": the program, its version and whose data it shows.
#pragma once

#include <QDialog>

class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent);
};
