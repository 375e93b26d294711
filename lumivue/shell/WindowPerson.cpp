#include "shell/WindowPerson.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "shell/MessageTexts.h"
#include "shell/StatusPanes.h"

namespace {

// Shows a box and gives the keyboard focus back to where it was: the box takes it while it is up,
// and a tree that loses it would grey its commands.
QMessageBox::StandardButton Ask(QWidget& owner, QMessageBox::Icon icon, const std::string& text,
                                QMessageBox::StandardButtons buttons) {
  const QPointer<QWidget> focused = QApplication::focusWidget();
  QMessageBox box(icon, QString::fromUtf8(message::kProgramTitle.text),
                  QString::fromStdString(text), buttons, &owner);
  const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
  if (focused) focused->setFocus(Qt::OtherFocusReason);
  return answer;
}

}  // namespace

WindowPerson::WindowPerson(QWidget& owner, StatusPanes& panes) : owner_(owner), panes_(panes) {}

WindowPerson::~WindowPerson() {
  // A wait left open by an exception must not leave the cursor busy for the rest of the program.
  for (; waitDepth_ > 0; --waitDepth_) QApplication::restoreOverrideCursor();
}

void WindowPerson::ShowMessage(const std::string& text) {
  Ask(owner_, QMessageBox::Warning, text, QMessageBox::Ok);
}

bool WindowPerson::AskYesNo(const std::string& question) {
  return Ask(owner_, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void WindowPerson::ShowStatus(StatusPane pane, const std::string& text) {
  panes_.Show(pane, QString::fromStdString(text));
}

void WindowPerson::BeginWait() {
  if (waitDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void WindowPerson::EndWait() {
  if (waitDepth_ == 0) return;
  if (--waitDepth_ == 0) QApplication::restoreOverrideCursor();
}

void WindowPerson::MoveFocus(FocusTarget target) {
  QWidget* widget = focusFinder_ ? focusFinder_(target) : nullptr;
  if (widget != nullptr) widget->setFocus(Qt::OtherFocusReason);
}
