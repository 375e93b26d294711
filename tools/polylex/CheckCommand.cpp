// polylex check: the whole-file check of DatabaseChecker, with its progress on a terminal.
#include <unistd.h>

#include <cstdio>

#include "Commands.h"
#include "DatabaseChecker.h"
#include "ErrorText.h"

namespace polylex {
namespace {

constexpr const char* kStageNames[] = {"pages", "records", "index entries"};

// Rewrites one line of standard error, and only when a person is watching it.
class ProgressLine {
 public:
  ProgressLine() : shown_(isatty(STDERR_FILENO) == 1) {}
  ~ProgressLine() {
    if (written_) std::fputs("\r\033[K", stderr);
  }
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  int Show(DatabaseChecker::Stage stage, std::uint64_t done, std::uint64_t total) {
    if (!shown_ || total == 0) return 1;
    const int percent = static_cast<int>(done * 100 / total);
    if (percent == percent_ && stage == stage_) return 1;
    percent_ = percent;
    stage_ = stage;
    std::fprintf(stderr, "\rchecking %s: %d%%", kStageNames[stage], percent);
    written_ = true;
    return 1;
  }

 private:
  const bool shown_;
  bool written_ = false;
  int percent_ = -1;
  DatabaseChecker::Stage stage_ = DatabaseChecker::eCheckPages;
};

}  // namespace

int RunCheck(const std::string& path) {
  DatabaseChecker checker;
  int ran = 0;
  {
    ProgressLine progress;
    ran = checker.Run(path.c_str(), [&progress](DatabaseChecker::Stage stage, std::uint64_t done,
                                                std::uint64_t total) {
      return progress.Show(stage, done, total);
    });
  }
  if (ran == 0) {
    std::fprintf(stderr, "polylex: %s\n", DescribeStoreCode(checker.GetErrorCode(), path).c_str());
    return 1;
  }
  for (const std::string& line : checker.GetReport()) std::printf("%s\n", line.c_str());
  return checker.IsDamaged() ? 1 : 0;
}

}  // namespace polylex
