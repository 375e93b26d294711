// A database build with its wall time, for the benchmarks that measure builds.
#pragma once

#include <chrono>
#include <string>

#include "DatabaseBuilder.h"

namespace bench {

struct TimedBuild {
  bool built = false;
  double seconds = 0;
  importers::BuildReport report;
  std::string error;
};

// Options that build WordNet from `wordnetDir` into `output`, replacing what is there.
inline importers::BuildOptions WordNetBuildOptions(const std::string& wordnetDir,
                                                   const std::string& output) {
  importers::BuildOptions options;
  options.output = output;
  options.wordnetDir = wordnetDir;
  options.force = true;
  return options;
}

inline TimedBuild RunTimedBuild(const importers::BuildOptions& options) {
  TimedBuild run;
  const auto start = std::chrono::steady_clock::now();
  run.built = importers::BuildDatabase(options, importers::Progress(), &run.report, &run.error);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return run;
}

}  // namespace bench
