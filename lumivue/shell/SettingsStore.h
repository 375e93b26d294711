// Reads and writes the viewer's settings (ViewerSettings) and the main window's bar layout in the
// program's QSettings store, group "Viewer" of organisation "Quorvane", application "Polylex".
// A value that is missing or of the wrong type keeps its default.
#pragma once

#include <string>
#include <vector>

#include <QByteArray>

#include "shell/ViewerSettings.h"

class QSettings;

class SettingsStore {
 public:
  // The value name of the bar layout (QMainWindow::saveState).
  static constexpr const char* kBarStateName = "Bar State";
  static constexpr const char* kRecentGroupName = "Recent File List";

  // The program's store for the current user.
  static ViewerSettings Read();
  static void Write(const ViewerSettings& settings);
  static QByteArray ReadBarState();
  static void WriteBarState(const QByteArray& state);
  // The recent view files, newest first, as values "File1" onward of group "Recent File List".
  static std::vector<std::string> ReadRecentFiles();
  static void WriteRecentFiles(const std::vector<std::string>& paths);

  // The same on a given store (tests use a store of their own).
  static ViewerSettings Read(QSettings& store);
  static void Write(QSettings& store, const ViewerSettings& settings);
};
