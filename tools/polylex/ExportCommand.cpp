// polylex export: the export text of the meanings a word has with a given sense number.
#include <cstdio>
#include <string>
#include <vector>

#include "ArbError.h"
#include "Commands.h"
#include "Concept.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "ErrorText.h"
#include "LanguageChoice.h"
#include "LanguageWordNet.h"
#include "PLXException.h"
#include "Polylex.h"
#include "platform/TextConvert.h"

namespace polylex {
namespace {

// Far more than a concept needs (the table texts of "dog" 1 take under 10 KB).
constexpr int kTableSize = 1 << 20;

std::string TextOf(BSTR text) {
  std::string narrow = text == nullptr ? "" : platform::Utf16ToUtf8(text);
  SysFreeString(text);
  return narrow;
}

// The concepts of the word's variants with this sense number, in literal index order.
std::vector<lexicon::Owned<Concept>> MeaningsOf(LanguageWordNet& language, const std::string& word,
                                                std::int16_t sense) {
  std::vector<lexicon::Owned<Concept>> meanings;
  const lexicon::Owned<ConceptVariants> variants(language.GetConceptVariants(word.c_str()));
  ConceptVariant* item = nullptr;
  while (variants->GetNext(&item) != 0) {
    const lexicon::Owned<ConceptVariant> variant(item);
    if (variant->GetSense() != sense) continue;
    lexicon::Owned<Concept> meaning(variant->GetBaseConcept());
    if (meaning) meanings.push_back(std::move(meaning));
  }
  return meanings;
}

std::string TableText(Concept& meaning) {
  std::vector<char> buffer(kTableSize);
  meaning.Export(buffer.data(), kTableSize, 0);
  return buffer.data();
}

}  // namespace

int RunExport(const std::string& path, const std::string& code, const std::string& word,
              std::int16_t sense, bool table) {
  return WithLibraryErrors(path, [&] {
    Polylex database;
    database.Open(path.c_str(), nullptr, 1, 0);
    const lexicon::Owned<LanguageWordNet> language = ChooseLanguage(database, path, code);
    if (!language) return 1;
    const std::vector<lexicon::Owned<Concept>> meanings = MeaningsOf(*language, word, sense);
    if (meanings.empty()) {
      std::fprintf(stderr, "polylex: %s has no meaning \"%s\" with sense %d\n", code.c_str(),
                   word.c_str(), sense);
      return 1;
    }
    for (const lexicon::Owned<Concept>& meaning : meanings) {
      if (table) {
        std::fputs(TableText(*meaning).c_str(), stdout);
        continue;
      }
      BSTR text = nullptr;
      if (language->ExportConcept(meaning.get(), &text) == 0) {
        std::fprintf(stderr, "polylex: concept %d cannot be exported\n", meaning->GetRecordID());
        return 1;
      }
      std::fputs(TextOf(text).c_str(), stdout);
    }
    return 0;
  });
}

}  // namespace polylex
