#include "OffsetCorrection.h"

#include <algorithm>
#include <string_view>

#include "LexicalSchema.h"
#include "WordNetModel.h"

namespace importers {
namespace {

bool HasWord(const WordNetSynset& synset, std::string_view lemma) {
  return std::any_of(synset.words.begin(), synset.words.end(),
                     [&](const WordNetWord& word) { return word.lemma == lemma; });
}

bool VerbsAreShifted(const WordNet& wordnet) {
  const std::uint32_t suppress = wordnet.Find(PosFile::kVerb, OffsetCorrection::kSuppress);
  const std::uint32_t quench = wordnet.Find(PosFile::kVerb, OffsetCorrection::kQuench);
  if (suppress == kNoSynset || quench == kNoSynset) return false;
  const WordNetSynset& synset = wordnet.synsets[suppress];
  if (!HasWord(synset, "suppress") || !HasWord(wordnet.synsets[quench], "quench")) return false;
  return std::any_of(synset.pointers.begin(), synset.pointers.end(), [&](const auto& pointer) {
    return pointer.relation == schema::kHyponymRelation && pointer.targetFile == PosFile::kVerb &&
           wordnet.synsets[pointer.target].offset == OffsetCorrection::kQuenchHyponym;
  });
}

bool AdjectivesAreShifted(const WordNet& wordnet) {
  const std::uint32_t placed = wordnet.Find(PosFile::kAdjective, OffsetCorrection::kPlaced);
  if (placed == kNoSynset || !HasWord(wordnet.synsets[placed], "placed")) return false;
  const std::uint32_t next = placed + 1;
  return next < wordnet.fileStart[static_cast<int>(PosFile::kAdjective) + 1] &&
         wordnet.synsets[next].offset ==
             OffsetCorrection::kPlaced + OffsetCorrection::kPlacedLineLength;
}

}  // namespace

OffsetCorrection OffsetCorrection::Detect(const WordNet& wordnet) {
  OffsetCorrection correction;
  correction.verbs_ = VerbsAreShifted(wordnet);
  correction.adjectives_ = AdjectivesAreShifted(wordnet);
  return correction;
}

std::uint32_t OffsetCorrection::Canonical(PosFile file, std::uint32_t offset) const {
  if (file == PosFile::kVerb && verbs_ && offset > kSuppress && offset <= kQuench) {
    return offset - kVerbShift;
  }
  if (file == PosFile::kAdjective && adjectives_ && offset > kPlaced) {
    return offset - kAdjectiveShift;
  }
  return offset;
}

}  // namespace importers
