// Writes the fields of a variant, internal link or equivalence link record as level-numbered lines
// into a caller's buffer, one constant table per record kind saying which fields become lines and
// how their values are shown.
#pragma once

#include "ArbRecord.h"
#include "lexicon/BoundedText.h"

namespace lexicon {

enum class ExportTable { kVariant, kInternalLink, kEqLink };

// Every field of `record` in tree order (root first, each child before its siblings):
// - a field whose tag and depth below the root have no row gives the marker
//   "{Cannot convert tag T, level D}" without a line end of its own;
// - a row of the silent kind writes nothing;
// - any other row writes "<2L blanks>L KEYWORD[ value]\n", where a value that cannot be read is
//   replaced by "{Error: NAME-0xCODE}" with the store's code of the failed read.
// Relation, equivalence relation and part-of-speech names come from store 96 of the record's
// database; a code without a named definition is written without value. A record pointer field
// without record ID (a target described in place) is written without value too.
// Throws PLXException ePLXBufferTooSmall when `text` runs out of room; the record's current field
// is kept.
void WriteWithTable(ArbRecord& record, ExportTable table, BoundedText& text);

}  // namespace lexicon
