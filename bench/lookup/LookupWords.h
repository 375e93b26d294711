// The word list of the look-up benchmarks: lemmas spread evenly over Princeton's four index files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct SampleLemma {
  std::string lemma;          // as the index file spells it ("domestic_dog")
  std::int16_t partOfSpeech;  // of the index file: 1 noun, 2 verb, 3 adjective, 4 adverb
};

// `count` lemmas of the WordNet folder with the part of speech of the file each comes from.
std::vector<SampleLemma> SampleLemmasWithPartOfSpeech(const std::string& wordnetDir,
                                                      std::size_t count);
// The same lemmas alone.
std::vector<std::string> SampleLemmas(const std::string& wordnetDir, std::size_t count);

}  // namespace bench
