// The program's start: reads the command line, makes the main window (which reads the settings),
// opens the database, opens the views the command line asks for and shows the window.
#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "shell/CommandLine.h"

class CMainFrame;

class CLumivueApp {
 public:
  // `commandLine` is the text after the program's name (see CommandLineOf).
  explicit CLumivueApp(const QString& commandLine);
  ~CLumivueApp();

  // The command-line text of the program's arguments (without the program itself): the
  // arguments joined by blanks, an argument that holds a blank in double quotes, so that
  // `lumivue -F "/data/my db.fdb"` reaches CommandLine as it was typed.
  static QString CommandLineOf(const QStringList& arguments);

  // Runs the start-up: main window, database (the command line's, else the last one, else the
  // Open Database dialog), the views (those named on the command line; one new view when the
  // command line is empty) and the window shown maximized or at its place.
  void InitInstance();

  // Null before InitInstance.
  CMainFrame* MainFrame() const { return frame_.get(); }

 private:
  CommandLine commandLine_;
  std::unique_ptr<CMainFrame> frame_;
};
