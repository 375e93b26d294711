#include "PointerResolver.h"

#include <algorithm>
#include <string>

namespace importers {

namespace {

bool SameLink(const WordNetPointer& a, const WordNetPointer& b) {
  return a.relation == b.relation && a.target == b.target && a.sourceWord == b.sourceWord &&
         a.targetWord == b.targetWord;
}

}  // namespace

void ResolvePointers(WordNet* wordnet, Diagnostics* diagnostics) {
  for (WordNetSynset& synset : wordnet->synsets) {
    std::size_t kept = 0;
    for (WordNetPointer pointer : synset.pointers) {
      const std::uint32_t target = wordnet->Find(pointer.targetFile, pointer.target);
      std::string problem;
      if (target == kNoSynset) {
        problem = "no synset at " + std::string(PosFileSuffix(pointer.targetFile)) + " offset " +
                  std::to_string(pointer.target);
      } else {
        const std::uint8_t word = wordnet->synsets[target].KeptWord(pointer.targetWord);
        if (pointer.targetWord != 0 && word == 0) {
          problem = "no word " + std::to_string(pointer.targetWord) + " in the synset at offset " +
                    std::to_string(pointer.target);
        }
        pointer.targetWord = word;
      }
      if (!problem.empty()) {
        diagnostics->Warn(wordnet->DataPath(synset.file), synset.line,
                          "pointer to " + problem + "; pointer skipped");
        continue;
      }
      pointer.target = target;
      // Words merged for letter case can make two word-level pointers one.
      const auto end = synset.pointers.begin() + static_cast<std::ptrdiff_t>(kept);
      if (pointer.IsWordLevel() &&
          std::any_of(synset.pointers.begin(), end,
                      [&](const WordNetPointer& other) { return SameLink(other, pointer); })) {
        continue;
      }
      synset.pointers[kept++] = pointer;
    }
    synset.pointers.resize(kept);
  }
}

}  // namespace importers
