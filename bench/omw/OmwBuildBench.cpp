// The build of WordNet 3.0 with every Open Multilingual Wordnet tab file of a folder (each in its
// own sub-folder, "arb/wn-data-arb.tab"), every language named by its file's header. Prints the
// build's time, the file's size and the peak memory, beside the machine's load, which on a shared
// machine moves the time. Targets: under 60 s and under 600 MiB.
//
// Usage: omw_bench [OMW_DIR [WORDNET_DIR [SCRATCH_DIR]]] (defaults: ../shared/data/omw,
// /usr/share/wordnet, /tmp). The database is removed afterwards.
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TimedBuild.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMiB = 1024.0 * 1024.0;

std::vector<std::string> TabFiles(const fs::path& omw) {
  std::vector<std::string> files;
  std::error_code missing;
  for (const fs::directory_entry& entry : fs::directory_iterator(omw, missing)) {
    const fs::path file = entry.path() / ("wn-data-" + entry.path().filename().string() + ".tab");
    if (fs::exists(file)) files.push_back(file.string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

void PrintLoad(const char* when) {
  double load[3] = {};
  if (getloadavg(load, 3) == 3) {
    std::printf("load %-6s %.2f %.2f %.2f (1, 5, 15 min)\n", when, load[0], load[1], load[2]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path omw = argc > 1 ? argv[1] : "../shared/data/omw";
  const std::string wordnet = argc > 2 ? argv[2] : "/usr/share/wordnet";
  const std::string scratch = argc > 3 ? argv[3] : "/tmp";
  importers::BuildOptions options = bench::WordNetBuildOptions(wordnet, scratch + "/omw_bench.fdb");
  for (const std::string& file : TabFiles(omw)) options.tabs.push_back({file, ""});
  if (options.tabs.empty()) {
    std::fprintf(stderr, "omw_bench: no tab files in %s\n", omw.c_str());
    return 1;
  }
  PrintLoad("before");
  const bench::TimedBuild run = bench::RunTimedBuild(options);
  PrintLoad("after");
  if (!run.built) {
    std::fprintf(stderr, "omw_bench: %s\n", run.error.c_str());
    return 1;
  }
  const importers::BuildReport& report = run.report;
  const double seconds = run.seconds;
  const double size = static_cast<double>(fs::file_size(options.output)) / kMiB;
  fs::remove(options.output);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("build   WordNet + %zu tab files: %u languages, %u synsets, %u senses, %u links\n",
              options.tabs.size(), static_cast<unsigned>(report.languages.size()), report.synsets,
              report.senses, report.links);
  std::printf("time    %7.1f s    (target under 60 s)\n", seconds);
  std::printf("size    %7.1f MiB  (target under 600 MiB)\n", size);
  std::printf("memory  %7.1f MiB peak resident\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return 0;
}
