// Reads Open Multilingual Wordnet tab files: a header line "# name<TAB>lang<TAB>url<TAB>licence",
// then "offset-pos<TAB>lang:type<TAB>text" lines, where def and exe lines may put a sentence number
// before the text ("offset-pos<TAB>lang:def<TAB>0<TAB>text").
#pragma once

#include <string>

#include "Diagnostics.h"
#include "TabWordNet.h"
#include "WordNetModel.h"

namespace importers {

// Reads `path`, linking its keys to `wordnet`'s synsets by Princeton offsets. A missing file
// throws BuildFailure. These lines are skipped with a warning naming file and line: too few or too
// many fields, an unknown type, a malformed key or one that names no WordNet 3.0 synset, an empty
// text, a lemma given twice for one synset, text that is not UTF-8 or too long for a field.
TabWordNet ReadTabFile(const std::string& path, const WordNet& wordnet, Diagnostics* diagnostics);

// Numbers the lemmas 1..k per (lemma ignoring case, part of speech): the meaning most often met in
// the English corpus first, then in ILI order.
void NumberTabSenses(TabWordNet* tab, const WordNet& wordnet);

}  // namespace importers
