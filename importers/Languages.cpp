#include "Languages.h"

#include <cctype>

namespace importers {
namespace {

constexpr Language kLanguages[kLanguageCount] = {
    {"EN", "en"}, {"NL", "nl"}, {"IT", "it"}, {"FR", "fr"},
    {"CA", "ca"}, {"EU", "eu"}, {"PL", "pl"}, {"GR", "el"},
};

// kNames[a][b]: the name of language a written in language b, both in kLanguages order.
constexpr const char* kNames[kLanguageCount][kLanguageCount] = {
    {"English", "Engels", "Inglese", "Anglais", "Anglès", "Ingelesa", "Angielski", "Αγγλικά"},
    {"Dutch", "Nederlands", "Olandese", "Néerlandais", "Neerlandès", "Nederlandera", "Niderlandzki",
     "Ολλανδικά"},
    {"Italian", "Italiaans", "Italiano", "Italien", "Italià", "Italiera", "Włoski", "Ιταλικά"},
    {"French", "Frans", "Francese", "Français", "Francès", "Frantsesa", "Francuski", "Γαλλικά"},
    {"Catalan", "Catalaans", "Catalano", "Catalan", "Català", "Katalana", "Kataloński",
     "Καταλανικά"},
    {"Basque", "Baskisch", "Basco", "Basque", "Basc", "Euskara", "Baskijski", "Βασκικά"},
    {"Polish", "Pools", "Polacco", "Polonais", "Polonès", "Poloniera", "Polski", "Πολωνικά"},
    {"Greek", "Grieks", "Greco", "Grec", "Grec", "Greziera", "Grecki", "Ελληνικά"},
};

int IndexOf(const Language& language) {
  return static_cast<int>(&language - kLanguages);
}

bool SameCode(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

const Language* FindLanguage(std::string_view code) {
  for (const Language& language : kLanguages) {
    if (SameCode(language.code, code)) return &language;
  }
  return nullptr;
}

const char* LanguageName(const Language& language, const Language& in) {
  return kNames[IndexOf(language)][IndexOf(in)];
}

const Language& English() {
  return kLanguages[0];
}

}  // namespace importers
