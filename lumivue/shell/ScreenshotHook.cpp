#include "shell/ScreenshotHook.h"

#include <cstdio>

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "bars/InfoBar.h"
#include "bars/InputBar.h"
#include "shell/CLumivueChildFrm.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "shell/CommandId.h"
#include "tree/TreeListBoxWidget.h"

namespace {

// Time for the window manager of the virtual display to map and lay out the window.
constexpr int kSettleMilliseconds = 800;
constexpr QSize kPictureSize(1280, 900);

// The right side of a multilingual view takes language `code`, as choosing it in the combo does.
void ChooseRightLanguage(CLumivueChildFrm& window, const QString& code) {
  if (!window.Input().HasRightSide()) return;
  const int index = window.Input().LanguageCombo(BarSide::kRight).findData(code);
  if (index >= 0) window.Input().ChooseLanguage(BarSide::kRight, index + 1);
}

void LookUpAndExpand(CMainFrame& frame, const QString& word, const QString& rightCode) {
  CLumivueChildFrm* window = frame.ActiveFrame();
  if (window == nullptr) return;
  if (!rightCode.isEmpty()) ChooseRightLanguage(*window, rightCode);
  window->LookUp(BarSide::kLeft, word);
  CLumivueView* view = &window->View();
  ConceptPane& pane = view->ActivePane();
  for (std::size_t row = 0; row < pane.Lines().VisibleCount(); ++row) {
    TreeItem* line = pane.Lines().VisibleLine(row);
    if (line->Kind() != LineKind::kConcept) continue;
    pane.Select(line);
    pane.ExpandLine(*line);
    break;
  }
  // Through the view, so that the information bar follows the selected meaning.
  view->LinesChanged();
  if (!rightCode.isEmpty()) frame.Run(command::kFindEquivalences);
}

// Opens the menu bar's menu titled `title` (its "&" left out) below its title.
void OpenMenu(CMainFrame& frame, const QString& title) {
  QMenuBar& bar = *frame.menuBar();
  for (QAction* action : bar.actions()) {
    if (action->menu() == nullptr || action->text().remove('&') != title) continue;
    bar.setActiveAction(action);
    return;
  }
  std::fprintf(stderr, "lumivue: no menu titled %s\n", qPrintable(title));
}

// The part of the screen that holds the window and its open menu, a window of its own.
QPixmap ScreenWithMenu(CMainFrame& frame) {
  QRect area = frame.frameGeometry();
  if (QWidget* menu = QApplication::activePopupWidget()) area = area.united(menu->frameGeometry());
  return frame.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
}

}  // namespace

void ScreenshotHook::Arm(CMainFrame& frame) {
  const QString path = qEnvironmentVariable("LUMIVUE_SCREENSHOT");
  if (path.isEmpty()) return;
  const QString word = qEnvironmentVariable("LUMIVUE_SCREENSHOT_WORD");
  const int tab = qEnvironmentVariableIntValue("LUMIVUE_SCREENSHOT_TAB");
  const QString rightCode = qEnvironmentVariable("LUMIVUE_SCREENSHOT_RIGHT");
  const bool defaultSize = qEnvironmentVariable("LUMIVUE_SCREENSHOT_SIZE") == "default";
  const QString menuTitle = qEnvironmentVariable("LUMIVUE_SCREENSHOT_MENU");
  QTimer::singleShot(0, &frame, [&frame, word, tab, rightCode, defaultSize, menuTitle] {
    if (!defaultSize) {
      frame.resize(kPictureSize);
      if (CLumivueChildFrm* window = frame.ActiveFrame()) window->showMaximized();
    }
    frame.Information().setCurrentIndex(tab);
    if (!word.isEmpty()) LookUpAndExpand(frame, word, rightCode);
    if (!menuTitle.isEmpty()) OpenMenu(frame, menuTitle);
  });
  QTimer::singleShot(kSettleMilliseconds, &frame, [&frame, path, menuTitle] {
    const QPixmap picture = menuTitle.isEmpty() ? frame.grab() : ScreenWithMenu(frame);
    const bool saved = picture.save(path, "PNG");
    if (!saved) std::fprintf(stderr, "lumivue: cannot save the picture to %s\n", qPrintable(path));
    QApplication::exit(saved ? 0 : 1);
  });
}
