#include "Languages.h"

#include <unicode/locdspnm.h>
#include <unicode/locid.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace importers {
namespace {

// Greek's database code predates this derivation; databases and view files name Greek by it.
constexpr std::string_view kGreekCode = "GR";
constexpr std::string_view kGreekLanguage = "el";
// ISO 639's special codes that ICU names but that name no single language (ICU knows neither "und"
// nor "mis" by name).
constexpr std::string_view kNoSingleLanguage[] = {"mul", "zxx"};

std::string Lowercase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string Uppercase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

// ICU answers a language it has no name for with the code itself.
std::string NameIn(const icu::Locale& in, const char* language) {
  UDisplayContext context = UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU;
  const std::unique_ptr<icu::LocaleDisplayNames> names(
      icu::LocaleDisplayNames::createInstance(in, &context, 1));
  if (names == nullptr) return {};
  icu::UnicodeString name;
  names->languageDisplayName(language, name);
  std::string text;
  name.toUTF8String(text);
  return text == language ? std::string() : text;
}

}  // namespace

std::optional<Language> LanguageOf(std::string_view code) {
  std::string tag = Lowercase(code);
  std::replace(tag.begin(), tag.end(), '_', '-');
  if (tag == Lowercase(kGreekCode)) tag = kGreekLanguage;
  UErrorCode status = U_ZERO_ERROR;
  const icu::Locale parsed = icu::Locale::forLanguageTag(tag, status);
  if (U_FAILURE(status) || parsed.isBogus()) return std::nullopt;
  const icu::Locale locale = icu::Locale::createCanonical(parsed.getName());
  const std::string language = locale.getLanguage();
  if (language.empty() || locale.isBogus() ||
      std::find(std::begin(kNoSingleLanguage), std::end(kNoSingleLanguage), language) !=
          std::end(kNoSingleLanguage)) {
    return std::nullopt;
  }
  std::string name = NameIn(icu::Locale::getEnglish(), language.c_str());
  if (name.empty()) return std::nullopt;
  return Language{language == kGreekLanguage ? std::string(kGreekCode) : Uppercase(language),
                  locale.getName(), std::move(name)};
}

const Language& English() {
  static const Language english = *LanguageOf("en");
  return english;
}

std::string LanguageName(const Language& language, const Language& in) {
  return NameIn(icu::Locale(in.locale.c_str()), icu::Locale(language.locale.c_str()).getLanguage());
}

std::string LanguageTag(std::string_view code) {
  const std::optional<Language> language = LanguageOf(code);
  if (!language) return Lowercase(code);
  return icu::Locale(language->locale.c_str()).getLanguage();
}

}  // namespace importers
