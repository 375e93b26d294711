// Reads the lexicons of a WN-LMF file (format versions 1.0 to 1.4) as the file streams past, into
// the compact form of LmfLexicon.
#pragma once

#include <string>
#include <vector>

#include "Diagnostics.h"
#include "LmfLexicon.h"

namespace importers {

// Every Lexicon of the file, in file order, with references resolved and sense numbers given.
// Throws BuildFailure naming file and line for input that cannot be imported: a file that cannot
// be read or is not well-formed XML, a root other than LexicalResource, an element out of place, a
// missing required attribute, a duplicate ID, a reference to an ID the lexicon lacks, an unknown
// part of speech, a malformed number. Left out with a warning: lexicon extensions, blank
// definitions and examples, unknown elements (the first of each name); elements the database has
// no place for (Form, Tag, Pronunciation, Requires, ...) are passed over silently.
std::vector<LmfLexicon> ReadLmfFile(const std::string& path, Diagnostics* diagnostics);

}  // namespace importers
