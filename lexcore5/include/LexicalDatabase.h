// Creating lexical databases: the empty file with its shared stores prepared, and each language
// store as it is added. Used by the importers; the viewer only reads.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"

class FxDatabase;

// Creates a new database file at `path` (FILE_EXISTS if there is one) with the field names and
// indexes of stores 0, 96, 98 and 99. The file holds no records yet; in particular it lacks the
// version, site and build records that make it open as a lexical database. A store code.
LEXCORE_API std::uint32_t CreateLexicalDatabase(const char* path);

// Gives language store `store` (100 to 199) its field names, its indexes and the collation of
// `locale` ("en", "fr", "pl", ...) for its word forms. INVALID_STORE_NUM outside 100 to 199.
LEXCORE_API std::uint32_t PrepareLanguageStore(FxDatabase& database, std::uint32_t store,
                                               const char* locale);
