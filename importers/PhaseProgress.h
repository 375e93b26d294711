// Progress through one phase of the build, passed on to Progress::step now and then rather than
// for every record.
#pragma once

#include <cstdint>
#include <string>

#include "DatabaseBuilder.h"

namespace importers {

class PhaseProgress {
 public:
  // Announces the phase; `progress` must outlive this object.
  PhaseProgress(const Progress& progress, const std::string& phase, std::uint64_t total);
  // Counts one more item done.
  void Advance();
  // Reports the phase complete.
  void Finish();

 private:
  const Progress& progress_;
  std::uint64_t total_;
  std::uint64_t done_ = 0;
};

}  // namespace importers
