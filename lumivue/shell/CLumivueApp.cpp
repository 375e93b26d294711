#include "shell/CLumivueApp.h"

#include "shell/CMainFrame.h"

CLumivueApp::CLumivueApp(const QString& commandLine)
    : commandLine_(CommandLine::Parse(commandLine.toStdString())) {}

CLumivueApp::~CLumivueApp() = default;

QString CLumivueApp::CommandLineOf(const QStringList& arguments) {
  QStringList words;
  for (const QString& argument : arguments) {
    words.append(argument.contains(' ') ? '"' + argument + '"' : argument);
  }
  return words.join(' ');
}

void CLumivueApp::InitInstance() {
  frame_ = std::make_unique<CMainFrame>();
  if (commandLine_.DatabasePath()) {
    frame_->OpenDatabase(QString::fromStdString(*commandLine_.DatabasePath()));
  } else {
    frame_->OpenStartupDatabase();
  }
  if (frame_->Database().HasDatabase() == 1) {
    for (const ViewKind kind : commandLine_.Views()) frame_->NewView(kind);
    if (commandLine_.IsEmpty()) frame_->NewView(ViewKind::kMonolingual);
  }
  frame_->ShowAsSettingsSay();
  frame_->activateWindow();
}
