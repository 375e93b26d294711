// The languages the importers know: code, collation locale, and each language's name in every one
// of them (for the NAME children of the language records).
#pragma once

#include <string_view>

namespace importers {

struct Language {
  const char* code;    // "NL": the LANGUAGE_CODE, upper case
  const char* locale;  // "nl": the collation of its word forms
};

constexpr int kLanguageCount = 8;

// The language with that code (any letter case), or null when the importers do not know it.
const Language* FindLanguage(std::string_view code);
// The name of `language` written in `in` ("Nederlands" for NL in NL, "Dutch" for NL in EN).
const char* LanguageName(const Language& language, const Language& in);
const Language& English();

}  // namespace importers
