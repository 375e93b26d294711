// The languages a WN-LMF lexicon may bring: the importers' own (Languages.h), reached also by
// their ISO 639 codes ("el" and "ell" are GR, "nld" is NL), and more languages that only LMF files
// bring, each with its English and its own name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Languages.h"
#include "RecordBuilder.h"

namespace importers {

// The language of a lexicon's "language" attribute or of a --code: a database code ("ES"), an
// ISO 639-1 or 639-3 code ("es", "spa"), with or without a region or script ("en-GB", "zh-Hans");
// letter case is ignored. Null when the importers know no such language.
const Language* LmfLanguageOf(std::string_view code);
// Whether FindLanguage (and so WriteSharedDefinitions) knows the language; the others are written
// by WriteLmfLanguageRecords.
bool IsImporterLanguage(const Language& language);
// The codes LmfLanguageOf takes, for messages: "EN NL ... ES DE ...".
std::string LmfLanguageCodes();
// The BCP 47 tag a WN-LMF file gives the language with database code `code` ("GR" gives "el").
std::string LmfLanguageTag(std::string_view code);

// Language records for languages that IsImporterLanguage does not know: record firstRecord + i
// names languages[i], whose wordnet is in store firstStore + i; NAME holds the English name, with
// the children "en<English name>" and "<code><own name>".
void WriteLmfLanguageRecords(RecordBuilder* builder, const std::vector<const Language*>& languages,
                             std::uint32_t firstRecord, std::uint32_t firstStore);

}  // namespace importers
