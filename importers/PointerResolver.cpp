#include "PointerResolver.h"

#include <string>

namespace importers {

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
        const std::uint8_t word = wordnet->synsets[target].ExistingWord(pointer.targetWord);
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
      synset.pointers[kept++] = pointer;
    }
    synset.pointers.resize(kept);
  }
}

}  // namespace importers
