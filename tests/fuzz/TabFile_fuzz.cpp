// Open Multilingual Wordnet tab files: the input is read as a tab file against Princeton WordNet
// 3.0 (loaded once), and its lemmas numbered as the build does. Bad lines are skipped with a
// warning; nothing may escape.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "BuildFailure.h"
#include "Diagnostics.h"
#include "FuzzSupport.h"
#include "TabFileReader.h"
#include "WordNetLoader.h"

using namespace importers;

namespace {

const Progress& Quiet() {
  static const Progress* quiet = new Progress();
  return *quiet;
}

const WordNet& Princeton() {
  static const WordNet* wordnet = [] {
    Diagnostics diagnostics(Quiet());
    try {
      return new WordNet(LoadWordNet(fuzz::RequiredPath("LEX_FUZZ_WORDNET"), &diagnostics));
    } catch (const BuildFailure& failure) {
      std::fprintf(stderr, "%s\n", failure.what());
      std::exit(2);
    }
  }();
  return *wordnet;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Princeton();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Diagnostics diagnostics(Quiet());
  TabWordNet tab =
      ReadTabFile(fuzz::WriteScratchFile("input.tab", data, size), Princeton(), &diagnostics);
  NumberTabSenses(&tab, Princeton());
  return 0;
}
