// The relation types of WN-LMF (versions 1.0 to 1.4) and the database relations they stand for.
// Several types may share a relation ("entails" and "subevent"); the export writes the first one
// listed. Relations without a type of their own travel as relType "other" with the relation's code
// in dc:type, which the import reads back.
#pragma once

#include <cstdint>
#include <string_view>

namespace importers {

// The relation (1 to 58) of a SynsetRelation or SenseRelation; `dcType` is its dc:type attribute
// (may be empty). 0 when the type has no counterpart in the database.
std::int16_t RelationOfLmfType(std::string_view relType, std::string_view dcType);

// The relType the export writes for relation `relation`; "other" when WN-LMF has no type for it
// (the relation's code then goes into dc:type). Null outside 1 to 58.
const char* LmfTypeOfRelation(std::int16_t relation);

}  // namespace importers
