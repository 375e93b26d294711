// Sets the text of the first field with a tag, adding the field under the root when the record has
// none. A field added for text the record then refuses (not valid UTF-8, too long) is taken out
// again, so a failed call leaves no empty field behind.
#pragma once

#include <cstdint>

#include "ArbRecord.h"

namespace lexicon {

// `position` places an added field among the root's children (ArbRecord::kFirst, kLast, ...).
// Null or empty text removes the field. 1 when the record now holds the text (or, for empty text,
// no such field); 0 when the field cannot be added or the text cannot be stored, the record's code
// kept. The current field moves.
int AssignText(ArbRecord& record, std::uint16_t tag, const char* text, std::int16_t position);

}  // namespace lexicon
