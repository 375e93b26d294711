#include "shell/DatabaseCheckDialog.h"

#include <QApplication>
#include <QProgressDialog>
#include <QString>
#include <cstdint>

#include "ArbError.h"
#include "DatabaseChecker.h"
#include "shell/PersonInterface.h"

namespace {

// Fine enough for the bar, coarse enough that redrawing it costs nothing next to the check.
constexpr int kProgressSteps = 1000;
const char* const kStageTexts[] = {"Checking pages...", "Checking records...",
                                   "Checking index entries..."};

}  // namespace

void CheckDatabase(QWidget* parent, PersonInterface& person, const std::string& path) {
  if (path.empty()) {
    person.ShowMessage("Open a database first; Check Database checks the one last opened.");
    return;
  }
  QProgressDialog progress(kStageTexts[0], "Stop", 0, kProgressSteps, parent);
  progress.setWindowTitle("Check Database");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  int shownStage = DatabaseChecker::eCheckPages;
  int shownStep = -1;
  DatabaseChecker checker;
  const int ran = checker.Run(
      path.c_str(), [&](DatabaseChecker::Stage stage, std::uint64_t done, std::uint64_t total) {
        const int step = total == 0 ? 0 : static_cast<int>(done * kProgressSteps / total);
        if (stage != shownStage || step != shownStep) {
          if (stage != shownStage) progress.setLabelText(kStageTexts[stage]);
          shownStage = stage;
          shownStep = step;
          progress.setValue(step);
          QApplication::processEvents();
        }
        return progress.wasCanceled() ? 0 : 1;
      });
  progress.reset();
  if (ran == 0) {
    person.ShowMessage("The database " + path +
                       " could not be checked: " + ArbError::NameOf(checker.GetErrorCode()));
    return;
  }
  std::string report;
  for (const std::string& line : checker.GetReport()) report += line + "\n";
  person.ShowMessage(report);
}
