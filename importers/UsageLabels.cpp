#include "UsageLabels.h"

#include "Literal.h"
#include "RelationTable.h"

namespace importers {

UsageLabels::UsageLabels(const WordNet& wordnet) {
  for (const WordNetSynset& synset : wordnet.synsets) {
    for (const WordNetPointer& pointer : synset.pointers) {
      if (pointer.relation != kDomainUsage || values_.contains(pointer.target)) continue;
      names_.push_back(LiteralOf(wordnet.synsets[pointer.target].words.front().lemma));
      values_[pointer.target] = static_cast<std::uint16_t>(names_.size());
    }
  }
}

std::uint16_t UsageLabels::ValueOf(std::uint32_t synset) const {
  const auto found = values_.find(synset);
  return found == values_.end() ? 0 : found->second;
}

}  // namespace importers
