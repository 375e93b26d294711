#include "LookupWords.h"

#include <fstream>

namespace bench {

std::vector<std::string> SampleLemmas(const std::string& wordnetDir, std::size_t count) {
  std::vector<std::string> all;
  for (const char* file : {"index.noun", "index.verb", "index.adj", "index.adv"}) {
    std::ifstream in(wordnetDir + "/" + file);
    std::string line;
    while (std::getline(in, line)) {
      if (line.empty() || line[0] == ' ') continue;  // the licence header
      all.push_back(line.substr(0, line.find(' ')));
    }
  }
  std::vector<std::string> sample;
  if (all.empty() || count == 0) return sample;
  const double step = static_cast<double>(all.size()) / static_cast<double>(count);
  for (std::size_t i = 0; i < count && i < all.size(); ++i) {
    sample.push_back(all[static_cast<std::size_t>(static_cast<double>(i) * step)]);
  }
  return sample;
}

}  // namespace bench
