#include "shell/ScreenshotHook.h"

#include <cstdio>

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <QComboBox>

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

}  // namespace

void ScreenshotHook::Arm(CMainFrame& frame) {
  const QString path = qEnvironmentVariable("LUMIVUE_SCREENSHOT");
  if (path.isEmpty()) return;
  const QString word = qEnvironmentVariable("LUMIVUE_SCREENSHOT_WORD");
  const int tab = qEnvironmentVariableIntValue("LUMIVUE_SCREENSHOT_TAB");
  const QString rightCode = qEnvironmentVariable("LUMIVUE_SCREENSHOT_RIGHT");
  QTimer::singleShot(0, &frame, [&frame, word, tab, rightCode] {
    frame.resize(kPictureSize);
    frame.Information().setCurrentIndex(tab);
    if (CLumivueChildFrm* window = frame.ActiveFrame()) window->showMaximized();
    if (!word.isEmpty()) LookUpAndExpand(frame, word, rightCode);
  });
  QTimer::singleShot(kSettleMilliseconds, &frame, [&frame, path] {
    const bool saved = frame.grab().save(path, "PNG");
    if (!saved) std::fprintf(stderr, "lumivue: cannot save the picture to %s\n", qPrintable(path));
    QApplication::exit(saved ? 0 : 1);
  });
}
