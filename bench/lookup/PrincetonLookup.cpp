#include "PrincetonLookup.h"

#include <vector>

#include <wn.h>

namespace bench {

bool StartPrinceton() {
  return wninit() == 0;
}

void PrincetonLookup(const std::string& lemma, LookupCount& count) {
  std::vector<char> word(lemma.begin(), lemma.end());
  word.push_back('\0');
  for (int pos = NOUN; pos <= ADV; ++pos) {
    IndexPtr index = index_lookup(word.data(), pos);
    if (index == nullptr) continue;
    for (int i = 0; i < index->off_cnt; ++i) {
      SynsetPtr synset = read_synset(pos, static_cast<long>(index->offset[i]), word.data());
      if (synset == nullptr) continue;
      ++count.meanings;
      count.words += static_cast<std::size_t>(synset->wcount);
      if (synset->defn != nullptr) ++count.glosses;
      for (int p = 0; p < synset->ptrcount; ++p) {
        if (synset->ptrtyp[p] != HYPERPTR) continue;
        SynsetPtr hyperonym = read_synset(synset->ppos[p], synset->ptroff[p], nullptr);
        if (hyperonym == nullptr) continue;
        ++count.hyperonyms;
        count.words += static_cast<std::size_t>(hyperonym->wcount);
        free_synset(hyperonym);
      }
      free_synset(synset);
    }
    free_index(index);
  }
}

}  // namespace bench
