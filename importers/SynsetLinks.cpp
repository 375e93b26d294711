#include "SynsetLinks.h"

#include "RelationTable.h"

namespace importers {

SynsetLinks::SynsetLinks(const WordNet& wordnet) : wordnet_(wordnet) {
  for (std::uint32_t source = 0; source < wordnet.synsets.size(); ++source) {
    const WordNetSynset& synset = wordnet.synsets[source];
    for (const WordNetPointer& pointer : synset.pointers) {
      const std::int16_t inverse = AddedInverseOf(pointer.relation);
      if (inverse == 0) continue;
      WordNetPointer back;
      back.relation = inverse;
      back.targetFile = synset.file;
      back.target = source;
      back.sourceWord = pointer.targetWord;
      back.targetWord = pointer.sourceWord;
      added_[pointer.target].push_back(back);
    }
  }
}

}  // namespace importers
