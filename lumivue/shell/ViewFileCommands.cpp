#include "shell/ViewFileCommands.h"

#include <algorithm>

#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include "files/ViewFileKind.h"
#include "files/ViewFileReader.h"
#include "files/ViewFileWriter.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueDoc.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/SettingsStore.h"

namespace {

const QString kFilter = QStringLiteral("View (Word List) Files (*.wl);;All Files (*)");

}  // namespace

ViewFileCommands::ViewFileCommands(CMainFrame& frame, PersonInterface& person)
    : QObject(&frame), frame_(frame), person_(person) {
  recent_.Load(SettingsStore::ReadRecentFiles());
}

void ViewFileCommands::AskAndOpen() {
  const QString path =
      QFileDialog::getOpenFileName(&frame_, QStringLiteral("Open View"), QString(), kFilter);
  if (!path.isEmpty()) Open(path);
}

CLumivueView* ViewFileCommands::Open(const QString& path) {
  const int kind = ViewFileKind::Of(path.toStdString(), person_);
  if (kind == ViewFileKind::kUnknown) {
    person_.ShowMessage(message::kViewFileKindUnknown.text);
    // A recent file that is gone or became something else is no use in the menu.
    const auto& paths = recent_.Paths();
    if (std::find(paths.begin(), paths.end(), path.toStdString()) != paths.end()) {
      recent_.Remove(path.toStdString());
      emit RecentChanged();
    }
    return nullptr;
  }
  CLumivueView* view = frame_.NewView(static_cast<ViewKind>(kind), path);
  if (view == nullptr) return nullptr;
  ViewFileReader(person_).Read(path.toStdString(), *view->PaneOf(BarSide::kLeft),
                               view->PaneOf(BarSide::kRight));
  // The panes took the file's languages; the input bar shows them.
  if (CLumivueChildFrm* window = frame_.FrameOf(*view)) window->ShowPaneLanguages();
  view->LinesChanged();
  Remember(path);
  return view;
}

bool ViewFileCommands::Save(CLumivueView* view) {
  if (view == nullptr) {
    person_.ShowMessage(message::kNoViewToSave.text);
    return false;
  }
  const QString& path = view->Document()->Path();
  return path.isEmpty() ? SaveAs(view) : Write(*view, path);
}

bool ViewFileCommands::SaveAs(CLumivueView* view) {
  if (view == nullptr) {
    person_.ShowMessage(message::kNoViewToSave.text);
    return false;
  }
  QFileDialog dialog(&frame_, QStringLiteral("Save View As"), view->Document()->Path(), kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("wl"));
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  const QString path = dialog.selectedFiles().first();
  if (!Write(*view, path)) return false;
  view->Document()->SetPath(path);
  Remember(path);
  return true;
}

bool ViewFileCommands::Write(CLumivueView& view, const QString& path) {
  return ViewFileWriter(person_).Write(path.toStdString(), *view.PaneOf(BarSide::kLeft),
                                       view.PaneOf(BarSide::kRight)) == 1;
}

void ViewFileCommands::Remember(const QString& path) {
  recent_.Add(path.toStdString());
  emit RecentChanged();
}

void ViewFileCommands::FillMenu(QMenu& fileMenu, QAction* before) {
  for (QAction* item : items_) delete item;
  items_.clear();
  if (recent_.Paths().empty()) return;
  for (std::size_t index = 0; index < recent_.Paths().size(); ++index) {
    auto* item = new QAction(QString::fromStdString(recent_.MenuText(index)), this);
    const QString path = QString::fromStdString(recent_.Paths()[index]);
    connect(item, &QAction::triggered, this, [this, path] { Open(path); });
    fileMenu.insertAction(before, item);
    items_.push_back(item);
  }
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  fileMenu.insertAction(before, separator);
  items_.push_back(separator);
}

void ViewFileCommands::Enable(bool databaseOpen) {
  for (QAction* item : items_) item->setEnabled(databaseOpen);
}

void ViewFileCommands::Store() const {
  SettingsStore::WriteRecentFiles(recent_.Paths());
}
