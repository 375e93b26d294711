// The end of reading one lexicon: every reference of the file (a sense's synset, synset members,
// relation targets, frames) turned into positions, each synset's part of speech and kind settled,
// and the senses numbered.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LmfIds.h"
#include "LmfLexicon.h"

namespace importers {

// A SyntacticBehaviour that names its senses ("senses" IDREFS).
struct LmfFrameUse {
  std::string senses;
  std::uint32_t frame = 0;  // index in LmfLexicon::frames
  std::uint32_t line = 0;
};

// `ordinal` is the lexicon's position in the document, as `ids` records it. A reference must name
// an ID of the same lexicon, of the right kind: throws BuildFailure naming the line of the
// reference otherwise, and for a synset whose part of speech neither it nor its senses give.
// Sense numbers: the sense's "n" where given, else its position among the senses of its lemma and
// part of speech in file order.
LmfLexicon ResolveLmfLexicon(LmfLexicon lexicon, const LmfIds& ids, std::uint32_t ordinal,
                             const std::vector<LmfFrameUse>& frameUses);

}  // namespace importers
