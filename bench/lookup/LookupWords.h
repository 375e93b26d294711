// The word list of the look-up benchmark: lemmas spread evenly over Princeton's four index files.
#pragma once

#include <string>
#include <vector>

namespace bench {

// `count` lemmas of the WordNet folder, as the index files spell them ("domestic_dog").
std::vector<std::string> SampleLemmas(const std::string& wordnetDir, std::size_t count);

}  // namespace bench
