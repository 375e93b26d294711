// The spread of per-word times that the look-up benchmarks report.
#pragma once

#include <vector>

namespace bench {

struct WordTimes {
  double p50 = 0;
  double p99 = 0;
  double mean = 0;
};

// Median, 99th percentile and mean of `micros` (at least one time); sorts them.
WordTimes SpreadOf(std::vector<double>& micros);

}  // namespace bench
