#include "LmfLanguages.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "LexicalSchema.h"

namespace importers {
namespace {

using namespace schema;

struct LmfOnlyLanguage {
  Language language;
  const char* englishName;
  const char* ownName;
  const char* iso3[3];  // ISO 639-3 and 639-2 codes; unused slots null
};

// Languages of the wordnets published as WN-LMF beyond those the importers know from WordNet and
// the tab files.
constexpr LmfOnlyLanguage kLmfOnly[] = {
    {{"AR", "ar"}, "Arabic", "العربية", {"ara"}},
    {{"BG", "bg"}, "Bulgarian", "Български", {"bul"}},
    {{"CS", "cs"}, "Czech", "Čeština", {"ces", "cze"}},
    {{"DA", "da"}, "Danish", "Dansk", {"dan"}},
    {{"DE", "de"}, "German", "Deutsch", {"deu", "ger"}},
    {{"ES", "es"}, "Spanish", "Español", {"spa"}},
    {{"FA", "fa"}, "Persian", "فارسی", {"fas", "per"}},
    {{"FI", "fi"}, "Finnish", "Suomi", {"fin"}},
    {{"GL", "gl"}, "Galician", "Galego", {"glg"}},
    {{"HE", "he"}, "Hebrew", "עברית", {"heb"}},
    {{"HR", "hr"}, "Croatian", "Hrvatski", {"hrv"}},
    {{"HU", "hu"}, "Hungarian", "Magyar", {"hun"}},
    {{"ID", "id"}, "Indonesian", "Bahasa Indonesia", {"ind"}},
    {{"IS", "is"}, "Icelandic", "Íslenska", {"isl", "ice"}},
    {{"JA", "ja"}, "Japanese", "日本語", {"jpn"}},
    {{"KO", "ko"}, "Korean", "한국어", {"kor"}},
    {{"LT", "lt"}, "Lithuanian", "Lietuvių", {"lit"}},
    {{"LV", "lv"}, "Latvian", "Latviešu", {"lav"}},
    {{"MS", "ms"}, "Malay", "Bahasa Melayu", {"msa", "may", "zsm"}},
    {{"NB", "nb"}, "Norwegian Bokmål", "Norsk bokmål", {"nob"}},
    {{"NN", "nn"}, "Norwegian Nynorsk", "Norsk nynorsk", {"nno"}},
    {{"PT", "pt"}, "Portuguese", "Português", {"por"}},
    {{"RO", "ro"}, "Romanian", "Română", {"ron", "rum"}},
    {{"RU", "ru"}, "Russian", "Русский", {"rus"}},
    {{"SK", "sk"}, "Slovak", "Slovenčina", {"slk", "slo"}},
    {{"SL", "sl"}, "Slovenian", "Slovenščina", {"slv"}},
    {{"SQ", "sq"}, "Albanian", "Shqip", {"sqi", "alb"}},
    {{"SV", "sv"}, "Swedish", "Svenska", {"swe"}},
    {{"TH", "th"}, "Thai", "ไทย", {"tha"}},
    {{"TR", "tr"}, "Turkish", "Türkçe", {"tur"}},
    {{"UK", "uk"}, "Ukrainian", "Українська", {"ukr"}},
    {{"ZH", "zh"}, "Chinese", "中文", {"zho", "chi", "cmn"}},
};

// ISO codes of the importers' own languages where they differ from the database code.
constexpr std::pair<std::string_view, std::string_view> kImporterAliases[] = {
    {"el", "GR"},  {"ell", "GR"}, {"gre", "GR"}, {"eng", "EN"}, {"nld", "NL"},
    {"dut", "NL"}, {"ita", "IT"}, {"fra", "FR"}, {"fre", "FR"}, {"cat", "CA"},
    {"eus", "EU"}, {"baq", "EU"}, {"pol", "PL"},
};

std::string Lowercase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

const LmfOnlyLanguage* LmfOnlyOf(const Language& language) {
  for (const LmfOnlyLanguage& each : kLmfOnly) {
    if (&each.language == &language) return &each;
  }
  return nullptr;
}

}  // namespace

const Language* LmfLanguageOf(std::string_view code) {
  const std::string primary = Lowercase(code.substr(0, code.find_first_of("-_")));
  for (const auto& [iso, database] : kImporterAliases) {
    if (iso == primary) return FindLanguage(database);
  }
  if (const Language* known = FindLanguage(primary)) return known;
  for (const LmfOnlyLanguage& each : kLmfOnly) {
    if (primary == Lowercase(each.language.code) ||
        std::any_of(std::begin(each.iso3), std::end(each.iso3),
                    [&](const char* iso) { return iso != nullptr && primary == iso; })) {
      return &each.language;
    }
  }
  return nullptr;
}

bool IsImporterLanguage(const Language& language) {
  return FindLanguage(language.code) == &language;
}

std::string LmfLanguageCodes() {
  std::string codes;
  for (const char* code : {"EN", "NL", "IT", "FR", "CA", "EU", "PL", "GR"}) {
    codes += codes.empty() ? code : std::string(" ") + code;
  }
  for (const LmfOnlyLanguage& each : kLmfOnly) codes += std::string(" ") + each.language.code;
  return codes;
}

std::string LmfLanguageTag(std::string_view code) {
  const Language* language = FindLanguage(code);
  for (const auto& [iso, database] : kImporterAliases) {
    if (language != nullptr && database == language->code && iso.size() == 2) {
      return std::string(iso);
    }
  }
  return Lowercase(code);
}

void WriteLmfLanguageRecords(RecordBuilder* builder, const std::vector<const Language*>& languages,
                             std::uint32_t firstRecord, std::uint32_t firstStore) {
  for (std::uint32_t i = 0; i < languages.size(); ++i) {
    const LmfOnlyLanguage* language = LmfOnlyOf(*languages[i]);
    if (language == nullptr) continue;
    node* root = builder->Start(LANGUAGE);
    builder->Text(root, LANGUAGE_CODE, language->language.code);
    builder->Number(root, STORE_ID, static_cast<std::int32_t>(firstStore + i));
    node* name = builder->Text(root, NAME, language->englishName);
    builder->Text(name, NAME, std::string("en") + language->englishName);
    builder->Text(name, NAME, Lowercase(language->language.code) + language->ownName);
    builder->Add(kSharedStore, kLanguages, firstRecord + i);
  }
}

}  // namespace importers
