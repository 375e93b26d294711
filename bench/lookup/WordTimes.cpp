#include "WordTimes.h"

#include <algorithm>

namespace bench {

WordTimes SpreadOf(std::vector<double>& micros) {
  std::sort(micros.begin(), micros.end());
  double sum = 0;
  for (const double each : micros) sum += each;
  WordTimes times;
  times.mean = sum / static_cast<double>(micros.size());
  times.p50 = micros[micros.size() / 2];
  times.p99 = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
  return times;
}

}  // namespace bench
