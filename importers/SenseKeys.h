// WordNet sense keys (lemma%ss_type:lex_filenum:lex_id:head_word:head_id), which name a word sense
// independently of offsets, and the tag counts that cntlist.rev gives by sense key.
#pragma once

#include <string>

#include "Diagnostics.h"
#include "WordNetModel.h"

namespace importers {

// The sense key of word `word` of synset `synset`. An adjective satellite names the first word
// of its head synset (the adjective its similar-to pointer leads to); without one the head part
// stays empty.
std::string SenseKey(const WordNet& wordnet, const WordNetSynset& synset, const WordNetWord& word);

// Gives every word of `wordnet` its sense key; warns once for each satellite without a head.
void AssignSenseKeys(WordNet* wordnet, Diagnostics* diagnostics);

// Sets tagCount and tagged from <directory>/cntlist.rev ("sense_key sense_number tag_cnt" lines).
// The file is optional: without it a warning says that variants get no frequency. Lines that cannot
// be read are skipped with a warning.
void ReadTagCounts(WordNet* wordnet, Diagnostics* diagnostics);

}  // namespace importers
