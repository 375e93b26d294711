// WordNet's exception lists (noun.exc, verb.exc, adj.exc, adv.exc): the irregular inflections of
// English ("geese goose", "axes ax axis") that the rules of detachment cannot undo. The English
// store keeps them as word-form exception records, so that base-form look-up finds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "RecordBuilder.h"

namespace importers {

struct WordFormException {
  std::string inflected;           // as a literal: blanks for the source's underscores
  std::uint16_t partOfSpeech = 0;  // 1 noun, 2 verb, 3 adjective, 4 adverb
  std::vector<std::string> bases;  // in the list's order, as literals
};

// The lists of `directory` in the order noun, verb, adjective, adverb, each in line order. A list
// that is not there gives nothing (folders built for other purposes may lack them); a line
// without a base form or with text that is not valid UTF-8 is skipped with a warning.
std::vector<WordFormException> ReadExceptionLists(const std::string& directory,
                                                  Diagnostics* diagnostics);

// One record per exception in language store `store`, record IDs 1..N in the given order.
void WriteExceptionLists(RecordBuilder* builder, std::uint32_t store,
                         const std::vector<WordFormException>& exceptions);

}  // namespace importers
