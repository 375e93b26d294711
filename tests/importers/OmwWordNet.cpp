#include "OmwWordNet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"

namespace fs = std::filesystem;

namespace {

// The whole set takes about half a minute in an optimised build; under AddressSanitizer several
// times that, so there one file per script stands in for it.
#if defined(__SANITIZE_ADDRESS__)
const std::set<std::string> kSanitizerSet = {"swe", "ell", "bul", "arb", "heb", "cmn"};
bool Wanted(const std::string& folder) {
  return kSanitizerSet.contains(folder);
}
#else
bool Wanted(const std::string&) {
  return true;
}
#endif

std::vector<OmwTab> TabFiles() {
  std::vector<OmwTab> tabs;
  const fs::path omw = fs::path(SHARED_DATA_DIR) / "omw";
  std::error_code missing;
  for (const fs::directory_entry& entry : fs::directory_iterator(omw, missing)) {
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

struct Built {
  ScratchDir dir;
  OmwWordNet wordnet;
  bool ok = false;
};

std::unique_ptr<Built> Build() {
  auto built = std::make_unique<Built>();
  built->wordnet.tabs = TabFiles();
  if (!fs::exists(std::string(WORDNET_DIR) + "/data.noun") || built->wordnet.tabs.empty()) {
    return built;
  }
  importers::BuildOptions options;
  options.output = built->dir.Path("omw.fdb");
  options.wordnetDir = WORDNET_DIR;
  // No --code: each file names its language in its header.
  for (const OmwTab& tab : built->wordnet.tabs) options.tabs.push_back({tab.path, ""});
  const BuildRun run = RunBuild(options);
  EXPECT_TRUE(run.ok) << run.error;
  built->wordnet.path = options.output;
  built->ok = run.ok;
  return built;
}

}  // namespace

const OmwWordNet* SharedOmwWordNet() {
  static const std::unique_ptr<Built> built = Build();
  return built->ok ? &built->wordnet : nullptr;
}
