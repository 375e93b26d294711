// What of the process is resident, as the kernel counts it. Pages of a mapped file count as much
// as memory the process allocated, though they are the system's cached file pages: the two are
// told apart.
#pragma once

namespace bench {

struct ResidentMemory {
  double peakMiB = 0;
  double anonymousMiB = 0;
  double fileMiB = 0;
};

// Zeros where the system does not tell.
ResidentMemory MeasureResidentMemory();

}  // namespace bench
