// WordNet 3.0 with the Open Multilingual Wordnet tab files of ../shared/data/omw (under the
// sanitizers one per script), built once for the test run, for the tests that need every language.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct OmwTab {
  std::string folder;  // "arb": the folder and the lang column of its header
  std::string path;
  std::uint32_t store;  // the store the build gave it: the tabs in order from 101
};

struct OmwWordNet {
  std::string path;
  std::vector<OmwTab> tabs;
};

// The database, or null when WordNet or the tab files are missing (the caller skips). A failed
// build fails the calling test and yields null.
const OmwWordNet* SharedOmwWordNet();
