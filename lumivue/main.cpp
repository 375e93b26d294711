// lumivue: the desktop viewer of lexical databases.
//   lumivue [-F <database>] [-L] [-T]
// Without a display to show windows on it says so and points to polylex, the command-line tool.
#include <cstdio>

#include <QApplication>

#include "shell/CLumivueApp.h"
#include "shell/CMainFrame.h"
#include "shell/ScreenshotHook.h"

namespace {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "lumivue: no display to open windows on (DISPLAY, WAYLAND_DISPLAY and "
                 "QT_QPA_PLATFORM are unset); use polylex instead, e.g. polylex lookup "
                 "wordnet.fdb EN dog\n");
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumivue"));
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  CLumivueApp lumivue(CLumivueApp::CommandLineOf(arguments));
  lumivue.InitInstance();
  ScreenshotHook::Arm(*lumivue.MainFrame());
  return QApplication::exec();
}
