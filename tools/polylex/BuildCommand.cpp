// polylex build: progress on a terminal, warnings as they come, one line on failure.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "Commands.h"

namespace polylex {
namespace {

// Redraws one status line on a terminal; elsewhere it prints each phase once.
class ProgressLine {
 public:
  ProgressLine() : terminal_(isatty(fileno(stderr)) != 0) {}

  void Phase(const std::string& phase) {
    Finish();
    phase_ = phase;
    if (!terminal_) std::fprintf(stderr, "%s\n", phase.c_str());
  }

  void Step(std::uint64_t done, std::uint64_t total) {
    if (!terminal_ || total == 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (done < total && now - drawn_ < std::chrono::milliseconds(100)) return;
    drawn_ = now;
    std::fprintf(stderr, "\r%s: %3u%%", phase_.c_str(), static_cast<unsigned>(done * 100 / total));
    open_ = true;
  }

  void Warn(const std::string& warning) {
    Finish();
    std::fprintf(stderr, "warning: %s\n", warning.c_str());
  }

  void Finish() {
    if (open_) std::fputc('\n', stderr);
    open_ = false;
  }

 private:
  bool terminal_;
  bool open_ = false;
  std::string phase_;
  std::chrono::steady_clock::time_point drawn_{};
};

}  // namespace

int RunBuild(const importers::BuildOptions& options) {
  ProgressLine line;
  importers::Progress progress;
  progress.phase = [&line](const std::string& phase) { line.Phase(phase); };
  progress.step = [&line](std::uint64_t done, std::uint64_t total) { line.Step(done, total); };
  progress.warn = [&line](const std::string& warning) { line.Warn(warning); };
  importers::BuildReport report;
  std::string error;
  const auto start = std::chrono::steady_clock::now();
  const bool built = importers::BuildDatabase(options, progress, &report, &error);
  line.Finish();
  if (!built) {
    std::fprintf(stderr, "polylex: %s\n", error.c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::string languages;
  for (const std::string& code : report.languages) languages += " " + code;
  std::printf("Built %s in %.1f s: %u synsets, %u senses, %u links; languages:%s\n",
              options.output.c_str(), seconds, report.synsets, report.senses, report.links,
              languages.c_str());
  return 0;
}

}  // namespace polylex
