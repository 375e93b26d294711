// The full export's lines for one internal link or equivalence link record, and the source block
// that variants and links share.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "lexicon/ExportLineWriter.h"

namespace lexicon {

// The SOURCE_ID found at `start` (the field itself, else the first one below it) at `level`, with
// its TEXT_KEY, else its NUMBER_KEY, one level deeper; nothing without a SOURCE_ID. The record's
// current field is kept.
void WriteSourceBlock(ArbRecord& record, node* start, int level, ExportLineWriter& lines);

// Lines of the internal link `link` of language store `store`: relation code, target (through its
// display variant or its last variant, else by ID, or as described in place), attributes and
// source. A link without TARGET_CONCEPT writes nothing. Missing definitions or target records give
// empty quotes or the ID between at signs; nothing here throws but the string's own exceptions.
void WriteInternalLink(ArbRecord& link, void* database, std::uint32_t store,
                       ExportLineWriter& lines);

// Lines of the equivalence link `link`: relation code, the ILI target by its WordNet offset or
// add-on number (by ID when the ILI record cannot be read or has neither), and source.
void WriteEqLink(ArbRecord& link, void* database, ExportLineWriter& lines);

}  // namespace lexicon
