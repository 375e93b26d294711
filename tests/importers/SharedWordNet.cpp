#include "SharedWordNet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseBuilder.h"
#include "ImporterTestSupport.h"

namespace {

std::string OmwFile(const char* folder) {
  return std::string(SHARED_DATA_DIR) + "/omw/" + folder + "/wn-data-" + folder + ".tab";
}

}  // namespace

bool SharedWordNetHasTabs() {
  return std::filesystem::exists(OmwFile("nld")) && std::filesystem::exists(OmwFile("fra"));
}

std::string SharedWordNetDatabase() {
  if (!std::filesystem::exists(std::string(WORDNET_DIR) + "/data.noun")) return "";
  const std::string path = TEST_WORDNET_DB;
  if (std::filesystem::exists(path)) return path;
  importers::BuildOptions options;
  options.output = path;
  options.wordnetDir = WORDNET_DIR;
  if (SharedWordNetHasTabs()) {
    options.tabs.push_back({OmwFile("nld"), "NL"});
    options.tabs.push_back({OmwFile("fra"), "FR"});
  }
  const BuildRun run = RunBuild(options);
  EXPECT_TRUE(run.ok) << run.error;
  return run.ok ? path : "";
}
