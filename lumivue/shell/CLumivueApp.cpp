#include "shell/CLumivueApp.h"

#include <QTimer>

#include "shell/CMainFrame.h"
#include "shell/CommandId.h"

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
    for (const std::string& path : commandLine_.ViewFiles()) {
      frame_->ViewFiles().Open(QString::fromStdString(path));
    }
  }
  frame_->ShowAsSettingsSay();
  frame_->activateWindow();
  // Without any option the New dialog offers the two kinds of view, once the window is up.
  if (frame_->Database().HasDatabase() == 1 && commandLine_.IsEmpty()) {
    QTimer::singleShot(0, frame_.get(), [frame = frame_.get()] { frame->Run(command::kNew); });
  }
}
