// Reads a Princeton WordNet 3.0 folder (data.*, index.*, cntlist.rev) into memory, ready to write.
#pragma once

#include <string>

#include "Diagnostics.h"
#include "WordNetModel.h"

namespace importers {

// Reads everything the database needs from `directory`: synsets with resolved pointers, canonical
// offsets, sense numbers, sense keys and tag counts. Throws BuildFailure for a missing folder or
// file and for damaged data files (see ReadDataFile); other faults are warnings.
WordNet LoadWordNet(const std::string& directory, Diagnostics* diagnostics);

}  // namespace importers
