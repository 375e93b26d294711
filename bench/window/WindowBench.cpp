// The viewer's windows on a WordNet 3.0 database: from the start of the program to the first
// painted main window with the database open and a monolingual view, the look-up of "dog" to its
// painted tree, and the resident memory after that look-up.
//   window_bench DB.fdb [runs]
// Each start-up is a process of its own (the program runs itself with --once), so that every run
// starts cold in the same way the program does; the look-ups repeat inside each process. Without a
// display the windows are drawn off screen. The person's own settings are neither read nor
// changed: the runs get a settings folder of their own.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "shell/CLumivueApp.h"
#include "shell/CLumivueView.h"
#include "shell/CMainFrame.h"
#include "tree/ConceptPane.h"
#include "tree/TreeListBoxWidget.h"

namespace {

constexpr int kLookUps = 20;

// Waits in the event loop until `widget` has been painted once more.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& widget) : widget_(widget) { qApp->installEventFilter(this); }
  ~PaintWatch() override { qApp->removeEventFilter(this); }
  void Wait() {
    painted_ = false;
    while (!painted_) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        (watched == &widget_ || widget_.isAncestorOf(static_cast<QWidget*>(watched)))) {
      painted_ = true;
    }
    return false;
  }

 private:
  QWidget& widget_;
  bool painted_ = false;
};

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// One process: prints "<start ms> <median look-up ms> <max look-up ms> <resident KiB>".
int RunOnce(int argc, char** argv, const std::string& database,
            std::chrono::steady_clock::time_point start) {
  QApplication application(argc, argv);
  CLumivueApp lumivue(QStringLiteral("-F ") + QString::fromStdString(database) +
                      QStringLiteral(" -L"));
  lumivue.InitInstance();
  CMainFrame& frame = *lumivue.MainFrame();
  // Showing the window only posts its paint: nothing has been drawn yet.
  PaintWatch(frame).Wait();
  const double startMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

  CLumivueView* view = frame.ActiveView();
  if (view == nullptr) {
    std::fprintf(stderr, "window_bench: no view opened on %s\n", database.c_str());
    return 1;
  }
  PaintWatch treePaint(*view->ActiveTree().viewport());
  std::vector<double> lookUps;
  for (int i = 0; i < kLookUps; ++i) {
    view->ActivePane().ClearTree();
    view->ActiveTree().LinesChanged();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    view->LookUp(QStringLiteral("dog"));
    treePaint.Wait();
    lookUps.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::printf("%.1f %.2f %.2f %ld\n", startMs, Median(lookUps),
              *std::max_element(lookUps.begin(), lookUps.end()), ResidentKiB());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_bench DB.fdb [runs]\n");
    return 2;
  }
  const std::string database = argv[1];
  if (argc > 2 && std::string(argv[2]) == "--once") return RunOnce(argc, argv, database, start);

  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  std::vector<double> starts, lookUps, worst;
  long resident = 0;
  for (int run = 0; run < runs; ++run) {
    QProcess child;
    child.start(QString::fromLocal8Bit(argv[0]),
                {QString::fromStdString(database), QStringLiteral("--once")});
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
      std::fprintf(stderr, "window_bench: run %d failed: %s\n", run,
                   child.readAllStandardError().constData());
      return 1;
    }
    double startMs = 0, lookUpMs = 0, worstMs = 0;
    long kib = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf %lf %ld", &startMs,
                    &lookUpMs, &worstMs, &kib) != 4) {
      std::fprintf(stderr, "window_bench: run %d printed no figures\n", run);
      return 1;
    }
    starts.push_back(startMs);
    lookUps.push_back(lookUpMs);
    worst.push_back(worstMs);
    resident = std::max(resident, kib);
  }
  std::printf(
      "lumivue on %s, %d start-ups (%s), %d look-ups each\n", database.c_str(), runs,
      qgetenv("QT_QPA_PLATFORM").isEmpty() ? "display" : qgetenv("QT_QPA_PLATFORM").constData(),
      kLookUps);
  std::printf("  start to first painted main window: median %.1f ms (target < 300 ms)\n",
              Median(starts));
  std::printf(
      "  look-up of \"dog\" to painted tree:   median %.2f ms, worst %.2f ms (target < 50 ms)\n",
      Median(lookUps), *std::max_element(worst.begin(), worst.end()));
  std::printf("  resident memory after the look-ups: %.1f MiB (target < 100 MiB)\n",
              static_cast<double>(resident) / 1024.0);
  return 0;
}
