// lexcore5-lookup: prints the meanings of a word from a lexical database, through the installed
// library alone.
//   lexcore5-lookup DATABASE.fdb CODE WORD
// For example: lexcore5-lookup wordnet.fdb EN dog
#include <lexcore5/Concept.h>
#include <lexcore5/ConceptVariant.h>
#include <lexcore5/ConceptVariants.h>
#include <lexcore5/Concepts.h>
#include <lexcore5/LanguageWordNet.h>
#include <lexcore5/LanguageWordNets.h>
#include <lexcore5/PLXException.h>
#include <lexcore5/Polylex.h>
#include <lexcore5/String.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// The library's objects are released with their own Destroy(), never with delete.
struct Destroyer {
  template <typename Object>
  void operator()(Object* object) const {
    object->Destroy();
  }
};
template <typename Object>
using Owned = std::unique_ptr<Object, Destroyer>;

// Takes a text the library hands out (UTF-16, null when absent) and frees it.
std::string Utf8(BSTR text) {
  if (text == nullptr) return "";
  const String converted(text);
  SysFreeString(text);
  return converted.GetAnsi();
}

void PrintMeaning(Concept& meaning) {
  std::string variants;
  std::string definition;
  const Owned<ConceptVariants> members(meaning.GetConceptVariants());
  ConceptVariant* item = nullptr;
  while (members->GetNext(&item) != 0) {
    const Owned<ConceptVariant> variant(item);
    if (!variants.empty()) variants += ", ";
    variants += Utf8(variant->GetLiteral()) + ":" + std::to_string(variant->GetSense());
    if (definition.empty()) definition = Utf8(variant->GetDefinition());
  }
  std::printf("(%s) %s\n", Utf8(meaning.GetPartOfSpeech()).c_str(), variants.c_str());
  if (!definition.empty()) std::printf("    %s\n", definition.c_str());
}

// The number of meanings printed.
int PrintMeanings(Polylex& database, const char* code, const char* word) {
  const Owned<LanguageWordNets> languages(database.GetLanguageWordNets());
  const Owned<LanguageWordNet> language(languages->GetItem(code));
  const Owned<Concepts> meanings(language->GetConcepts(word));
  int count = 0;
  Concept* item = nullptr;
  while (meanings->GetNext(&item) != 0) {
    const Owned<Concept> meaning(item);
    PrintMeaning(*meaning);
    ++count;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s DATABASE.fdb CODE WORD\n", argv[0]);
    return 2;
  }
  try {
    Polylex database;
    database.Open(argv[1], nullptr, /*readOnly=*/1, /*exclusive=*/0);
    const int count = PrintMeanings(database, argv[2], argv[3]);
    database.Close();
    if (count == 0) {
      std::fprintf(stderr, "%s: no meanings of \"%s\" in %s\n", argv[0], argv[3], argv[2]);
      return 1;
    }
    return 0;
  } catch (const PLXException& error) {
    std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], static_cast<const char*>(error));
  } catch (const ArbError& error) {
    std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], error.GetMessageA().GetAnsi());
  }
  return 1;
}
