// The links each synset is the source of, in the order they are stored: the synset's own pointers
// as the data file lists them, then the links back that the database adds for causes and
// entailments (see AddedInverseOf), in the order of their sources.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "WordNetModel.h"

namespace importers {

class SynsetLinks {
 public:
  // `wordnet` (pointers resolved) must outlive this object.
  explicit SynsetLinks(const WordNet& wordnet);

  // Calls visit(pointer) for each link of `synset`, in order.
  template <typename Visit>
  void ForEach(std::uint32_t synset, Visit visit) const {
    for (const WordNetPointer& pointer : wordnet_.synsets[synset].pointers) visit(pointer);
    const auto added = added_.find(synset);
    if (added == added_.end()) return;
    for (const WordNetPointer& pointer : added->second) visit(pointer);
  }

 private:
  const WordNet& wordnet_;
  std::unordered_map<std::uint32_t, std::vector<WordNetPointer>> added_;
};

}  // namespace importers
