// The definitions every language shares (store 96): relations 1 to 58, equivalence relations 1 to
// 17, parts of speech 1 to 5, the usage label "usage" with its values, the features "verb_frame"
// and "adjective_position" with theirs, and one language record per language wordnet.
#pragma once

#include <string>
#include <vector>

#include "Languages.h"
#include "RecordBuilder.h"

namespace importers {

// Language record i (1-based) names languages[i - 1], whose wordnet is in store 99 + i; its NAME
// holds the English name, with one child "<code><name>" in English and in each other language of
// the database that has a two-letter code, where ICU has a name; LOCALE holds its collation
// locale.
void WriteSharedDefinitions(RecordBuilder* builder, const std::vector<Language>& languages,
                            const std::vector<std::string>& usageValues);

}  // namespace importers
