#include "ShellSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "shell/CLumivueApp.h"
#include "shell/CMainFrame.h"
#include "shell/ViewerSettings.h"

ModalScript::ModalScript() {
  connect(&timer_, &QTimer::timeout, this, &ModalScript::Answer);
  timer_.start(5);
}

void ModalScript::Answer() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    messages.append(box->text());
    QAbstractButton* answer = box->button(answerYes_ ? QMessageBox::Yes : QMessageBox::No);
    if (answer == nullptr) answer = box->button(QMessageBox::Ok);
    if (answer != nullptr) answer->click();
    return;
  }
  dialogs.append(modal->windowTitle());
  if (steps_.empty()) {
    modal->close();
    return;
  }
  const Step step = std::move(steps_.front());
  steps_.pop_front();
  step(*modal);
}

TestSettings::TestSettings() {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
}

QSettings TestSettings::Store() const {
  return QSettings(QString::fromUtf8(ViewerSettings::kOrganisation),
                   QString::fromUtf8(ViewerSettings::kApplication));
}

namespace {
QString Existing(const QString& path) {
  return QFileInfo::exists(path) ? path : QString();
}
}  // namespace

QString TestWordNet() {
  return Existing(QStringLiteral(TEST_WORDNET_DB));
}

QString TestOmwWordNet() {
  return Existing(QStringLiteral(TEST_OMW_DB));
}

ShellSession::ShellSession() = default;
ShellSession::~ShellSession() = default;

bool ShellSession::BeginSession() {
  wordNet_ = TestWordNet();
  if (wordNet_.isEmpty()) return false;
  settings_ = std::make_unique<TestSettings>();
  modals_ = std::make_unique<ModalScript>();
  return true;
}

void ShellSession::EndSession() {
  app_.reset();
  modals_.reset();
  settings_.reset();
}

CMainFrame& ShellSession::Start(const QString& commandLine) {
  app_ = std::make_unique<CLumivueApp>(commandLine);
  app_->InitInstance();
  return *app_->MainFrame();
}
