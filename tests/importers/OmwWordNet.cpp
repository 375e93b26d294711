#include "OmwWordNet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"

namespace fs = std::filesystem;

namespace {

// TEST_OMW_FOLDERS names the folders the build takes ("arb bul ..."); empty: all of them.
bool Wanted(const std::string& folder) {
  std::istringstream folders(TEST_OMW_FOLDERS);
  std::string wanted;
  bool any = false;
  while (folders >> wanted) {
    if (wanted == folder) return true;
    any = true;
  }
  return !any;
}

// The tab files in the order the build takes them (by folder name), with their stores.
std::vector<OmwTab> TabFiles() {
  std::vector<OmwTab> tabs;
  std::error_code missing;
  for (const fs::directory_entry& entry :
       fs::directory_iterator(fs::path(SHARED_DATA_DIR) / "omw", missing)) {
    const std::string folder = entry.path().filename().string();
    const fs::path file = entry.path() / ("wn-data-" + folder + ".tab");
    if (fs::exists(file) && Wanted(folder)) tabs.push_back({folder, file.string(), 0});
  }
  std::sort(tabs.begin(), tabs.end(),
            [](const OmwTab& a, const OmwTab& b) { return a.folder < b.folder; });
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    tabs[i].store = schema::kFirstLanguageStore + 1 + static_cast<std::uint32_t>(i);
  }
  return tabs;
}

// CTest builds the database before the tests start (tools/build_test_wordnet.sh); a test binary
// run by hand builds it on first use.
OmwWordNet Locate() {
  OmwWordNet omw{TEST_OMW_DB, TabFiles()};
  if (!fs::exists(std::string(WORDNET_DIR) + "/data.noun") || omw.tabs.empty()) return {};
  if (fs::exists(omw.path)) return omw;
  importers::BuildOptions options;
  options.output = omw.path;
  options.wordnetDir = WORDNET_DIR;
  // No --code: each file names its language in its header.
  for (const OmwTab& tab : omw.tabs) options.tabs.push_back({tab.path, ""});
  const BuildRun run = RunBuild(options);
  EXPECT_TRUE(run.ok) << run.error;
  return run.ok ? omw : OmwWordNet{};
}

}  // namespace

const OmwWordNet* SharedOmwWordNet() {
  static const OmwWordNet omw = Locate();
  return omw.path.empty() ? nullptr : &omw;
}
