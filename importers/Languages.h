// Languages as the input names them: a database code ("NL", "GR"), an ISO 639-1 or 639-3 code
// ("nl", "nld", "arb", "cmn") or a BCP 47 tag ("pt-BR", "zh-Hans"), letter case ignored. ICU
// canonicalizes the code, names the language and chooses its collation, so the importers take
// every language ICU knows and keep no list of their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace importers {

struct Language {
  // The LANGUAGE_CODE: ISO 639-1 in capitals where the language has such a code ("NL", "AR",
  // "ZH"), else its three-letter code in capitals ("HAW"), which no two-letter code can equal.
  // Greek keeps "GR", the code databases have always given it.
  std::string code;
  std::string locale;  // the ICU locale of its collation: "nl", "zh", "pt_BR"
  std::string name;    // its name in English: "Dutch", "Norwegian Bokmål"
};

// The language `code` names, or nothing when ICU knows no language by that code.
std::optional<Language> LanguageOf(std::string_view code);
const Language& English();
// The name of `language` written in `in`, capitalized as in a list ("Nederlands" for Dutch in
// Dutch, "Néerlandais" in French); empty when ICU has no name for it in that language.
std::string LanguageName(const Language& language, const Language& in);
// The BCP 47 tag a WN-LMF file gives the language with database code `code` ("GR" gives "el",
// "ZH" "zh"); the code in small letters when it names no language.
std::string LanguageTag(std::string_view code);

}  // namespace importers
