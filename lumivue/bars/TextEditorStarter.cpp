#include "bars/TextEditorStarter.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

bool TextEditorStarter::Start(const QString& path) {
  const QString file = QFileInfo(path).absoluteFilePath();
  if (QDesktopServices::openUrl(QUrl::fromLocalFile(file))) return true;
  QStringList command = QProcess::splitCommand(qEnvironmentVariable(kEditorVariable));
  if (command.isEmpty()) return false;
  const QString program = command.takeFirst();
  command.append(file);
  return QProcess::startDetached(program, command);
}
