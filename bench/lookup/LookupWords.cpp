#include "LookupWords.h"

#include <fstream>

namespace bench {

std::vector<SampleLemma> SampleLemmasWithPartOfSpeech(const std::string& wordnetDir,
                                                      std::size_t count) {
  std::vector<SampleLemma> all;
  std::int16_t partOfSpeech = 0;
  for (const char* file : {"index.noun", "index.verb", "index.adj", "index.adv"}) {
    ++partOfSpeech;
    std::ifstream in(wordnetDir + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == ' ') continue;  // the licence header
      all.push_back({line.substr(0, line.find(' ')), partOfSpeech});
    }
  }
  std::vector<SampleLemma> sample;
  if (all.empty() || count == 0) return sample;
  const double step = static_cast<double>(all.size()) / static_cast<double>(count);
  for (std::size_t i = 0; i < count && i < all.size(); ++i) {
    sample.push_back(all[static_cast<std::size_t>(static_cast<double>(i) * step)]);
  }
  return sample;
}

std::vector<std::string> SampleLemmas(const std::string& wordnetDir, std::size_t count) {
  std::vector<std::string> lemmas;
  for (SampleLemma& each : SampleLemmasWithPartOfSpeech(wordnetDir, count)) {
    lemmas.push_back(std::move(each.lemma));
  }
  return lemmas;
}

}  // namespace bench
